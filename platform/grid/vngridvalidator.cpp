#include "grid/vngridvalidator.h"

#include <algorithm>

namespace {

bool isOpen(double bound) {
    return bound <= -kVnGridOpenBound || bound >= kVnGridOpenBound;
}

bool validText(const CVnGridColumn& column, const CString& text) {
    if (column.m_nMaxLength > 0 && text.GetLength() > column.m_nMaxLength) return false;
    if (column.m_strAllowed.CompareNoCase(L"ALL") == 0) return true;
    for (int i = 0; i < text.GetLength(); ++i)
        if (column.m_strAllowed.Find(text[i]) < 0) return false;
    return true;
}

// "-", or -1 in the column's unit, stands for a value not given, whatever the range. Numbers
// are read in the column's unit (a unit typed after them is honoured) and compared with the
// range in SI.
bool validNumber(const CVnGridColumn& column, const CString& text) {
    CString trimmed(text);
    trimmed.Trim();
    if (trimmed == L"-") return true;
    CVnUnit plain;
    const CVnUnit& unit = column.m_pUnit ? *column.m_pUnit : plain;
    int error = 0;
    double si = unit.String2Double(trimmed, &error, 1);
    if (error != 0) return false;
    if (unit.String2Double(trimmed, nullptr, 0) == -1.0) return true;
    if (!isOpen(column.m_dMin) && si < column.m_dMin) return false;
    if (!isOpen(column.m_dMax) && si > column.m_dMax) return false;
    return true;
}

}  // namespace

CVnGridColumn* CVnGridValidator::GetGridColumn(int nCol) const {
    if (nCol < 0 || nCol >= GetColumnCount()) return nullptr;
    return m_columns[static_cast<size_t>(nCol)].get();
}

int CVnGridValidator::AddGridColumn(std::unique_ptr<CVnGridColumn> column) {
    m_columns.push_back(std::move(column));
    return GetColumnCount() - 1;
}

void CVnGridValidator::RemoveColumns(int nFrom, int nTo) {
    nFrom = std::max(nFrom, 0);
    nTo = std::min(nTo, GetColumnCount() - 1);
    if (nFrom > nTo) return;
    m_columns.erase(m_columns.begin() + nFrom, m_columns.begin() + nTo + 1);
}

BOOL CVnGridValidator::IsValid(int nCol, const CString& text) const {
    const CVnGridColumn* column = GetGridColumn(nCol);
    if (!column) return TRUE;
    switch (column->m_nKind) {
        case VNGRID_KIND_UNIT:
            return validNumber(*column, text);
        case VNGRID_KIND_CHOICE:
            return TRUE;  // the drop-down list offers nothing but its entries
        default:
            return validText(*column, text);
    }
}
