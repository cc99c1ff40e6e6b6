#pragma once

// How the table store matches names and cells, shared with the layers above it that search
// decoded columns themselves and must find exactly what the store would.

#include <string>
#include <string_view>

#include "vntl/tablestore.h"

namespace vntl {

// Table and column names match as cell texts do, ignoring case in every script; SQLite itself
// folds ASCII letters only, so a name spelled in another case is first mapped to the stored one.
[[nodiscard]] bool sameIdentifier(std::wstring_view a, std::wstring_view b);
// The form of a name under which two names match exactly when their forms are equal.
[[nodiscard]] std::wstring identifierKey(std::wstring_view name);

// Whether a stored cell matches a sought value by the rules of findRow and deleteRows: texts
// ignoring case in every script, numbers exactly whatever their storage class, an empty cell
// only an empty value.
[[nodiscard]] bool cellMatchesValue(const Cell& cell, const Cell& value);
// The form of a text under which two texts match by those rules exactly when their forms are
// equal, so such a layer can index text cells.
[[nodiscard]] std::wstring textMatchKey(const std::wstring& text);

}  // namespace vntl
