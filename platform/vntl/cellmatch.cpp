#include "vntl/cellmatch.h"

#include <locale.h>
#include <wctype.h>

#include <cmath>

namespace vntl {

namespace {

wchar_t asciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c;
}

// Texts and names match ignoring case in every script ("Ö" = "ö", "Ж" = "ж"). The C
// library's Unicode tables come from the "C.UTF-8" locale, independent of the user's own; where
// no UTF-8 locale exists a built-in fold covers Latin-1, Greek and Cyrillic.
locale_t unicodeCtype() {
    static const locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t found = newlocale(LC_CTYPE_MASK, name, locale_t{})) return found;
        }
        return locale_t{};
    }();
    return locale;
}

wchar_t builtInFold(wchar_t c) {
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c == 0x3C2) return 0x3C3;  // final sigma
    return c;
}

wchar_t foldCase(wchar_t c) {
    if (c < 0x80) return asciiLower(c);
    // Upper then lower also unites letters with two lower forms (final sigma, long s).
    if (locale_t locale = unicodeCtype())
        return static_cast<wchar_t>(towlower_l(towupper_l(static_cast<wint_t>(c), locale), locale));
    return builtInFold(c);
}

bool sameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;  // simple case folding keeps the length
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && foldCase(a[i]) != foldCase(b[i])) return false;
    return true;
}

// Exact: 3 matches 3.0, but 2^53 + 1 does not match the double nearest to it.
bool sameNumber(long long integer, double real) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (!std::isfinite(real) || real != std::trunc(real) || real < -kLimit || real >= kLimit)
        return false;
    return static_cast<long long>(real) == integer;
}

}  // namespace

std::wstring identifierKey(std::wstring_view name) {
    return textMatchKey(std::wstring(name));
}

bool sameIdentifier(std::wstring_view a, std::wstring_view b) {
    return sameTextIgnoringCase(a, b);
}

bool cellMatchesValue(const Cell& cell, const Cell& value) {
    if (cell.index() == 0 || value.index() == 0) return cell.index() == value.index();
    if (const auto* text = std::get_if<std::wstring>(&value)) {
        const auto* other = std::get_if<std::wstring>(&cell);
        return other != nullptr && sameTextIgnoringCase(*other, *text);
    }
    if (std::holds_alternative<std::wstring>(cell)) return false;
    const auto* ci = std::get_if<long long>(&cell);
    const auto* vi = std::get_if<long long>(&value);
    if (ci != nullptr && vi != nullptr) return *ci == *vi;
    if (ci != nullptr) return sameNumber(*ci, std::get<double>(value));
    if (vi != nullptr) return sameNumber(*vi, std::get<double>(cell));
    return std::get<double>(cell) == std::get<double>(value);
}

// Folding each character on its own is what sameTextIgnoringCase compares.
std::wstring textMatchKey(const std::wstring& text) {
    std::wstring key = text;
    for (wchar_t& c : key) c = foldCase(c);
    return key;
}

}  // namespace vntl
