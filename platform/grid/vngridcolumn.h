// The description of one column of a CVnGridCore: what its title says, what kind of cell it
// holds, in which unit its numbers are shown and which values it accepts. The grid's validator
// keeps one per column, in column order.
#pragma once

#include <memory>

#include "vntl/vnunit.h"
#include "win/cstring.h"

// The maker's cell kinds, as AddColumn takes them.
enum VnGridCellKind {
    VNGRID_KIND_TEXT = 1,    // free text, limited by a set of characters and a length
    VNGRID_KIND_UNIT = 5,    // a number shown and typed in the column's unit
    VNGRID_KIND_CHOICE = 7,  // one entry of a drop-down list
};

// A bound at or beyond these is no bound: the open ends of a unit column's range.
inline constexpr double kVnGridOpenBound = 1.7976931348623157e+150;

struct CVnGridColumn {
    CString m_strTitle;
    // The unit the column's numbers are shown in; null for text and choice columns. Kept as the
    // second member: the transfers reach the unit through it.
    CVnUnit* m_pUnit = nullptr;
    int m_nKind = VNGRID_KIND_TEXT;
    // Text columns: the characters accepted ("ALL" for any), the longest text (0: any length)
    // and the text new rows start with.
    CString m_strAllowed = L"ALL";
    int m_nMaxLength = 0;
    CString m_strDefault;
    // Choice columns: the entries separated by "\n".
    CString m_strChoices;
    // Unit columns: the accepted values and the value an empty cell stands for, in SI; the
    // range is open at ±kVnGridOpenBound.
    double m_dMin = -kVnGridOpenBound;
    double m_dMax = kVnGridOpenBound;
    double m_dDefault = 0.0;
    // DT_LEFT, DT_CENTER or DT_RIGHT for the column's cells.
    DWORD m_dtAlign = 0;

    // The descriptor owns its unit: copies made by SetColumnUnit replace it.
    std::unique_ptr<CVnUnit> m_ownedUnit;
};
