// Lets failed expectations show a CString's text instead of its object bytes.
#pragma once

#include <ostream>

#include "win/cstring.h"
#include "win/utf8.h"

inline void PrintTo(const CString& s, std::ostream* os) {
    *os << '"' << WideToUtf8(s.GetString()) << '"';
}
