#include "win/crt.h"

#include <climits>
#include <cwctype>

#include "win/diagnostics.h"
#include "win/textlocale.h"

namespace {

const wchar_t* skipBlanks(const wchar_t* str) {
    while (*str && vnwin::isBlank(*str)) ++str;
    return str;
}

}  // namespace

double _wtof(const wchar_t* str) {
    if (!str) return 0.0;
    return wcstod_l(skipBlanks(str), nullptr, vnwin::classicLocale());
}

int _wtoi(const wchar_t* str) {
    if (!str) return 0;
    long long value = wcstoll_l(skipBlanks(str), nullptr, 10, vnwin::classicLocale());
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

__time64_t _time64(__time64_t* destTime) {
    __time64_t now = static_cast<__time64_t>(std::time(nullptr));
    if (destTime) *destTime = now;
    return now;
}

struct tm* _localtime64(const __time64_t* sourceTime) {
    thread_local struct tm result {};
    if (!sourceTime || *sourceTime < 0) return nullptr;
    time_t t = static_cast<time_t>(*sourceTime);
    return localtime_r(&t, &result);
}

int _wcsicmp(const wchar_t* string1, const wchar_t* string2) {
    return _wcsnicmp(string1, string2, static_cast<std::size_t>(-1));
}

int _wcsnicmp(const wchar_t* string1, const wchar_t* string2, std::size_t count) {
    ASSERT(string1 && string2);
    for (std::size_t i = 0; i < count; ++i) {
        wchar_t a = vnwin::foldLower(string1[i]);
        wchar_t b = vnwin::foldLower(string2[i]);
        if (a != b) return a < b ? -1 : 1;
        if (a == L'\0') break;
    }
    return 0;
}
