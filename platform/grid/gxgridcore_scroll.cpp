// Scrolling. The scroll bars are drawn and hit-tested by the grid itself, inside its client
// area: differs from Windows, where they are the window's non-client scroll bars.
#include <algorithm>

#include "grid/gxgridcore.h"

namespace {

gxgrid::Axis& axisOf(gxgrid::Layout& layout, int nBar) {
    return nBar == SB_VERT ? layout.rows : layout.cols;
}

// The two arrow buttons and the thumb of a scroll bar, along its length.
struct BarParts {
    CRect lessButton, moreButton, thumb;
};

void drawArrowButton(CDC* pDC, const CRect& button, int dx, int dy) {
    CRect face(button);
    pDC->FillSolidRect(&face, ::GetSysColor(COLOR_3DFACE));
    pDC->DrawEdge(&face, EDGE_RAISED, BF_RECT);
    CPoint c = button.CenterPoint();
    for (int i = 0; i < 4; ++i) {
        int along = i - 2;  // from the tip backwards
        if (dy)
            pDC->FillSolidRect(c.x - i, c.y - along * dy, 2 * i + 1, 1, RGB(0, 0, 0));
        else
            pDC->FillSolidRect(c.x - along * dx, c.y - i, 1, 2 * i + 1, RGB(0, 0, 0));
    }
}

}  // namespace

bool CGXGridCore::needsScrollBar(int nBar) {
    if (!m_pGridWnd || !m_pGridWnd->GetSafeHwnd()) return false;
    CRect client;
    m_pGridWnd->GetClientRect(&client);
    const gxgrid::Axis& rows = m_layout.rows;
    const gxgrid::Axis& cols = m_layout.cols;
    int cx = ::GetSystemMetrics(SM_CXVSCROLL), cy = ::GetSystemMetrics(SM_CYHSCROLL);
    bool bVert = rows.exceeds(GetRowCount(), client.Height());
    bool bHorz = cols.exceeds(GetColCount(), client.Width() - (bVert ? cx : 0));
    if (bHorz && !bVert) bVert = rows.exceeds(GetRowCount(), client.Height() - cy);
    return nBar == SB_VERT ? bVert : bHorz;
}

CRect CGXGridCore::cellArea() {
    CRect client;
    if (!m_pGridWnd || !m_pGridWnd->GetSafeHwnd()) return client;
    m_pGridWnd->GetClientRect(&client);
    if (needsScrollBar(SB_VERT)) client.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (needsScrollBar(SB_HORZ)) client.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    return client;
}

CRect CGXGridCore::scrollBarRect(int nBar) {
    CRect area = cellArea();
    if (nBar == SB_VERT)
        return CRect(area.right, area.top, area.right + ::GetSystemMetrics(SM_CXVSCROLL),
                     area.bottom);
    return CRect(area.left, area.bottom, area.right,
                 area.bottom + ::GetSystemMetrics(SM_CYHSCROLL));
}

void CGXGridCore::drawScrollBar(CDC* pDC, int nBar) {
    CRect bar = scrollBarRect(nBar);
    pDC->FillSolidRect(&bar, ::GetSysColor(COLOR_SCROLLBAR));
    bool bVert = nBar == SB_VERT;
    int button = bVert ? bar.Width() : bar.Height();
    CRect less = bVert ? CRect(bar.left, bar.top, bar.right, bar.top + button)
                       : CRect(bar.left, bar.top, bar.left + button, bar.bottom);
    CRect more = bVert ? CRect(bar.left, bar.bottom - button, bar.right, bar.bottom)
                       : CRect(bar.right - button, bar.top, bar.right, bar.bottom);
    drawArrowButton(pDC, less, bVert ? 0 : -1, bVert ? -1 : 0);
    drawArrowButton(pDC, more, bVert ? 0 : 1, bVert ? 1 : 0);
    // The thumb: its length is the shown share of the scrolling rows (or columns), its place
    // the share scrolled away.
    gxgrid::Axis& axis = axisOf(m_layout, nBar);
    ROWCOL last = bVert ? GetRowCount() : GetColCount();
    CRect area = cellArea();
    ROWCOL lastShown = axis.lastFull(bVert ? area.bottom : area.right, last);
    double total = std::max<double>(1, last - axis.frozen);
    double shown = std::max<double>(1, lastShown + 1 - axis.first);
    int track = (bVert ? bar.Height() : bar.Width()) - 2 * button;
    int length = std::max(8, static_cast<int>(track * std::min(1.0, shown / total)));
    int offset = static_cast<int>((track - length) * (axis.first - axis.firstScrolling()) /
                                  std::max(1.0, total - shown));
    offset = std::clamp(offset, 0, std::max(0, track - length));
    CRect thumb =
        bVert ? CRect(bar.left, less.bottom + offset, bar.right, less.bottom + offset + length)
              : CRect(less.right + offset, bar.top, less.right + offset + length, bar.bottom);
    pDC->FillSolidRect(&thumb, ::GetSysColor(COLOR_3DFACE));
    pDC->DrawEdge(&thumb, EDGE_RAISED, BF_RECT);
}

void CGXGridCore::onScrollBarClick(int nBar, CPoint pt) {
    CRect bar = scrollBarRect(nBar);
    bool bVert = nBar == SB_VERT;
    int button = bVert ? bar.Width() : bar.Height();
    int along = bVert ? pt.y - bar.top : pt.x - bar.left;
    int length = bVert ? bar.Height() : bar.Width();
    if (along < button)
        onScroll(nBar, SB_LINEUP);
    else if (along >= length - button)
        onScroll(nBar, SB_LINEDOWN);
    else
        onScroll(nBar, along < length / 2 ? SB_PAGEUP : SB_PAGEDOWN);
}

void CGXGridCore::onScroll(int nBar, UINT nCode, int nPos) {
    gxgrid::Axis& axis = axisOf(m_layout, nBar);
    ROWCOL last = nBar == SB_VERT ? GetRowCount() : GetColCount();
    CRect area = cellArea();
    ROWCOL page = std::max<ROWCOL>(
        1, axis.lastFull(nBar == SB_VERT ? area.bottom : area.right, last) + 1 - axis.first);
    ROWCOL first = axis.first;
    switch (nCode) {
        case SB_LINEUP:
            first = first > axis.firstScrolling() ? first - 1 : first;
            break;
        case SB_LINEDOWN:
            first += 1;
            break;
        case SB_PAGEUP:
            first = first > page ? first - page : 0;
            break;
        case SB_PAGEDOWN:
            first += page;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            first = axis.firstScrolling() + static_cast<ROWCOL>(std::max(nPos, 0));
            break;
        case SB_TOP:
            first = 0;
            break;
        case SB_BOTTOM:
            first = last;
            break;
        default:
            return;
    }
    scrollTo(nBar, first, GX_UPDATENOW);
}

// Scrolls so that nFirst is the first scrolling row (or column) shown, as far as there is
// content below it to fill the window.
BOOL CGXGridCore::scrollTo(int nBar, ROWCOL nFirst, UINT flags) {
    gxgrid::Axis& axis = axisOf(m_layout, nBar);
    ROWCOL last = nBar == SB_VERT ? GetRowCount() : GetColCount();
    CRect area = cellArea();
    int room = (nBar == SB_VERT ? area.Height() : area.Width()) - axis.frozenExtent();
    ROWCOL maxFirst = last;
    for (int used = axis.size(last); maxFirst > axis.firstScrolling(); --maxFirst) {
        used += axis.size(maxFirst - 1);
        if (used > room) break;
    }
    ROWCOL first =
        std::clamp(nFirst, axis.firstScrolling(), std::max(axis.firstScrolling(), maxFirst));
    if (first == axis.first) return TRUE;
    // The editor does not follow its cell: an edit ends before the grid scrolls.
    if (IsActiveCurrentCell() && !TransferCurrentCell()) return FALSE;
    axis.first = first;
    changed(flags);
    return TRUE;
}

BOOL CGXGridCore::SetTopRow(ROWCOL nRow, UINT flags) {
    return scrollTo(SB_VERT, nRow, flags);
}

BOOL CGXGridCore::SetLeftCol(ROWCOL nCol, UINT flags) {
    return scrollTo(SB_HORZ, nCol, flags);
}

BOOL CGXGridCore::ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags) {
    CRect area = cellArea();
    auto bringIn = [this, flags](int nBar, ROWCOL n, ROWCOL last, int extent) {
        gxgrid::Axis& axis = axisOf(m_layout, nBar);
        if (n < axis.firstScrolling() || n > last) return;
        ROWCOL first = std::min(axis.first, n);
        while (first < n && axis.frozenExtent() + axis.span(first, n) > extent) ++first;
        scrollTo(nBar, first, flags);
    };
    bringIn(SB_VERT, nRow, GetRowCount(), area.Height());
    bringIn(SB_HORZ, nCol, GetColCount(), area.Width());
    return TRUE;
}
