#include "win/textlocale.h"

#include <wctype.h>

#include <initializer_list>

namespace vnwin {

locale_t classicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    return classic;
}

locale_t unicodeLocale() {
    static const locale_t unicode = [] {
        // Distributions spell the name either way; both are the same locale.
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t l = newlocale(LC_CTYPE_MASK, name, locale_t{})) return l;
        }
        return classicLocale();
    }();
    return unicode;
}

// ASCII letters, by far the most common, are folded without asking the C library: name
// comparisons fold every character of every name they meet.
wchar_t foldUpper(wchar_t ch) {
    if (ch < 0x80) return ch >= L'a' && ch <= L'z' ? static_cast<wchar_t>(ch - 0x20) : ch;
    return static_cast<wchar_t>(towupper_l(static_cast<wint_t>(ch), unicodeLocale()));
}

wchar_t foldLower(wchar_t ch) {
    if (ch < 0x80) return ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch + 0x20) : ch;
    return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(ch), unicodeLocale()));
}

bool isBlank(wchar_t ch) {
    return iswspace_l(static_cast<wint_t>(ch), unicodeLocale()) != 0;
}

}  // namespace vnwin
