// Programmer-error checks. A failed assertion or a call into a part of the platform that
// this build does not provide stops the process with the file and line: a silent 0 would
// hide the fault far from its cause.
#pragma once

[[noreturn]] void AfxAssertFailedLine(const char* file, int line, const char* expression);
[[noreturn]] void AfxNotSupportedLine(const char* file, int line, const char* what);

#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__, #f))
#define VERIFY(f) ASSERT(f)
#define AfxNotSupported(what) AfxNotSupportedLine(__FILE__, __LINE__, what)
