// The classic painting of the pop-up menu window: the menu colour, etched separators, the
// highlighted row, embossed grey text, check marks and sub-menu arrows.
#include "user/controls/menumodel.h"
#include "user/controls/menuwindow.h"
#include "user/controls/paintkit.h"

namespace user::controls {

namespace {

constexpr int kMarkLeft = 6;
constexpr int kArrowRight = 12;

// Pixel columns as the classic look draws its small glyphs: each column of a shape is one
// rectangle of the given colour.
struct Column {
    int dx, dy, height;
};

void fillColumns(HDC dc, int x, int y, const Column* columns, int count, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    for (int i = 0; i < count; ++i) {
        RECT line{x + columns[i].dx, y + columns[i].dy, x + columns[i].dx + 1,
                  y + columns[i].dy + columns[i].height};
        FillRect(dc, &line, brush);
    }
    DeleteObject(brush);
}

// The check mark: a short stroke down and a long one up, three pixels thick, 7 x 7.
void drawCheckMark(HDC dc, int x, int centreY, COLORREF color) {
    static constexpr Column kCheck[] = {{0, 2, 3}, {1, 3, 3}, {2, 4, 3}, {3, 3, 3},
                                        {4, 2, 3}, {5, 1, 3}, {6, 0, 3}};
    fillColumns(dc, x, centreY - 4, kCheck, 7, color);
}

// The sub-menu arrow: a triangle pointing right, columns of 7, 5, 3 and 1 pixels.
void drawRightArrow(HDC dc, int x, int centreY, COLORREF color) {
    static constexpr Column kArrow[] = {{0, 0, 7}, {1, 1, 5}, {2, 2, 3}, {3, 3, 1}};
    fillColumns(dc, x, centreY - 3, kArrow, 4, color);
}

void drawSeparator(HDC dc, const RECT& rect) {
    RECT line{rect.left + 1, (rect.top + rect.bottom) / 2 - 1, rect.right - 1, rect.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

void drawPlainText(HDC dc, const std::wstring& text, RECT rect, UINT format, COLORREF color) {
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

// The colour of a row's text and glyphs; a grey row stays grey under the highlight.
COLORREF rowColor(bool hot, bool grey) {
    if (grey) return GetSysColor(COLOR_GRAYTEXT);
    return GetSysColor(hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
}

}  // namespace

void MenuWindow::paint(HDC dc) {
    RECT client = clientRect();
    fillWithSysColor(dc, client, COLOR_MENU);
    for (std::size_t i = 0; i < m_rows.size(); ++i) paintRow(dc, i);
}

void MenuWindow::paintRow(HDC dc, std::size_t row) {
    const Menu* menu = menuFromHandle(m_menu);
    if (!menu || row >= menu->items.size()) return;
    const MenuItem& item = menu->items[row];
    RECT rect{0, m_rows[row].top, m_width, m_rows[row].bottom};
    if (item.type & MFT_SEPARATOR) {
        drawSeparator(dc, rect);
        return;
    }
    bool hot = static_cast<int>(row) == m_hot;
    if (hot) fillWithSysColor(dc, rect, COLOR_HIGHLIGHT);
    bool grey = (item.state & MFS_GRAYED) != 0;
    paintRowText(dc, row, rect, hot, grey);
    COLORREF glyph = rowColor(hot, grey);
    int centreY = (rect.top + rect.bottom) / 2;
    // A radio-check item shows the same mark as a checked one here, not the classic bullet.
    if (item.state & MFS_CHECKED) drawCheckMark(dc, rect.left + kMarkLeft, centreY, glyph);
    if (item.subMenu) drawRightArrow(dc, rect.right - kArrowRight, centreY, glyph);
}

// The label at the left and the accelerator text right-aligned after it. A grey row is
// embossed, except under the highlight, where it is drawn flat in the grey text colour.
void MenuWindow::paintRowText(HDC dc, std::size_t row, const RECT& rect, bool hot, bool grey) {
    SelectScope selectFont(dc, fontFor(row));
    COLORREF color = rowColor(hot, grey);
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER;
    RECT label{rect.left + kTextLeft, rect.top, m_accelLeft, rect.bottom};
    RECT accel{m_accelLeft, rect.top, rect.right - kArrowColumn, rect.bottom};
    const Row& texts = m_rows[row];
    if (grey && !hot) {
        drawDisabledText(dc, texts.label, label, kFormat | DT_LEFT);
        drawDisabledText(dc, texts.accelerator, accel, kFormat | DT_RIGHT);
        return;
    }
    drawPlainText(dc, texts.label, label, kFormat | DT_LEFT, color);
    drawPlainText(dc, texts.accelerator, accel, kFormat | DT_RIGHT, color);
}

}  // namespace user::controls
