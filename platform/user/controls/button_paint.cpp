// The button's classic painting: raised 3-D push buttons (sunken while pushed, the caption one
// pixel down and right), the default button's black frame, the dotted focus rectangle, check
// boxes and radio buttons with their marks, group boxes, and owner-drawn buttons.
#include <algorithm>

#include "user/controls/button.h"
#include "user/controls/paintkit.h"

namespace user::controls {

namespace {

constexpr int kMarkSize = 13;  // the classic check box and radio button square

}  // namespace

UINT Button::prefixFormat() const {
    return (style() & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
}

void Button::paint(HDC dc, UINT ownerDrawAction) {
    if (isOwnerDraw()) {
        paintOwnerDraw(dc, ownerDrawAction);
        return;
    }
    SelectScope selectFont(dc, font());
    RECT rect = clientRect();
    if (isPush())
        paintPush(dc, rect);
    else if (isGroupBox())
        paintGroupBox(dc, rect);
    else
        paintCheckOrRadio(dc, rect);
}

void Button::paintCaption(HDC dc, RECT rect, UINT format) {
    std::wstring caption = text();
    if (caption.empty()) return;
    if (!enabled()) {
        drawDisabledText(dc, caption, rect, format);
        return;
    }
    int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, format);
    SetBkMode(dc, oldMode);
}

void Button::paintPush(HDC dc, RECT rect) {
    controlColors(hwnd(), dc, WM_CTLCOLORBTN);
    RECT client = rect;
    if (type() == BS_DEFPUSHBUTTON) {
        frameWithSysColor(dc, rect, COLOR_WINDOWFRAME);
        InflateRect(&rect, -1, -1);
    }
    if (m_pushed) {
        frameWithSysColor(dc, rect, COLOR_BTNSHADOW);
        InflateRect(&rect, -1, -1);
        fillWithSysColor(dc, rect, COLOR_BTNFACE);
    } else {
        DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST);
    }
    RECT caption = client;
    if (m_pushed) OffsetRect(&caption, 1, 1);
    paintCaption(dc, caption, DT_CENTER | DT_VCENTER | prefixFormat());
    if (m_focused) {
        RECT focus = client;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

void Button::paintCheckMark(HDC dc, const RECT& box) {
    if (m_check == BST_UNCHECKED) return;
    COLORREF color =
        GetSysColor(enabled() && m_check == BST_CHECKED ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
    // The classic tick: a 7-pixel wide stroke, three pixels thick, falling then rising.
    static const int kRise[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int column = 0; column < 7; ++column) {
        int x = box.left + 3 + column;
        int y = box.top + 3 + kRise[column];
        for (int row = 0; row < 3; ++row) SetPixel(dc, x, y + row, color);
    }
}

void Button::paintRadioMark(HDC dc, const RECT& box) {
    // The classic 12 x 12 radio circle: shadow and dark shadow on the upper left, light and
    // highlight on the lower right, the window colour inside (the face colour when pushed or
    // disabled), and a 4 x 4 dot when checked.
    static const char* const kCircle[12] = {
        "....SSSS....", "..SSDDDDSS..", ".SDDwwwwwwH.", ".SDwwwwwwwLH",
        "SDwwwwwwwwLH", "SDwwwwwwwwLH", "SDwwwwwwwwLH", "SDwwwwwwwwLH",
        ".SDwwwwwwLH.", ".HLLwwwwLLH.", "..HHLLLLHH..", "....HHHH....",
    };
    static const char* const kDot[4] = {".XX.", "XXXX", "XXXX", ".XX."};
    COLORREF inside = GetSysColor(enabled() && !m_pushed ? COLOR_WINDOW : COLOR_BTNFACE);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            COLORREF color = inside;
            switch (kCircle[y][x]) {
                case '.':
                    continue;
                case 'S':
                    color = GetSysColor(COLOR_BTNSHADOW);
                    break;
                case 'D':
                    color = GetSysColor(COLOR_3DDKSHADOW);
                    break;
                case 'L':
                    color = GetSysColor(COLOR_3DLIGHT);
                    break;
                case 'H':
                    color = GetSysColor(COLOR_BTNHIGHLIGHT);
                    break;
                default:
                    break;
            }
            SetPixel(dc, box.left + x, box.top + y, color);
        }
    }
    if (m_check != BST_CHECKED) return;
    COLORREF dot = GetSysColor(enabled() ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            if (kDot[y][x] == 'X') SetPixel(dc, box.left + 4 + x, box.top + 4 + y, dot);
        }
    }
}

void Button::paintCheckOrRadio(HDC dc, RECT rect) {
    HBRUSH background = controlColors(hwnd(), dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &rect, background);
    bool boxOnRight = (style() & BS_LEFTTEXT) != 0;
    int top = (rect.top + rect.bottom - kMarkSize) / 2;
    int left = boxOnRight ? rect.right - kMarkSize : rect.left;
    RECT box = {left, top, left + kMarkSize, top + kMarkSize};
    if (isRadio()) {
        paintRadioMark(dc, box);
    } else {
        RECT inner = box;
        DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        bool white = enabled() && !m_pushed && m_check != BST_INDETERMINATE;
        fillWithSysColor(dc, inner, white ? COLOR_WINDOW : COLOR_BTNFACE);
        paintCheckMark(dc, box);
    }
    RECT caption = rect;
    if (boxOnRight)
        caption.right = box.left - 4;
    else
        caption.left = box.right + 4;
    UINT format = DT_VCENTER | prefixFormat() | (boxOnRight ? DT_RIGHT : DT_LEFT);
    paintCaption(dc, caption, format);
    if (!m_focused || text().empty()) return;
    // The focus rectangle hugs the caption.
    RECT measured = caption;
    std::wstring label = text();
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &measured, format | DT_CALCRECT);
    int height = measured.bottom - measured.top;
    int width = std::min<int>(measured.right - measured.left, caption.right - caption.left);
    int focusTop = (caption.top + caption.bottom - height) / 2;
    int focusLeft = boxOnRight ? caption.right - width : caption.left;
    RECT focus = {focusLeft - 1, focusTop - 1, focusLeft + width + 1, focusTop + height + 1};
    DrawFocusRect(dc, &focus);
}

void Button::paintGroupBox(HDC dc, RECT rect) {
    HBRUSH background = controlColors(hwnd(), dc, WM_CTLCOLORSTATIC);
    std::wstring caption = text();
    SIZE extent = textExtent(dc, caption.empty() ? std::wstring(L" ") : caption);
    RECT frame = rect;
    frame.top += extent.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption.empty()) return;
    // The caption interrupts the frame's top line, 8 pixels from the left.
    RECT label = {rect.left + 8, rect.top, rect.right - 8, rect.top + extent.cy};
    RECT measured = label;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
              DT_SINGLELINE | DT_CALCRECT);
    measured.left -= 2;
    measured.right = std::min<LONG>(measured.right + 2, label.right);
    FillRect(dc, &measured, background);
    paintCaption(dc, label, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

void Button::paintOwnerDraw(HDC dc, UINT action) {
    HWND parent = GetParent(hwnd());
    if (!parent) return;
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd()));
    item.itemID = 0;
    item.itemAction = action;
    item.itemState = (m_pushed ? ODS_SELECTED : 0) | (m_focused ? ODS_FOCUS : 0) |
                     (enabled() ? 0 : ODS_DISABLED);
    item.hwndItem = hwnd();
    item.hDC = dc;
    item.rcItem = clientRect();
    SelectScope selectFont(dc, font());
    controlColors(hwnd(), dc, WM_CTLCOLORBTN);
    SendMessageW(parent, WM_DRAWITEM, static_cast<WPARAM>(item.CtlID),
                 reinterpret_cast<LPARAM>(&item));
}

}  // namespace user::controls
