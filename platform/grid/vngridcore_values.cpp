// Cells: values through the columns' units, colours, data pointers and styles.
#include "grid/gxrange.h"
#include "grid/vngridcore.h"

namespace {

const CVnUnit* unitOf(const CVnGridColumn* column) {
    return column && column->m_nKind == VNGRID_KIND_UNIT ? column->m_pUnit : nullptr;
}

}  // namespace

CString CVnGridCore::GetValueAsString(int nRow, int nCol) {
    if (nRow < 0 || nCol < 0) return CString();
    return GetValueRowCol(gridRow(nRow), gridCol(nCol));
}

double CVnGridCore::GetValueAsDouble(int nRow, int nCol) {
    CString text = GetValueAsString(nRow, nCol);
    text.Trim();
    if (text == L"-") return -1.0;
    const CVnGridColumn* column = GetGridColumn(nCol);
    if (const CVnUnit* unit = unitOf(column)) {
        if (!text.IsEmpty()) return unit->String2Double(text, nullptr, 0);
        double start = column->m_dDefault;
        unit->SI2Double(start, 1);
        return start;
    }
    return CGXStyle().SetValue(text).GetDoubleValue();
}

BOOL CVnGridCore::SetValue(int nRow, int nCol, LPCTSTR pszValue) {
    return ApplyStyle(nRow, nCol, CGXStyle().SetValue(pszValue));
}

BOOL CVnGridCore::SetValue(int nRow, int nCol, double dValue) {
    const CVnUnit* unit = unitOf(GetGridColumn(nCol));
    if (!unit) return ApplyStyle(nRow, nCol, CGXStyle().SetValue(dValue));
    wchar_t buffer[50];
    return SetValue(nRow, nCol, unit->Double2String(buffer, dValue, 0, L"%.*f", 0, 1, 50));
}

BOOL CVnGridCore::SetCellTextColor(int nRow, int nCol, COLORREF rgb) {
    return ApplyStyle(nRow, nCol, CGXStyle().SetTextColor(rgb));
}

BOOL CVnGridCore::SetCellStyleDataPtr(int nRow, int nCol, void* pData) {
    return ApplyStyle(nRow, nCol, CGXStyle().SetItemDataPtr(pData));
}

BOOL CVnGridCore::ApplyStyle(int nRow, int nCol, const CGXStyle& style) {
    if (nRow < 0 || nCol < 0) return FALSE;
    return SetStyleRange(CGXRange(gridRow(nRow), gridCol(nCol)), style, gxOverride, 0,
                         GX_INVALIDATE);
}

BOOL CVnGridCore::SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                                       GXCmdType ctCmd) {
    return SetStyleRange(CGXRange(nRow, nCol), CGXStyle().SetValue(pszText), gxOverride, 0, flags,
                         ctCmd);
}
