// The current cell and editing in place: typing starts an edit with the typed character, F2,
// Enter or a double click starts one with the cell's text; Enter ends it, Tab, Shift+Tab and
// the arrows end it and move, Escape drops it. An edit that changed the value, once validated,
// is stored and posted to the parent as WM_GX_ENDEDITING.
#include <algorithm>

#include "grid/gxgridcore.h"

BOOL CGXGridCore::SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags) {
    if (!isDataCell(nRow, nCol)) return FALSE;
    if (IsCurrentCell(nRow, nCol)) return TRUE;
    if (IsActiveCurrentCell() && !TransferCurrentCell()) return FALSE;
    CGXRange previous(m_nCurRow, m_nCurCol);
    bool bHadCell = m_nCurRow != GX_INVALID;
    m_nCurRow = nRow;
    m_nCurCol = nCol;
    if (flags & GX_SCROLLINVIEW) ScrollCellInView(nRow, nCol, flags & ~GX_SCROLLINVIEW);
    OnMovedCurrentCell(nRow, nCol);
    if (bHadCell) RedrawRowCol(previous, GX_INVALIDATE);
    RedrawRowCol(CGXRange(nRow, nCol), flags & ~GX_SCROLLINVIEW);
    return TRUE;
}

BOOL CGXGridCore::GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) {
    return GetCurrentCell(&nRow, &nCol);
}

BOOL CGXGridCore::GetCurrentCell(ROWCOL* pnRow, ROWCOL* pnCol) {
    if (m_nCurRow == GX_INVALID) return FALSE;
    if (pnRow) *pnRow = m_nCurRow;
    if (pnCol) *pnCol = m_nCurCol;
    return TRUE;
}

BOOL CGXGridCore::IsCurrentCell(ROWCOL nRow, ROWCOL nCol) {
    return m_nCurRow != GX_INVALID && m_nCurRow == nRow && m_nCurCol == nCol;
}

bool CGXGridCore::isEditable(ROWCOL nRow, ROWCOL nCol) {
    if (m_bReadOnly || !isDataCell(nRow, nCol)) return false;
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style);
    WORD control = style.GetControl();
    return !style.GetReadOnly() && control != GX_IDS_CTRL_STATIC && control != GX_IDS_CTRL_HEADER;
}

bool CGXGridCore::startEditing(const CString* pTyped, bool bDropDown) {
    ROWCOL nRow = m_nCurRow, nCol = m_nCurCol;
    if (nRow == GX_INVALID || !isEditable(nRow, nCol) || !OnStartEditing(nRow, nCol)) return false;
    if (!m_pControl) OnGridInitialUpdate();
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style);
    bool bChoice = style.GetControl() == GX_IDS_CTRL_CBS_DROPDOWNLIST;
    // A choice list is not typed into: a key opens it on the current value instead.
    CString text = pTyped && !bChoice ? *pTyped : style.GetValue();
    ScrollCellInView(nRow, nCol, GX_INVALIDATE);
    CRect rect = CalcRectFromRowCol(nRow, nCol);
    rect.DeflateRect(0, 0, 1, 1);
    m_pControl->Activate(nRow, nCol, rect, style, text, bDropDown || (pTyped && bChoice));
    return true;
}

BOOL CGXGridCore::TransferCurrentCell(BOOL bSaveAndValidate, UINT flags, BOOL) {
    if (!IsActiveCurrentCell()) return TRUE;
    if (!bSaveAndValidate) {
        cancelEditing();
        return TRUE;
    }
    return storeEdit(true, flags);
}

// With bFocus the grid takes the focus back from the editor (and gives it to the editor again
// when the value is refused); without, the focus is on its way elsewhere and stays so.
BOOL CGXGridCore::storeEdit(bool bFocus, UINT flags) {
    ROWCOL nRow = m_pControl->GetRow(), nCol = m_pControl->GetCol();
    bool bModified = m_pControl->GetModify();
    if ((bModified && !OnValidateCell(nRow, nCol)) || !OnEndEditing(nRow, nCol)) {
        // The edit stays open on the refused text.
        ::MessageBeep(MB_ICONEXCLAMATION);
        if (bFocus) ::SetFocus(m_pControl->GetActiveWindow());
        return FALSE;
    }
    CString text;
    m_pControl->GetCurrentText(text);
    if (bFocus) m_pGridWnd->SetFocus();
    m_pControl->Deactivate();
    if (bModified) SetValueRange(CGXRange(nRow, nCol), text, gxOverride, 0, GX_INVALIDATE);
    RedrawRowCol(CGXRange(nRow, nCol), flags);
    if (bModified) notifyParent(WM_GX_ENDEDITING);
    return TRUE;
}

// A click on another control of the dialog (its OK button, say) keeps what was typed.
void CGXGridCore::editorLostFocus(HWND hWndNew) {
    HWND hGrid = m_pGridWnd->GetSafeHwnd();
    if (!IsActiveCurrentCell() || hWndNew == hGrid || ::IsChild(hGrid, hWndNew)) return;
    storeEdit(false, GX_INVALIDATE);
}

void CGXGridCore::cancelEditing() {
    if (!IsActiveCurrentCell()) return;
    ROWCOL nRow = m_pControl->GetRow(), nCol = m_pControl->GetCol();
    if (::GetFocus() == m_pControl->GetActiveWindow()) m_pGridWnd->SetFocus();
    m_pControl->Deactivate();
    OnCanceledEditing(nRow, nCol);
    RedrawRowCol(CGXRange(nRow, nCol), GX_UPDATENOW);
}

bool CGXGridCore::moveByUser(ROWCOL nRow, ROWCOL nCol) {
    if (IsCurrentCell(nRow, nCol)) return true;
    if (!SetCurrentCell(nRow, nCol)) return false;
    notifyParent(WM_GX_SELCHANGED);
    return true;
}

// Arrows stop at the edges; Tab runs on into the next row, Shift+Tab into the previous one.
bool CGXGridCore::moveCurrentCell(int dRow, int dCol) {
    if (m_nCurRow == GX_INVALID) return moveByUser(firstDataRow(), firstDataCol());
    long long row = m_nCurRow + dRow, col = m_nCurCol + dCol;
    long long firstCol = firstDataCol(), lastCol = GetColCount();
    if (dCol != 0 && col > lastCol && row < GetRowCount()) row += 1, col = firstCol;
    if (dCol != 0 && col < firstCol && row > firstDataRow()) row -= 1, col = lastCol;
    row = std::clamp<long long>(row, firstDataRow(), GetRowCount());
    col = std::clamp<long long>(col, firstCol, lastCol);
    return moveByUser(static_cast<ROWCOL>(row), static_cast<ROWCOL>(col));
}

// After an edit the move waits in the queue behind the parent's WM_GX_ENDEDITING, so the
// parent still finds the edited cell current when it asks.
bool CGXGridCore::commitAndMove(Deferred move) {
    if (!IsActiveCurrentCell()) {
        runDeferred(move);
        return true;
    }
    if (!TransferCurrentCell()) return false;
    postDeferred(move);
    return true;
}

void CGXGridCore::runDeferred(Deferred action) {
    switch (action) {
        case Deferred::Commit:
            TransferCurrentCell();
            break;
        case Deferred::MoveUp:
            moveCurrentCell(-1, 0);
            break;
        case Deferred::MoveDown:
            moveCurrentCell(1, 0);
            break;
        case Deferred::MoveLeft:
            moveCurrentCell(0, -1);
            break;
        case Deferred::MoveRight:
            moveCurrentCell(0, 1);
            break;
        case Deferred::Click:
            onLButtonDown(m_deferredClick.nFlags, m_deferredClick.pt, m_deferredClick.bDouble);
            break;
    }
}

BOOL CGXGridCore::ProcessKeys(CWnd*, UINT nMessage, UINT nChar, UINT, UINT) {
    bool bEditing = IsActiveCurrentCell();
    if (nMessage == WM_CHAR) {
        if (nChar == L'\r' || nChar == L'\t' || nChar == 0x1B) return TRUE;
        if (bEditing || nChar < L' ') return FALSE;
        CString typed(static_cast<wchar_t>(nChar));
        return startEditing(&typed, false);
    }
    if (nMessage != WM_KEYDOWN) return FALSE;
    bool bShift = ::GetKeyState(VK_SHIFT) < 0;
    bool bInEdit = bEditing && !m_pControl->IsChoiceList();
    switch (nChar) {
        case VK_RETURN:
            if (bEditing)
                TransferCurrentCell();
            else
                startEditing(nullptr, false);
            return TRUE;
        case VK_ESCAPE:
            if (!bEditing || m_pControl->IsDroppedDown()) return FALSE;
            cancelEditing();
            return TRUE;
        case VK_F2:
            return bEditing || startEditing(nullptr, false);
        case VK_F4:
            return bEditing || startEditing(nullptr, true);
        case VK_TAB:
            commitAndMove(bShift ? Deferred::MoveLeft : Deferred::MoveRight);
            return TRUE;
        case VK_UP:
        case VK_DOWN:
            if (bEditing && m_pControl->IsChoiceList()) return FALSE;
            commitAndMove(nChar == VK_UP ? Deferred::MoveUp : Deferred::MoveDown);
            return TRUE;
        case VK_LEFT:
        case VK_RIGHT:
            if (bInEdit) return FALSE;
            commitAndMove(nChar == VK_LEFT ? Deferred::MoveLeft : Deferred::MoveRight);
            return TRUE;
        case VK_PRIOR:
        case VK_NEXT:
            onScroll(SB_VERT, nChar == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN);
            return TRUE;
        default:
            return FALSE;
    }
}

BOOL CGXGridCore::OnStartEditing(ROWCOL, ROWCOL) {
    return TRUE;
}

BOOL CGXGridCore::OnValidateCell(ROWCOL, ROWCOL) {
    return TRUE;
}

BOOL CGXGridCore::OnEndEditing(ROWCOL, ROWCOL) {
    return TRUE;
}

void CGXGridCore::OnModifyCell(ROWCOL, ROWCOL) {}

void CGXGridCore::OnCanceledEditing(ROWCOL, ROWCOL) {}

void CGXGridCore::OnMovedCurrentCell(ROWCOL, ROWCOL) {}
