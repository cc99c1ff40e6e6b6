// Painting: title cells in the 3-D face colour with centred (multi-line) text, data cells with
// grid lines, aligned and clipped text, the selected rows highlighted, the current cell framed,
// and the scroll bars when the content is larger than the window.
#include <algorithm>

#include "grid/gxgridcore.h"

namespace {

constexpr COLORREF kGridLine = RGB(192, 192, 192);
constexpr int kTextMargin = 3;
constexpr int kButtonWidth = 15;

void fillSys(CDC* pDC, const CRect& rect, int nColor) {
    pDC->FillSolidRect(&rect, ::GetSysColor(nColor));
}

// The drop button of a choice-list cell: a raised face with a small black triangle.
void drawDropButton(CDC* pDC, CRect button) {
    fillSys(pDC, button, COLOR_3DFACE);
    pDC->DrawEdge(&button, EDGE_RAISED, BF_RECT);
    CPoint centre = button.CenterPoint();
    for (int i = 0; i < 4; ++i)
        pDC->FillSolidRect(centre.x - 3 + i, centre.y - 1 + i, 7 - 2 * i, 1, RGB(0, 0, 0));
}

}  // namespace

HFONT CGXGridCore::font() const {
    return m_hFont ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

CRect CGXGridCore::CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol) {
    int top = m_layout.rows.start(nRow, GetRowCount());
    int left = m_layout.cols.start(nCol, GetColCount());
    if (top < 0 || left < 0) return CRect();
    return CRect(left, top, left + GetColWidth(nCol), top + GetRowHeight(nRow));
}

void CGXGridCore::OnGridDraw(CDC* pDC) {
    CRect area = cellArea();
    CRect clip;
    ::GetClipBox(pDC->GetSafeHdc(), &clip);
    HGDIOBJ previousFont = ::SelectObject(pDC->GetSafeHdc(), font());
    pDC->SetBkMode(TRANSPARENT);
    CRect client;
    m_pGridWnd->GetClientRect(&client);
    if (client != area) fillSys(pDC, client, COLOR_3DFACE);  // the corner between scroll bars
    fillSys(pDC, area, COLOR_WINDOW);
    ROWCOL nRows = GetRowCount(), nCols = GetColCount();
    const auto& rows = m_layout.rows;
    const auto& cols = m_layout.cols;
    for (ROWCOL r = 0; r <= nRows; r = r == rows.frozen ? std::max(rows.first, r + 1) : r + 1) {
        int top = rows.start(r, nRows);
        if (top >= area.bottom) break;
        for (ROWCOL c = 0; c <= nCols; c = c == cols.frozen ? std::max(cols.first, c + 1) : c + 1) {
            int left = cols.start(c, nCols);
            if (left >= area.right) break;
            CRect cell(left, top, left + cols.size(c), top + rows.size(r));
            CRect shown = cell & area;
            if (!(shown & clip).IsRectEmpty()) drawCell(pDC, r, c, cell, area);
        }
    }
    drawCurrentFrame(pDC);
    for (int nBar : {SB_VERT, SB_HORZ})
        if (needsScrollBar(nBar)) drawScrollBar(pDC, nBar);
    ::SelectObject(pDC->GetSafeHdc(), previousFont);
}

void CGXGridCore::drawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect,
                           const CRect& area) {
    CGXStyle style;
    ComposeStyleRowCol(nRow, nCol, &style);
    int saved = pDC->SaveDC();
    ::IntersectClipRect(pDC->GetSafeHdc(), area.left, area.top, area.right, area.bottom);
    if (style.GetControl() == GX_IDS_CTRL_HEADER)
        drawHeader(pDC, style, rect);
    else
        drawData(pDC, nRow, nCol, style, rect);
    pDC->RestoreDC(saved);
}

void CGXGridCore::drawHeader(CDC* pDC, const CGXStyle& style, const CRect& rect) {
    fillSys(pDC, rect, COLOR_3DFACE);
    CRect face(rect);
    face.DeflateRect(0, 0, 1, 1);
    pDC->Draw3dRect(&face, ::GetSysColor(COLOR_3DHIGHLIGHT), ::GetSysColor(COLOR_3DSHADOW));
    pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), ::GetSysColor(COLOR_3DDKSHADOW));
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1,
                       ::GetSysColor(COLOR_3DDKSHADOW));
    const CString& text = style.GetValue();
    if (text.IsEmpty()) return;
    // Titles may hold several lines: the block of lines is centred as a whole.
    CRect box(rect.left + 2, 0, rect.right - 2, 0);
    pDC->DrawText(text, &box, DT_CALCRECT | DT_NOPREFIX | style.GetHorizontalAlignment());
    CRect lines(rect.left + 2, rect.top + (rect.Height() - box.Height()) / 2, rect.right - 2,
                rect.bottom - 1);
    ::IntersectClipRect(pDC->GetSafeHdc(), rect.left + 1, rect.top + 1, rect.right - 2,
                        rect.bottom - 2);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->DrawText(text, &lines, DT_NOPREFIX | style.GetHorizontalAlignment());
}

void CGXGridCore::drawData(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CRect& rect) {
    bool bSelected = m_selectedRows.count(nRow) != 0;
    CRect inside(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    fillSys(pDC, inside, bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), kGridLine);
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, kGridLine);
    CRect text(inside);
    text.DeflateRect(kTextMargin, 0);
    bool bChoice = style.GetControl() == GX_IDS_CTRL_CBS_DROPDOWNLIST;
    if (bChoice && IsCurrentCell(nRow, nCol)) {
        drawDropButton(pDC,
                       CRect(inside.right - kButtonWidth, inside.top, inside.right, inside.bottom));
        text.right -= kButtonWidth;
    }
    ::IntersectClipRect(pDC->GetSafeHdc(), text.left, text.top, text.right, text.bottom);
    pDC->SetTextColor(bSelected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : style.GetTextColor());
    pDC->DrawText(style.GetValue(), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | style.GetHorizontalAlignment());
}

void CGXGridCore::drawCurrentFrame(CDC* pDC) {
    if (m_nCurRow == GX_INVALID || IsActiveCurrentCell()) return;
    CRect rect = CalcRectFromRowCol(m_nCurRow, m_nCurCol) & cellArea();
    if (rect.IsRectEmpty()) return;
    rect.DeflateRect(0, 0, 1, 1);
    pDC->Draw3dRect(&rect, RGB(0, 0, 0), RGB(0, 0, 0));
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(&rect, RGB(0, 0, 0), RGB(0, 0, 0));
}
