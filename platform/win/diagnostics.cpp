#include "win/diagnostics.h"

#include <cstdio>
#include <cstdlib>

void AfxAssertFailedLine(const char* file, int line, const char* expression) {
    std::fprintf(stderr, "%s:%d: assertion failed: %s\n", file, line, expression);
    std::fflush(stderr);
    std::abort();
}

void AfxNotSupportedLine(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: not supported by this platform build: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}
