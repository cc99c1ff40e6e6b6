// CString::Format. MFC code is written for the Microsoft printf family in a Unicode build,
// where %s means wide text; glibc's swprintf reads %s as narrow text and follows the process
// locale. We therefore walk the format ourselves: texts and characters are copied directly,
// and each number is handed to snprintf on its own under the classic locale, so the decimal
// point is always "." and the result may be of any length.
#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>

#include "win/cstring.h"
#include "win/diagnostics.h"
#include "win/textlocale.h"
#include "win/utf8.h"

namespace {

// Argument sizes as the Microsoft length prefixes define them.
enum class Size { Default, Char, Short, Long32, Int64, LongDouble, Wide };

struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    Size size = Size::Default;
    wchar_t conversion = 0;
};

// va_list is an array type on x86-64; wrapping it lets helpers consume arguments by reference.
struct Args {
    va_list ap;
};

bool isDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

const wchar_t* parseNumber(const wchar_t* p, int& value) {
    value = 0;
    for (; isDigit(*p); ++p) {
        if (value < 100000000) value = value * 10 + (*p - L'0');
    }
    return p;
}

const wchar_t* parseSize(const wchar_t* p, Size& size) {
    auto take = [&](Size found, int length) {
        size = found;
        return p + length;
    };
    std::wstring_view rest(p);
    if (rest.starts_with(L"I64") || rest.starts_with(L"ll"))
        return take(Size::Int64, rest[0] == L'I' ? 3 : 2);
    if (rest.starts_with(L"I32")) return take(Size::Default, 3);
    if (rest.starts_with(L"hh")) return take(Size::Char, 2);
    switch (*p) {
        case L'h':
            return take(Size::Short, 1);
        case L'l':
            return take(Size::Long32, 1);
        case L'w':
            return take(Size::Wide, 1);
        case L'L':
            return take(Size::LongDouble, 1);
        case L'I':  // the pointer size, 64 bits on x64
        case L'q':
        case L'j':
        case L'z':
        case L't':
            return take(Size::Int64, 1);
        default:
            return p;
    }
}

// Reads the conversion after a '%'; returns a pointer to its conversion character.
const wchar_t* parseConversion(const wchar_t* p, Conversion& item, Args& args) {
    for (; *p && std::wcschr(L"-+ #0'", *p); ++p) item.flags += static_cast<char>(*p);
    if (*p == L'*') {
        int width = va_arg(args.ap, int);
        if (width < 0) item.flags += '-', width = -width;
        item.width = width;
        ++p;
    } else if (isDigit(*p)) {
        p = parseNumber(p, item.width);
    }
    if (*p == L'.') {
        ++p;
        if (*p == L'*') {
            int precision = va_arg(args.ap, int);
            item.precision = precision < 0 ? -1 : precision;
            ++p;
        } else {
            p = parseNumber(p, item.precision);
        }
    }
    p = parseSize(p, item.size);
    item.conversion = *p;
    return p;
}

std::string narrowFormat(const Conversion& item, const char* lengthModifier) {
    // Appended piece by piece: g++ 12 at -O3 misreads "." + std::to_string(...) as an
    // overlapping copy (-Wrestrict).
    std::string result = "%";
    result += item.flags;
    if (item.width >= 0) result += std::to_string(item.width);
    if (item.precision >= 0) {
        result += '.';
        result += std::to_string(item.precision);
    }
    result += lengthModifier;
    result += static_cast<char>(item.conversion);
    return result;
}

template <typename T>
void appendNumber(std::wstring& out, const Conversion& item, const char* lengthModifier, T value) {
    const std::string format = narrowFormat(item, lengthModifier);
    char small[64];
    int length = std::snprintf(small, sizeof small, format.c_str(), value);
    if (length < 0) return;
    std::string text;
    if (static_cast<std::size_t>(length) < sizeof small) {
        text.assign(small, static_cast<std::size_t>(length));
    } else {
        text.resize(static_cast<std::size_t>(length));
        std::snprintf(text.data(), text.size() + 1, format.c_str(), value);
    }
    out.append(text.begin(), text.end());  // digits, signs and "." only: ASCII
}

long long readSigned(Args& args, Size size) {
    switch (size) {
        case Size::Char:
            return static_cast<signed char>(va_arg(args.ap, int));
        case Size::Short:
            return static_cast<short>(va_arg(args.ap, int));
        // Windows' long is 32 bits: read the whole slot, keep what a Windows caller meant.
        case Size::Long32:
            return static_cast<std::int32_t>(va_arg(args.ap, long));
        case Size::Int64:
            return va_arg(args.ap, long long);
        default:
            return va_arg(args.ap, int);
    }
}

unsigned long long readUnsigned(Args& args, Size size) {
    switch (size) {
        case Size::Char:
            return static_cast<unsigned char>(va_arg(args.ap, unsigned));
        case Size::Short:
            return static_cast<unsigned short>(va_arg(args.ap, unsigned));
        case Size::Long32:
            return static_cast<std::uint32_t>(va_arg(args.ap, unsigned long));
        case Size::Int64:
            return va_arg(args.ap, unsigned long long);
        default:
            return va_arg(args.ap, unsigned);
    }
}

void appendPadded(std::wstring& out, const Conversion& item, std::wstring_view text) {
    if (item.precision >= 0 && text.size() > static_cast<std::size_t>(item.precision) &&
        item.conversion != L'c' && item.conversion != L'C') {
        text = text.substr(0, static_cast<std::size_t>(item.precision));
    }
    std::size_t width = item.width > 0 ? static_cast<std::size_t>(item.width) : 0;
    std::size_t padding = width > text.size() ? width - text.size() : 0;
    bool left = item.flags.find('-') != std::string::npos;
    if (!left) out.append(padding, L' ');
    out += text;
    if (left) out.append(padding, L' ');
}

// %s and %c are wide unless 'h' says narrow; %S and %C are narrow unless 'l' or 'w' say wide.
bool isWideText(const Conversion& item) {
    if (item.size == Size::Short) return false;
    if (item.size == Size::Long32 || item.size == Size::Wide) return true;
    return item.conversion == L's' || item.conversion == L'c';
}

void appendText(std::wstring& out, const Conversion& item, Args& args) {
    if (isWideText(item)) {
        const wchar_t* text = va_arg(args.ap, const wchar_t*);
        if (!text) return appendPadded(out, item, L"(null)");
        // With a precision the text need not be terminated within it.
        std::size_t length = item.precision >= 0
                                 ? ::wcsnlen(text, static_cast<std::size_t>(item.precision))
                                 : std::wcslen(text);
        return appendPadded(out, item, std::wstring_view(text, length));
    }
    const char* text = va_arg(args.ap, const char*);
    appendPadded(out, item, text ? Utf8ToWide(text) : std::wstring(L"(null)"));
}

void appendChar(std::wstring& out, const Conversion& item, Args& args) {
    int value = va_arg(args.ap, int);
    // A narrow character is taken as Latin-1: one byte cannot hold more of UTF-8.
    wchar_t ch = isWideText(item) ? static_cast<wchar_t>(value)
                                  : static_cast<wchar_t>(static_cast<unsigned char>(value));
    appendPadded(out, item, std::wstring_view(&ch, 1));
}

void appendConversion(std::wstring& out, const Conversion& item, Args& args) {
    switch (item.conversion) {
        case L'%':
            out += L'%';
            return;
        case L'd':
        case L'i':
            return appendNumber(out, item, "ll", readSigned(args, item.size));
        case L'u':
        case L'o':
        case L'x':
        case L'X':
            return appendNumber(out, item, "ll", readUnsigned(args, item.size));
        case L'e':
        case L'E':
        case L'f':
        case L'F':
        case L'g':
        case L'G':
        case L'a':
        case L'A':
            if (item.size == Size::LongDouble)
                return appendNumber(out, item, "L", va_arg(args.ap, long double));
            return appendNumber(out, item, "", va_arg(args.ap, double));
        case L's':
        case L'S':
            return appendText(out, item, args);
        case L'c':
        case L'C':
            return appendChar(out, item, args);
        case L'p': {
            // The Microsoft form: the address as 16 upper-case hex digits, without "0x".
            Conversion hex{item.flags, item.width, 16, Size::Int64, L'X'};
            auto address = reinterpret_cast<std::uintptr_t>(va_arg(args.ap, void*));
            return appendNumber(out, hex, "ll", static_cast<unsigned long long>(address));
        }
        default: {
            // %n and unknown conversions: the Microsoft runtime stops on these too.
            std::string what =
                "CString::Format conversion '%" + WideToUtf8({&item.conversion, 1}) + "'";
            AfxNotSupported(what.c_str());
        }
    }
}

void formatInto(std::wstring& out, const wchar_t* format, va_list source) {
    ASSERT(format != nullptr);
    vnwin::ClassicLocaleScope classic;
    Args args;
    va_copy(args.ap, source);
    for (const wchar_t* p = format; *p;) {
        const wchar_t* percent = std::wcschr(p, L'%');
        if (!percent) {
            out.append(p);
            break;
        }
        out.append(p, percent);
        Conversion item;
        p = parseConversion(percent + 1, item, args);
        if (!*p) AfxNotSupported("CString::Format: the format ends inside a conversion");
        appendConversion(out, item, args);
        ++p;
    }
    va_end(args.ap);
}

}  // namespace

void CString::FormatV(const wchar_t* pszFormat, va_list args) {
    // Built aside: the arguments may point into this very string.
    std::wstring result;
    formatInto(result, pszFormat, args);
    assign(std::move(result));
}

void CString::AppendFormatV(const wchar_t* pszFormat, va_list args) {
    std::wstring result;
    formatInto(result, pszFormat, args);
    if (!result.empty()) edit() += result;
}

void CString::formatArgs(bool append, const wchar_t* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    if (append) {
        AppendFormatV(pszFormat, args);
    } else {
        FormatV(pszFormat, args);
    }
    va_end(args);
}
