// The combo box's geometry and its classic painting: a sunken field, the drop button with its
// arrow (pushed while dropped), and the selected text, highlighted while the control has focus.
#include <algorithm>

#include "user/controls/combobox.h"
#include "user/controls/paintkit.h"

namespace user::controls {

namespace {

constexpr int kEdge = 2;  // the sunken client edge

}  // namespace

int ComboBox::fieldHeight() const {
    return m_fieldItemHeight ? m_fieldItemHeight : fontLineHeight(font()) + 2;
}

RECT ComboBox::buttonRect() const {
    RECT client = clientRect();
    int width = GetSystemMetrics(SM_CXVSCROLL);
    return {client.right - kEdge - width, kEdge, client.right - kEdge, client.bottom - kEdge};
}

RECT ComboBox::fieldRect() const {
    RECT client = clientRect();
    return {kEdge, kEdge, buttonRect().left, client.bottom - kEdge};
}

void ComboBox::layoutChildren() {
    if (!m_edit) return;
    RECT field = fieldRect();
    MoveWindow(m_edit, field.left + 1, field.top + 1,
               std::max<int>(0, field.right - field.left - 2),
               std::max<int>(0, field.bottom - field.top - 2), TRUE);
}

void ComboBox::placeList() {
    RECT window{};
    GetWindowRect(hwnd(), &window);
    int rows = std::max(1, list()->items().count());
    int height = std::min(m_droppedHeight, rows * list()->itemHeight() + 2);
    SetWindowPos(m_list, HWND_TOPMOST, window.left, window.bottom, window.right - window.left,
                 height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

// The height asked for becomes the dropped list's height; the control keeps its own, as in
// Windows, so that dialog templates can give a combo box the size of its open list.
void ComboBox::onWindowPosChanging(WINDOWPOS& pos) {
    if ((pos.flags & SWP_NOSIZE) || pos.cy == windowHeight()) return;
    if (pos.cy > windowHeight()) m_droppedHeight = pos.cy - windowHeight();
    pos.cy = windowHeight();
}

void ComboBox::paintButton(HDC dc, const RECT& button) {
    RECT face = button;
    if (m_dropped) {
        frameWithSysColor(dc, face, COLOR_BTNSHADOW);
        InflateRect(&face, -1, -1);
        fillWithSysColor(dc, face, COLOR_BTNFACE);
        OffsetRect(&face, 1, 1);
    } else {
        DrawEdge(dc, &face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    if (enabled()) {
        drawDownArrow(dc, face, GetSysColor(COLOR_BTNTEXT));
        return;
    }
    RECT shifted = face;
    OffsetRect(&shifted, 1, 1);
    drawDownArrow(dc, shifted, GetSysColor(COLOR_BTNHIGHLIGHT));
    drawDownArrow(dc, face, GetSysColor(COLOR_BTNSHADOW));
}

void ComboBox::paintField(HDC dc, const RECT& field) {
    HBRUSH background = controlColors(hwnd(), dc, enabled() ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    FillRect(dc, &field, background);
    if (m_edit) return;  // the edit child paints the text
    RECT item = field;
    InflateRect(&item, -1, -1);
    bool highlighted = m_focusInside && !m_dropped && enabled();
    if (ownerDrawn()) {
        UINT state = ODS_COMBOBOXEDIT | (highlighted ? ODS_SELECTED | ODS_FOCUS : 0) |
                     (enabled() ? 0 : ODS_DISABLED);
        int index = selection();
        ULONG_PTR data = index >= 0 ? list()->items().data(index) : 0;
        drawItemByOwner(hwnd(), dc, index, state, item, data);
        return;
    }
    if (highlighted) {
        fillWithSysColor(dc, item, COLOR_HIGHLIGHT);
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else if (!enabled()) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    std::wstring text = itemText(selection());
    RECT textRect = {item.left + 2, item.top, item.right - 1, item.bottom};
    int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    SetBkMode(dc, oldMode);
    if (highlighted) DrawFocusRect(dc, &item);
}

void ComboBox::paint(HDC dc) {
    SelectScope selectFont(dc, font());
    RECT client = clientRect();
    DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    paintField(dc, fieldRect());
    paintButton(dc, buttonRect());
}

}  // namespace user::controls
