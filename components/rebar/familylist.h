// The list of families, table "SteelGradeList": one row per family, read by several of the
// catalogue's source files. Private to the module.
#pragma once

#include "rebar/host/afx.h"

class VNTLMdbContainer;

namespace rebar {

inline constexpr wchar_t kSteelGradeList[] = L"SteelGradeList";

// The families' names and, row by row, their cells of `column`; false when either column
// cannot be read or the two do not pair up.
bool readFamilyList(VNTLMdbContainer& container, const wchar_t* column, CStringArray& names,
                    CStringArray& values);

// The cell of `column` of the first family named `family` (ignoring case); empty when there is
// none.
CString familyListText(VNTLMdbContainer& container, const wchar_t* family, const wchar_t* column);

}  // namespace rebar
