// The combo box under the person's hands: dropping and closing the list, picks with the mouse,
// the keyboard, typing in the edit field and the focus, with the notifications Windows sends.
#include <algorithm>

#include "user/controls/combobox.h"

namespace user::controls {

void ComboBox::dropDown() {
    // The parent hears of it first, so that it may fill the list before it shows.
    notifyParent(CBN_DROPDOWN);
    m_dropped = true;
    placeList();
    list()->setHotItem(selection());
    SetCapture(m_list);
    invalidate();
}

// endCode: CBN_SELENDOK for a choice, CBN_SELENDCANCEL for a cancel, 0 when code closes the
// list (CB_SHOWDROPDOWN), which reports CBN_CLOSEUP alone.
void ComboBox::closeUp(UINT endCode) {
    m_dropped = false;
    if (GetCapture() == m_list) ReleaseCapture();
    ShowWindow(m_list, SW_HIDE);
    list()->setHotItem(-1);
    invalidate();
    notifyParent(CBN_CLOSEUP);
    if (endCode) notifyParent(endCode);
}

void ComboBox::listItemPicked(int index) {
    if (!m_dropped) return;
    setSelection(index);
    notifyParent(CBN_SELCHANGE);
    closeUp(CBN_SELENDOK);
}

void ComboBox::listCancelled() {
    if (m_dropped) closeUp(CBN_SELENDCANCEL);
}

// A closed combo box ends the choice at once (CBN_SELENDOK after each CBN_SELCHANGE); while
// dropped, the choice ends when the list closes.
void ComboBox::selectByUser(int index, bool endsChoice) {
    if (index < 0 || index == selection()) return;
    setSelection(index);
    if (m_dropped) list()->setHotItem(index);
    notifyParent(CBN_SELCHANGE);
    if (endsChoice) notifyParent(CBN_SELENDOK);
}

bool ComboBox::steersList(WPARAM key) {
    switch (key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_F4:
        case VK_RETURN:
        case VK_ESCAPE:
            return true;
        default:
            return false;
    }
}

void ComboBox::onKeyDown(WPARAM key, bool alt) {
    bool toggles = key == VK_F4 || (alt && (key == VK_UP || key == VK_DOWN));
    bool accepts = m_dropped && (toggles || key == VK_RETURN);
    if (accepts) {
        // The item under the mouse or typed into view becomes the choice.
        int hot = list()->hotItem();
        if (hot >= 0 && hot != selection()) selectByUser(hot, false);
        closeUp(CBN_SELENDOK);
        return;
    }
    if (toggles) {
        dropDown();
        return;
    }
    if (alt) return;
    if (m_dropped && key == VK_ESCAPE) {
        closeUp(CBN_SELENDCANCEL);
        return;
    }
    int count = list()->items().count();
    if (count == 0) return;
    int current = selection();
    int page = std::max(1, m_droppedHeight / list()->itemHeight() - 1);
    int target = current;
    switch (key) {
        case VK_UP:
            target = std::max(0, current - 1);
            break;
        case VK_DOWN:
            target = std::min(count - 1, current + 1);
            break;
        case VK_PRIOR:
            target = std::max(0, current - page);
            break;
        case VK_NEXT:
            target = std::min(count - 1, current + page);
            break;
        case VK_HOME:
            if (!m_edit) target = 0;
            break;
        case VK_END:
            if (!m_edit) target = count - 1;
            break;
        default:
            return;
    }
    selectByUser(target, !m_dropped);
}

void ComboBox::onChar(wchar_t ch) {
    if (m_edit || ch < L' ') return;
    // A drop-down list jumps to the next item starting with the typed character.
    int found = list()->items().findPrefix(selection(), std::wstring(1, ch));
    selectByUser(found, !m_dropped);
}

void ComboBox::onLButtonDown(POINT point) {
    if (!enabled()) return;
    if (GetFocus() != hwnd() && GetFocus() != m_edit) SetFocus(hwnd());
    RECT button = buttonRect();
    bool onButton = point.x >= button.left && point.x < button.right && point.y >= button.top &&
                    point.y < button.bottom;
    if (m_edit && !onButton) return;
    if (m_dropped)
        closeUp(CBN_SELENDCANCEL);
    else
        dropDown();
}

void ComboBox::onFocusEnter() {
    if (m_focusInside) return;
    m_focusInside = true;
    invalidate();
    notifyParent(CBN_SETFOCUS);
}

void ComboBox::onFocusLeave(HWND newFocus) {
    if (newFocus == hwnd() || newFocus == m_edit || newFocus == m_list || !m_focusInside) return;
    if (m_dropped) closeUp(CBN_SELENDCANCEL);
    m_focusInside = false;
    invalidate();
    notifyParent(CBN_KILLFOCUS);
}

void ComboBox::editLosingFocus(HWND newFocus) {
    onFocusLeave(newFocus);
}

void ComboBox::onEditCommand(WORD code) {
    switch (code) {
        case EN_SETFOCUS:
            onFocusEnter();
            break;
        case EN_UPDATE:
            if (!m_quietEdit) notifyParent(CBN_EDITUPDATE);
            break;
        case EN_CHANGE:
            if (m_quietEdit) break;
            // While dropped, the list follows what is typed.
            if (m_dropped) list()->setHotItem(list()->items().findPrefix(-1, fieldText()));
            notifyParent(CBN_EDITCHANGE);
            break;
        default:
            break;
    }
}

}  // namespace user::controls
