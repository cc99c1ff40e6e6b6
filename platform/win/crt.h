// The Microsoft C runtime functions the module calls that glibc lacks. Wide text is UTF-32
// here; numbers are read with "." as the decimal point whatever the process locale says
// (the real CRT follows the thread locale, which the module never changes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <cwchar>

// 64-bit time as the CRT names it; glibc on x86-64 declares no type of this name.
typedef std::int64_t __time64_t;

// Skips leading blanks, reads the longest number that follows and ignores the rest;
// 0.0 when no number starts the text (or the pointer is null).
double _wtof(const wchar_t* str);
// The same for a decimal int; values beyond int saturate at INT_MIN / INT_MAX.
int _wtoi(const wchar_t* str);

__time64_t _time64(__time64_t* destTime);
// Local time of sourceTime in storage owned by the calling thread, overwritten by the next
// call on that thread; null for a null pointer or a time before 1970, as the CRT does.
struct tm* _localtime64(const __time64_t* sourceTime);

// Ordinal comparison after folding both texts to lower case (all of Unicode, not only ASCII,
// and not depending on the process locale). Results are <0, 0 or >0; null texts are a caller
// error, as in the CRT.
int _wcsicmp(const wchar_t* string1, const wchar_t* string2);
int _wcsnicmp(const wchar_t* string1, const wchar_t* string2, std::size_t count);
