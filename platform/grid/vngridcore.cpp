// Construction, coordinates, rows, the current cell and the check of typed texts.
#include "grid/vngridcore.h"

#include "grid/gxrange.h"
#include "grid/vngridcontroller.h"
#include "win/diagnostics.h"

CVnGridCore::CVnGridCore(CWnd* pGridWnd, CWnd* pDialog, CDocument* pGridDoc, BOOL bIsViewContext)
    : CGXGridCore(pGridWnd, pGridDoc, bIsViewContext) {
    // The grid tells the window it sits on; a dialog other than that one would never hear.
    HWND hGrid = pGridWnd ? pGridWnd->GetSafeHwnd() : nullptr;
    ASSERT(!pDialog || !hGrid || ::GetParent(hGrid) == pDialog->GetSafeHwnd());
}

CVnGridCore::~CVnGridCore() = default;

void CVnGridCore::SetNewCoordinates(ROWCOL nFirstRow, ROWCOL nFirstCol) {
    ASSERT(nFirstRow >= 1 && nFirstCol >= 1);
    SetFrozenRows(nFirstRow - 1, nFirstRow - 1, GX_INVALIDATE);
    SetFrozenCols(nFirstCol - 1, nFirstCol - 1, GX_INVALIDATE);
}

void CVnGridCore::GetOrigin(int& nRow, int& nCol) {
    nRow = static_cast<int>(gridRow(0));
    nCol = static_cast<int>(gridCol(0));
}

void CVnGridCore::Initialize() {
    m_validator.RemoveAllColumns();
}

BOOL CVnGridCore::SetRCount(int nRows) {
    if (nRows < 0) return FALSE;
    return SetRowCount(gridRow(nRows) - 1, GX_INVALIDATE);
}

int CVnGridCore::GetRCount() {
    return GetRowCount() < gridRow(0) ? 0 : static_cast<int>(GetRowCount() - gridRow(0) + 1);
}

int CVnGridCore::GetCCount() {
    return GetColCount() < gridCol(0) ? 0 : static_cast<int>(GetColCount() - gridCol(0) + 1);
}

BOOL CVnGridCore::AddRow() {
    const int nRow = GetRCount();
    if (!InsertRows(gridRow(nRow), 1, GX_INVALIDATE)) return FALSE;
    for (int c = 0; c < GetCCount(); ++c) {
        const CVnGridColumn* column = GetGridColumn(c);
        if (column && column->m_nKind == VNGRID_KIND_TEXT) SetValue(nRow, c, column->m_strDefault);
    }
    return TRUE;
}

BOOL CVnGridCore::RemoveRow(ROWCOL nRow) {
    if (nRow < gridRow(0) || !RemoveRows(nRow, nRow, GX_INVALIDATE)) return FALSE;
    // The application removes rows one by one after the user chose them (a transfer removing
    // bars): rows it kept, a bar in use say, must not go with a RemoveSelectedRows that follows.
    SelectRange(CGXRange().SetTable(), FALSE);
    return TRUE;
}

BOOL CVnGridCore::RemoveSelectedRows() {
    CRowColArray rows;
    if (GetSelectedRows(rows, TRUE, FALSE) == 0) return FALSE;
    // From the bottom up, so that each removal leaves the rows still to go where they were.
    for (INT_PTR i = rows.GetSize(); i-- > 0;) RemoveRow(rows[i]);
    return TRUE;
}

BOOL CVnGridCore::GetCurrentCell(int& nRow, int& nCol) {
    ROWCOL row = 0, col = 0;
    if (!CGXGridCore::GetCurrentCell(row, col)) return FALSE;
    nRow = static_cast<int>(row - gridRow(0));
    nCol = static_cast<int>(col - gridCol(0));
    return TRUE;
}

BOOL CVnGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt,
                                 int nType) {
    BOOL bFound = CGXGridCore::GetStyleRowCol(nRow, nCol, style, mt, nType);
    if (bFound && nCol == 0 && nRow >= gridRow(0) && m_config.GetRowNumbers()) {
        CString number;
        number.Format(L"%u", nRow - gridRow(0) + 1);
        style.SetValue(number);
    }
    return bFound;
}

BOOL CVnGridCore::OnValidateCell(ROWCOL nRow, ROWCOL nCol) {
    CString text;
    GetCurrentCellControl()->GetCurrentText(text);
    const int nDataRow = static_cast<int>(nRow - gridRow(0));
    const int nDataCol = static_cast<int>(nCol - gridCol(0));
    if (m_pController) {
        ASSERT(m_pController->GetGrid() == this);  // given but never registered
        return m_pController->CanStoreText(nDataRow, nDataCol, text);
    }
    return m_validator.IsValid(nDataCol, text);
}
