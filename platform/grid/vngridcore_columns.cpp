// Columns: their descriptors, titles, styles, units and widths.
#include "grid/gxrange.h"
#include "grid/vngridcore.h"
#include "win/diagnostics.h"

namespace {

WORD controlOfKind(int nKind) {
    switch (nKind) {
        case VNGRID_KIND_TEXT:
        case VNGRID_KIND_UNIT:
            return GX_IDS_CTRL_EDIT;
        case VNGRID_KIND_CHOICE:
            return GX_IDS_CTRL_CBS_DROPDOWNLIST;
        default:
            AfxNotSupported("grid column kinds other than 1 (text), 5 (unit) and 7 (choice list)");
            return GX_IDS_CTRL_EDIT;
    }
}

std::unique_ptr<CVnGridColumn> newColumn(LPCTSTR pszTitle, int nKind) {
    auto column = std::make_unique<CVnGridColumn>();
    column->m_strTitle = pszTitle;
    column->m_nKind = nKind;
    controlOfKind(nKind);
    return column;
}

void setUnit(CVnGridColumn& column, const CVnUnit& unit) {
    column.m_ownedUnit = std::make_unique<CVnUnit>(unit);
    column.m_pUnit = column.m_ownedUnit.get();
}

}  // namespace

int CVnGridCore::AddColumn(LPCTSTR pszTitle, int nKind, LPCTSTR pszAllowed, int nMaxLength,
                           LPCTSTR pszDefault) {
    auto column = newColumn(pszTitle, nKind);
    column->m_strAllowed = pszAllowed;
    column->m_nMaxLength = nMaxLength;
    column->m_strDefault = pszDefault;
    return appendColumn(std::move(column));
}

int CVnGridCore::AddColumn(LPCTSTR pszTitle, int nKind, LPCTSTR pszChoices) {
    auto column = newColumn(pszTitle, nKind);
    column->m_strChoices = pszChoices;
    return appendColumn(std::move(column));
}

int CVnGridCore::AddColumn(LPCTSTR pszTitle, int nKind, const CVnUnit& unit, double dMin,
                           double dMax, double dDefault, int nAlign) {
    auto column = newColumn(pszTitle, nKind);
    setUnit(*column, unit);
    column->m_dMin = dMin;
    column->m_dMax = dMax;
    column->m_dDefault = dDefault;
    if (nAlign != DT_LEFT && nAlign != DT_CENTER && nAlign != DT_RIGHT)
        AfxNotSupported("grid column alignments other than DT_LEFT, DT_CENTER and DT_RIGHT");
    column->m_dtAlign = static_cast<DWORD>(nAlign);
    return appendColumn(std::move(column));
}

int CVnGridCore::appendColumn(std::unique_ptr<CVnGridColumn> column) {
    const int nCol = m_validator.AddGridColumn(std::move(column));
    const ROWCOL nGridCol = gridCol(nCol);
    if (GetColCount() < nGridCol) SetColCount(nGridCol, GX_INVALIDATE);
    const CVnGridColumn& added = *GetGridColumn(nCol);
    SetValueRange(CGXRange(0, nGridCol), added.m_strTitle, gxOverride, 0, GX_INVALIDATE);
    if (GetHeaderRows() >= 1 && added.m_pUnit && m_config.GetUnitTitles()) {
        CString unitTitle;
        unitTitle.Format(L"( %s )", added.m_pUnit->GetName().GetString());
        SetValueRange(CGXRange(1, nGridCol), unitTitle, gxOverride, 0, GX_INVALIDATE);
    }
    applyColumnStyle(nCol);
    return nCol;
}

void CVnGridCore::applyColumnStyle(int nCol) {
    const CVnGridColumn& column = *GetGridColumn(nCol);
    CGXStyle style;
    style.SetControl(controlOfKind(column.m_nKind)).SetHorizontalAlignment(column.m_dtAlign);
    if (column.m_nKind == VNGRID_KIND_CHOICE) style.SetChoiceList(column.m_strChoices);
    SetStyleRange(CGXRange().SetCols(gridCol(nCol)), style, gxOverride, 0, GX_INVALIDATE);
}

void CVnGridCore::ApplyRowStyle() {
    for (int c = 0; c < m_validator.GetColumnCount(); ++c) applyColumnStyle(c);
    Redraw(GX_INVALIDATE);
}

void CVnGridCore::SetColumnUnit(int nCol, const CVnUnit& unit) {
    CVnGridColumn* column = GetGridColumn(nCol);
    ASSERT(column);
    if (column) setUnit(*column, unit);
}

BOOL CVnGridCore::RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags, GXCmdType ctCmd) {
    if (!CGXGridCore::RemoveCols(nFromCol, nToCol, flags, ctCmd)) return FALSE;
    const int nFirst = static_cast<int>(gridCol(0));
    m_validator.RemoveColumns(static_cast<int>(nFromCol) - nFirst,
                              static_cast<int>(nToCol) - nFirst);
    return TRUE;
}

BOOL CVnGridCore::SetColumnWidth(ROWCOL nCol, int nWidth) {
    return SetColWidth(nCol, nCol, nWidth, nullptr, GX_INVALIDATE);
}

BOOL CVnGridCore::SetColumnAutoSize(ROWCOL nFromCol, ROWCOL nToCol) {
    return ResizeColWidthsToFit(CGXRange().SetCols(nFromCol, nToCol), TRUE, GX_INVALIDATE);
}

std::vector<int> CVnGridCore::GetArrayWithColWidths(ROWCOL nFromCol, ROWCOL nToCol) {
    std::vector<int> widths;
    for (ROWCOL c = nFromCol; c <= nToCol && c <= GetColCount(); ++c)
        widths.push_back(GetColWidth(c));
    return widths;
}
