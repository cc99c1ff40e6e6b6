// The mouse: clicks on cells, row titles and scroll bars; row selection with Shift and Ctrl;
// the tool tips of title cells.
#include <algorithm>

#include "grid/gxgridcore.h"

int CGXGridCore::HitTest(CPoint pt, ROWCOL* pnRow, ROWCOL* pnCol) {
    for (int nBar : {SB_VERT, SB_HORZ})
        if (needsScrollBar(nBar) && scrollBarRect(nBar).PtInRect(pt))
            return nBar == SB_VERT ? GX_VSCROLLHIT : GX_HSCROLLHIT;
    if (!cellArea().PtInRect(pt)) return GX_NOHIT;
    ROWCOL nRow = m_layout.rows.at(pt.y, GetRowCount());
    ROWCOL nCol = m_layout.cols.at(pt.x, GetColCount());
    if (nRow == GX_INVALID || nCol == GX_INVALID) return GX_NOHIT;
    if (pnRow) *pnRow = nRow;
    if (pnCol) *pnCol = nCol;
    return m_layout.rows.isHeader(nRow) || m_layout.cols.isHeader(nCol) ? GX_HEADERHIT : GX_CELLHIT;
}

void CGXGridCore::onLButtonDown(UINT nFlags, CPoint pt, bool bDouble) {
    ROWCOL nRow = 0, nCol = 0;
    int hit = HitTest(pt, &nRow, &nCol);
    if (hit == GX_VSCROLLHIT || hit == GX_HSCROLLHIT) {
        onScrollBarClick(hit == GX_VSCROLLHIT ? SB_VERT : SB_HORZ, pt);
        return;
    }
    if (hit == GX_NOHIT) return;
    bool bOnEdited = IsActiveCurrentCell() && IsCurrentCell(nRow, nCol);
    if (IsActiveCurrentCell() && !bOnEdited) {
        // The click ends the edit. The parent hears of it (WM_USER + 5, posted) while the edited
        // cell is still current, and the click is handled after that, as Tab and arrows are.
        if (!TransferCurrentCell()) return;
        m_deferredClick = {nFlags, pt, bDouble};
        postDeferred(Deferred::Click);
        return;
    }
    if (!bOnEdited) m_pGridWnd->SetFocus();
    // A FALSE answer from the overridable means the click was dealt with there.
    bool bGo = bDouble ? OnLButtonDblClkRowCol(nRow, nCol, nFlags, pt)
                       : OnLButtonClickedRowCol(nRow, nCol, nFlags, pt);
    if (!bGo || bOnEdited) return;
    if (hit == GX_HEADERHIT) {
        if (m_layout.cols.isHeader(nCol) && nRow >= firstDataRow()) clickRowHeader(nRow, nFlags);
        return;
    }
    bool bWasCurrent = IsCurrentCell(nRow, nCol);
    setSelectedRows({}, false);
    if (!moveByUser(nRow, nCol)) return;
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style);
    bool bChoice = style.GetControl() == GX_IDS_CTRL_CBS_DROPDOWNLIST;
    CRect cell = CalcRectFromRowCol(nRow, nCol);
    bool bOnButton = bChoice && bWasCurrent && pt.x >= cell.right - 16;
    if (bDouble || bOnButton) startEditing(nullptr, bOnButton);
}

void CGXGridCore::clickRowHeader(ROWCOL nRow, UINT nFlags) {
    std::set<ROWCOL> rows;
    if ((nFlags & MK_CONTROL) && !(nFlags & MK_SHIFT)) {
        rows = m_selectedRows;
        if (!rows.erase(nRow)) rows.insert(nRow);
        m_nSelAnchor = nRow;
    } else if ((nFlags & MK_SHIFT) && m_nSelAnchor != GX_INVALID) {
        if (nFlags & MK_CONTROL) rows = m_selectedRows;
        for (ROWCOL r = std::min(nRow, m_nSelAnchor); r <= std::max(nRow, m_nSelAnchor); ++r)
            rows.insert(r);
    } else {
        rows.insert(nRow);
        m_nSelAnchor = nRow;
    }
    setSelectedRows(std::move(rows), false);
}

void CGXGridCore::setSelectedRows(std::set<ROWCOL> rows, bool bKey) {
    if (rows == m_selectedRows) return;
    m_selectedRows = std::move(rows);
    CGXRange changed;
    if (!m_selectedRows.empty()) changed.SetRows(*m_selectedRows.begin(), *m_selectedRows.rbegin());
    OnChangedSelection(&changed, FALSE, bKey);
    notifyParent(WM_GX_SELCHANGED);
    Redraw(GX_INVALIDATE);
}

void CGXGridCore::SelectRange(const CGXRange& range, BOOL bSelect, BOOL bUpdate) {
    if (!range.IsRows() && !range.IsTable())
        AfxNotSupported("selecting cells or columns (the grid selects whole rows)");
    CGXRange rows(range);
    rows.ExpandRange(firstDataRow(), 0, GetRowCount(), GetColCount());
    if (!rows.IsValid()) return;
    for (ROWCOL r = rows.top; r <= rows.bottom; ++r) {
        if (bSelect)
            m_selectedRows.insert(r);
        else
            m_selectedRows.erase(r);
    }
    OnChangedSelection(&rows, FALSE, FALSE);
    if (bUpdate) Redraw(GX_INVALIDATE);
}

ROWCOL CGXGridCore::GetSelectedRows(CRowColArray& awRows, BOOL, BOOL bCanUseCurrentCell) {
    // Only whole rows are ever selected, so bRangeRowsOnly changes nothing.
    awRows.RemoveAll();
    for (ROWCOL r : m_selectedRows) awRows.Add(r);
    if (awRows.IsEmpty() && bCanUseCurrentCell && m_nCurRow != GX_INVALID) awRows.Add(m_nCurRow);
    return static_cast<ROWCOL>(awRows.GetSize());
}

void CGXGridCore::EnableGridToolTips(BOOL bEnable) {
    m_bToolTips = bEnable != FALSE;
    if (m_pGridWnd && m_pGridWnd->GetSafeHwnd()) m_pGridWnd->EnableToolTips(bEnable);
}

INT_PTR CGXGridCore::GridToolHitTest(CPoint point, TOOLINFOW* pTI) {
    ROWCOL nRow = 0, nCol = 0;
    if (!m_bToolTips || HitTest(point, &nRow, &nCol) == GX_NOHIT) return -1;
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style);
    if (style.GetUserAttribute(GX_IDS_UA_TOOLTIPTEXT).GetValue().IsEmpty()) return -1;
    // The tool tip control copies the text when the tool is added; the member keeps it alive
    // until then.
    m_strToolTip = style.GetUserAttribute(GX_IDS_UA_TOOLTIPTEXT).GetValue();
    INT_PTR nHit = static_cast<INT_PTR>((nRow << 16) | (nCol & 0xFFFF)) + 1;
    if (pTI) {
        pTI->hwnd = m_pGridWnd->GetSafeHwnd();
        pTI->uId = static_cast<UINT_PTR>(nHit);
        pTI->rect = CalcRectFromRowCol(nRow, nCol);
        pTI->lpszText = const_cast<LPWSTR>(m_strToolTip.GetString());
    }
    return nHit;
}

BOOL CGXGridCore::OnLButtonClickedRowCol(ROWCOL, ROWCOL, UINT, CPoint) {
    return TRUE;
}

BOOL CGXGridCore::OnLButtonDblClkRowCol(ROWCOL, ROWCOL, UINT, CPoint) {
    return TRUE;
}

void CGXGridCore::OnChangedSelection(const CGXRange*, BOOL, BOOL) {}
