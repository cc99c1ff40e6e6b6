// Coordinates, sizes, styles, values, rows and columns, the update lock and the messages of
// the grid window.
#include "grid/gxgridcore.h"

#include <algorithm>

#include "afx/paintdc.h"
#include "user/controls/wincontrols.h"
#include "win/diagnostics.h"

namespace {

void requireDo(GXCmdType ctCmd) {
    if (ctCmd != gxDo) AfxNotSupported("grid undo and redo (the grid keeps no history)");
}

// Styles are kept per cell (and per column through ranges of columns) only.
void requireCellStyle(int nType) {
    if (nType != 0) AfxNotSupported("grid style types other than cell styles");
}

// The style every cell starts from: titles are centred 3-D headers, other cells edit fields.
CGXStyle standardStyle(bool bHeader) {
    CGXStyle style;
    style.SetTextColor(RGB(0, 0, 0));
    if (bHeader)
        style.SetControl(GX_IDS_CTRL_HEADER).SetHorizontalAlignment(DT_CENTER).SetReadOnly(TRUE);
    else
        style.SetControl(GX_IDS_CTRL_EDIT).SetHorizontalAlignment(DT_LEFT).SetReadOnly(FALSE);
    return style;
}

// A row or column number after `count` entries from `from` on were inserted (count > 0) or
// removed from..from-count-1 (count < 0); GX_INVALID when it was removed.
ROWCOL shifted(ROWCOL n, ROWCOL from, long long count) {
    if (n == GX_INVALID || n < from) return n;
    if (count < 0 && n < from - count) return GX_INVALID;
    return static_cast<ROWCOL>(n + count);
}

}  // namespace

CGXGridCore::CGXGridCore(CWnd* pGridWnd, CDocument* pGridDoc, BOOL bIsViewContext)
    : m_pOwnedParam(std::make_unique<CGXGridParam>()) {
    m_pParam = m_pOwnedParam.get();
    SetGridWnd(pGridWnd, pGridDoc, bIsViewContext);
}

CGXGridCore::~CGXGridCore() = default;

void CGXGridCore::SetGridWnd(CWnd* pGridWnd, CDocument*, BOOL) {
    m_pGridWnd = pGridWnd;
}

void CGXGridCore::OnGridInitialUpdate() {
    ASSERT(m_pGridWnd && m_pGridWnd->GetSafeHwnd());
    if (!m_hFont) {
        HWND parent = ::GetParent(m_pGridWnd->GetSafeHwnd());
        if (parent) m_hFont = reinterpret_cast<HFONT>(::SendMessageW(parent, WM_GETFONT, 0, 0));
    }
    if (!m_pControl) m_pControl = std::make_unique<CGXControl>(this);
}

void CGXGridCore::SetParam(CGXGridParam* pParam, BOOL bMustDelete) {
    ASSERT(pParam);
    m_pOwnedParam.reset(bMustDelete ? pParam : nullptr);
    m_pParam = pParam;
    keepStateInside();
}

BOOL CGXGridCore::SetRowCount(ROWCOL nRows, UINT flags) {
    if (IsActiveCurrentCell() && m_nCurRow > nRows) cancelEditing();
    data()->StoreRowCount(nRows);
    keepStateInside();
    changed(flags);
    return TRUE;
}

BOOL CGXGridCore::SetColCount(ROWCOL nCols, UINT flags) {
    if (IsActiveCurrentCell() && m_nCurCol > nCols) cancelEditing();
    data()->StoreColCount(nCols);
    keepStateInside();
    changed(flags);
    return TRUE;
}

ROWCOL CGXGridCore::GetRowCount() {
    return data()->GetRowCount();
}

ROWCOL CGXGridCore::GetColCount() {
    return data()->GetColCount();
}

BOOL CGXGridCore::SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows, UINT flags) {
    return setFrozen(m_layout.rows, nFrozenRows, nHeaderRows, flags);
}

BOOL CGXGridCore::SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols, UINT flags) {
    return setFrozen(m_layout.cols, nFrozenCols, nHeaderCols, flags);
}

BOOL CGXGridCore::setFrozen(gxgrid::Axis& axis, ROWCOL nFrozen, ROWCOL nHeaders, UINT flags) {
    if (nHeaders > nFrozen) return FALSE;
    axis.frozen = nFrozen;
    axis.headers = nHeaders;
    keepStateInside();
    changed(flags);
    return TRUE;
}

BOOL CGXGridCore::SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, int* anWidthArray,
                              UINT flags, GXCmdType ctCmd) {
    return setSizes(m_layout.cols, nFromCol, nToCol, nWidth, anWidthArray, flags, ctCmd);
}

int CGXGridCore::GetColWidth(ROWCOL nCol) {
    return m_layout.cols.size(nCol);
}

BOOL CGXGridCore::SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, int* anHeightArray,
                               UINT flags, GXCmdType ctCmd) {
    return setSizes(m_layout.rows, nFromRow, nToRow, nHeight, anHeightArray, flags, ctCmd);
}

// Rows and columns are sized alike: each takes its own entry of the array when one is given.
BOOL CGXGridCore::setSizes(gxgrid::Axis& axis, ROWCOL nFrom, ROWCOL nTo, int nSize,
                           const int* anSizes, UINT flags, GXCmdType ctCmd) {
    requireDo(ctCmd);
    if (nFrom > nTo) return FALSE;
    for (ROWCOL n = nFrom; n <= nTo; ++n) axis.setSize(n, anSizes ? anSizes[n - nFrom] : nSize);
    changed(flags);
    return TRUE;
}

int CGXGridCore::GetRowHeight(ROWCOL nRow) {
    return m_layout.rows.size(nRow);
}

// The grid has no covered (merged) cells, so bResizeCoveredCells changes nothing.
BOOL CGXGridCore::ResizeColWidthsToFit(const CGXRange& range, BOOL, UINT nFlags) {
    CGXRange cells(range);
    cells.ExpandRange(0, 0, GetRowCount(), GetColCount());
    if (!cells.IsValid()) return FALSE;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, font());
    for (ROWCOL c = cells.left; c <= cells.right; ++c) {
        int widest = 0;
        for (ROWCOL r = cells.top; r <= cells.bottom; ++r) {
            CString text = GetValueRowCol(r, c);
            RECT box{0, 0, 0, 0};
            if (!text.IsEmpty()) ::DrawTextW(dc, text, -1, &box, DT_CALCRECT | DT_NOPREFIX);
            widest = std::max(widest, int(box.right));
        }
        m_layout.cols.setSize(c, widest + 8);
    }
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    changed(nFlags);
    return TRUE;
}

BOOL CGXGridCore::SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt,
                                int nType, UINT flags, GXCmdType ctCmd) {
    requireDo(ctCmd);
    if (range.IsCols() || range.IsTable()) {
        CGXRange cols(range);
        cols.ExpandRange(0, 0, GetRowCount(), GetColCount());
        if (!cols.IsValid()) return FALSE;
        for (ROWCOL c = cols.left; c <= cols.right; ++c) data()->StoreColBaseStyle(c, style, mt);
        changed(flags);
        return TRUE;
    }
    CGXRange cells(range);
    cells.ExpandRange(0, 0, GetRowCount(), GetColCount());
    if (!cells.IsValid()) return FALSE;
    BOOL bStored = TRUE;
    for (ROWCOL r = cells.top; r <= cells.bottom; ++r)
        for (ROWCOL c = cells.left; c <= cells.right; ++c)
            bStored = StoreStyleRowCol(r, c, &style, mt, nType) && bStored;
    if (flags & (GX_UPDATENOW | GX_INVALIDATE)) RedrawRowCol(cells, flags);
    return bStored;
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, LPCTSTR str, GXModifyType mt, int nType,
                                UINT flags, GXCmdType ctCmd) {
    return SetStyleRange(range, CGXStyle().SetValue(str), mt, nType, flags, ctCmd);
}

BOOL CGXGridCore::SetValueRange(const CGXRange& range, double d, GXModifyType mt, int nType,
                                UINT flags, GXCmdType ctCmd) {
    return SetStyleRange(range, CGXStyle().SetValue(d), mt, nType, flags, ctCmd);
}

CString CGXGridCore::GetValueRowCol(ROWCOL nRow, ROWCOL nCol) {
    CGXStyle style;
    GetStyleRowCol(nRow, nCol, style);
    return style.GetValue();
}

BOOL CGXGridCore::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle) {
    if (!pStyle || nRow > GetRowCount() || nCol > GetColCount()) return FALSE;
    bool bHeader = m_layout.rows.isHeader(nRow) || m_layout.cols.isHeader(nCol);
    *pStyle = standardStyle(bHeader);
    if (!bHeader) pStyle->ChangeStyle(data()->GetColBaseStyle(nCol), gxOverride);
    return GetStyleRowCol(nRow, nCol, *pStyle, gxOverride);
}

BOOL CGXGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt,
                                 int nType) {
    requireCellStyle(nType);
    return data()->GetStyleRowCol(nRow, nCol, style, mt);
}

BOOL CGXGridCore::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                                   GXModifyType mt, int nType) {
    requireCellStyle(nType);
    return data()->StoreStyleRowCol(nRow, nCol, pStyle, mt);
}

BOOL CGXGridCore::InsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags, GXCmdType ctCmd) {
    requireDo(ctCmd);
    if (nCount == 0 || !data()->StoreInsertRows(nRow, nCount)) return FALSE;
    m_layout.rows.insert(nRow, nCount);
    std::set<ROWCOL> rows;
    for (ROWCOL r : m_selectedRows) rows.insert(shifted(r, nRow, nCount));
    m_selectedRows = std::move(rows);
    m_nSelAnchor = shifted(m_nSelAnchor, nRow, nCount);
    if (m_nCurRow != GX_INVALID && m_nCurRow >= nRow) {
        if (IsActiveCurrentCell()) cancelEditing();
        m_nCurRow += nCount;
    }
    changed(flags);
    return TRUE;
}

BOOL CGXGridCore::RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags, GXCmdType ctCmd) {
    requireDo(ctCmd);
    if (nFromRow > nToRow || nToRow > GetRowCount()) return FALSE;
    if (IsActiveCurrentCell() && m_nCurRow >= nFromRow) cancelEditing();
    data()->StoreRemoveRows(nFromRow, nToRow);
    m_layout.rows.remove(nFromRow, nToRow);
    long long removed = -static_cast<long long>(nToRow - nFromRow + 1);
    std::set<ROWCOL> rows;
    for (ROWCOL r : m_selectedRows)
        if (ROWCOL moved = shifted(r, nFromRow, removed); moved != GX_INVALID) rows.insert(moved);
    m_selectedRows = std::move(rows);
    m_nSelAnchor = shifted(m_nSelAnchor, nFromRow, removed);
    if (m_nCurRow != GX_INVALID && m_nCurRow >= nFromRow)
        m_nCurRow = m_nCurRow > nToRow ? static_cast<ROWCOL>(m_nCurRow + removed) : nFromRow;
    keepStateInside();
    changed(flags);
    return TRUE;
}

BOOL CGXGridCore::InsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags, GXCmdType ctCmd) {
    requireDo(ctCmd);
    if (nCount == 0 || !data()->StoreInsertCols(nCol, nCount)) return FALSE;
    if (IsActiveCurrentCell()) cancelEditing();
    m_layout.cols.insert(nCol, nCount);
    m_nCurCol = shifted(m_nCurCol, nCol, nCount);
    changed(flags);
    return TRUE;
}

BOOL CGXGridCore::RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags, GXCmdType ctCmd) {
    requireDo(ctCmd);
    if (nFromCol > nToCol || nToCol > GetColCount()) return FALSE;
    if (IsActiveCurrentCell()) cancelEditing();
    data()->StoreRemoveCols(nFromCol, nToCol);
    m_layout.cols.remove(nFromCol, nToCol);
    if (m_nCurCol != GX_INVALID && m_nCurCol >= nFromCol)
        m_nCurCol = m_nCurCol > nToCol ? m_nCurCol - (nToCol - nFromCol + 1) : nFromCol;
    keepStateInside();
    changed(flags);
    return TRUE;
}

void CGXGridCore::Redraw(UINT flags, BOOL) {
    changed(flags | GX_INVALIDATE);
}

void CGXGridCore::RedrawRowCol(const CGXRange& range, UINT flags, BOOL) {
    if (IsLockUpdate() || !m_pGridWnd || !m_pGridWnd->GetSafeHwnd()) return;
    // A range whose corners are scrolled away may still show in between: all is redrawn then.
    CRect first = CalcRectFromRowCol(range.top, range.left);
    CRect last = CalcRectFromRowCol(range.bottom, range.right);
    CRect area = first | last;
    if (first.IsRectEmpty() || last.IsRectEmpty()) m_pGridWnd->GetClientRect(&area);
    m_pGridWnd->InvalidateRect(&area, FALSE);
    if (flags & GX_UPDATENOW) m_pGridWnd->UpdateWindow();
}

BOOL CGXGridCore::LockUpdate(BOOL bLock) {
    BOOL bWasLocked = IsLockUpdate();
    m_pParam->m_bLockUpdate = bLock ? 1 : 0;
    return bWasLocked;
}

bool CGXGridCore::isDataCell(ROWCOL nRow, ROWCOL nCol) {
    return nRow >= firstDataRow() && nRow <= GetRowCount() && nCol >= firstDataCol() &&
           nCol <= GetColCount();
}

// Every change of content or layout ends here: nothing reaches the screen while locked.
void CGXGridCore::changed(UINT flags) {
    if (IsLockUpdate() || !m_pGridWnd || !m_pGridWnd->GetSafeHwnd()) return;
    if (!(flags & (GX_UPDATENOW | GX_INVALIDATE | GX_SMART))) return;
    m_pGridWnd->Invalidate(FALSE);
    if (flags & GX_UPDATENOW) m_pGridWnd->UpdateWindow();
}

// After rows or columns went away, the current cell, the selection and the scroll position
// stay on cells that exist.
void CGXGridCore::keepStateInside() {
    ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    if (m_nCurRow != GX_INVALID) {
        bool bNoData = nRows < firstDataRow() || nCols < firstDataCol();
        m_nCurRow = bNoData ? GX_INVALID : std::min(m_nCurRow, nRows);
        m_nCurCol = bNoData ? GX_INVALID : std::min(m_nCurCol, nCols);
    }
    std::erase_if(m_selectedRows, [nRows](ROWCOL r) { return r > nRows; });
    auto clampFirst = [](gxgrid::Axis& axis, ROWCOL last) {
        axis.first =
            std::clamp(axis.first, axis.firstScrolling(), std::max(axis.firstScrolling(), last));
    };
    clampFirst(m_layout.rows, nRows);
    clampFirst(m_layout.cols, nCols);
}

UINT CGXGridCore::deferredMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"GXGridDeferredAction");
    return message;
}

void CGXGridCore::postDeferred(Deferred action) {
    ::PostMessageW(m_pGridWnd->GetSafeHwnd(), deferredMessage(), static_cast<WPARAM>(action), 0);
}

void CGXGridCore::notifyParent(UINT message) {
    HWND hWnd = m_pGridWnd ? m_pGridWnd->GetSafeHwnd() : nullptr;
    HWND hParent = hWnd ? ::GetParent(hWnd) : nullptr;
    if (hParent)
        ::PostMessageW(hParent, message, static_cast<WPARAM>(::GetDlgCtrlID(hWnd)),
                       reinterpret_cast<LPARAM>(hWnd));
}

BOOL CGXGridCore::ProcessGridMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT result = 0;
    switch (message) {
        case WM_PAINT: {
            CPaintDC dc(m_pGridWnd);
            if (!IsLockUpdate()) OnGridDraw(&dc);
            break;
        }
        case WM_ERASEBKGND:
            result = TRUE;  // every pixel of the client area is painted by OnGridDraw
            break;
        case WM_SETFONT:
            m_hFont = reinterpret_cast<HFONT>(wParam);
            break;
        case WM_GETFONT:
            result = reinterpret_cast<LRESULT>(font());
            break;
        case WM_GETDLGCODE:
            result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            onLButtonDown(UINT(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)),
                          message == WM_LBUTTONDBLCLK);
            break;
        case WM_KEYDOWN:
        case WM_CHAR:
            if (!ProcessKeys(m_pGridWnd, message, UINT(wParam), LOWORD(lParam), HIWORD(lParam)))
                return FALSE;
            break;
        case WM_VSCROLL:
        case WM_HSCROLL:
            onScroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam),
                     static_cast<short>(HIWORD(wParam)));
            break;
        case WM_MOUSEWHEEL: {
            int lines = -static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA * 3;
            ROWCOL top = GetTopRow();
            scrollTo(SB_VERT, lines < 0 && ROWCOL(-lines) > top ? 0 : ROWCOL(top + lines),
                     GX_UPDATENOW);
            break;
        }
        case WM_COMMAND:
            if (!IsActiveCurrentCell()) return FALSE;
            if (HIWORD(wParam) == EN_CHANGE) OnModifyCell(m_nCurRow, m_nCurCol);
            // The list is still closing when it reports the pick: the value is taken once the
            // combo box is done.
            if (HIWORD(wParam) == CBN_SELENDOK) postDeferred(Deferred::Commit);
            break;
        case WM_SIZE:
            keepStateInside();
            return FALSE;
        case WM_DESTROY:
            m_pControl.reset();
            return FALSE;
        default:
            if (message != deferredMessage()) return FALSE;
            runDeferred(static_cast<Deferred>(wParam));
            break;
    }
    if (pResult) *pResult = result;
    return TRUE;
}
