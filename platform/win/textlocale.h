// Locale objects behind the value types, so that their results never depend on what
// setlocale() the program or a library did: numbers are written and read with "." as the
// decimal point, and case folding and blank tests know all of Unicode.
// Internal to platform/win; module code uses the Win32/MFC functions built on it.
#pragma once

#include <locale.h>

namespace vnwin {

// The classic "C" locale, created once per process and never freed.
locale_t classicLocale();
// A locale with Unicode character classes and case mappings (C.UTF-8); where the system has
// none, the classic locale, which folds ASCII only.
locale_t unicodeLocale();

// Makes the classic locale the calling thread's locale while it lives, so that printf- and
// strtod-family calls inside it use "." whatever the process locale says.
class ClassicLocaleScope {
public:
    ClassicLocaleScope() : m_previous(uselocale(classicLocale())) {}
    ~ClassicLocaleScope() { uselocale(m_previous); }
    ClassicLocaleScope(const ClassicLocaleScope&) = delete;
    ClassicLocaleScope& operator=(const ClassicLocaleScope&) = delete;

private:
    locale_t m_previous;
};

wchar_t foldUpper(wchar_t ch);
wchar_t foldLower(wchar_t ch);
bool isBlank(wchar_t ch);

}  // namespace vnwin
