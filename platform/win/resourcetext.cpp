#include "win/resourcetext.h"

#include <cstdint>
#include <cstring>

namespace {

char16_t unitAt(const void* utf16, std::size_t index) {
    // Little-endian units read byte by byte: templates place texts at any even offset and
    // the host is not assumed to share the file's byte order.
    const auto* bytes = static_cast<const unsigned char*>(utf16) + 2 * index;
    return static_cast<char16_t>(bytes[0] | (bytes[1] << 8));
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::wstring ResourceTextToWide(const void* utf16, std::size_t units) {
    std::wstring text;
    text.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        char16_t unit = unitAt(utf16, i);
        if (isHighSurrogate(unit) && i + 1 < units && isLowSurrogate(unitAt(utf16, i + 1))) {
            char32_t low = unitAt(utf16, ++i);
            text += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            text += L'\uFFFD';
        } else {
            text += static_cast<wchar_t>(unit);
        }
    }
    return text;
}

std::size_t ResourceTextLength(const void* utf16) {
    std::size_t units = 0;
    while (unitAt(utf16, units) != 0) ++units;
    return units;
}
