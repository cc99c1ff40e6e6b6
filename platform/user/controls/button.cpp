// The button's behaviour: clicks by mouse, space bar and BM_CLICK, check states, radio groups,
// and the BM_ messages and BN_ notifications.
#include "user/controls/button.h"

#include "user/controls/paintkit.h"

namespace user::controls {

bool Button::isCheckBox() const {
    switch (type()) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return true;
        default:
            return false;
    }
}

LRESULT Button::dialogCode() const {
    switch (type()) {
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
    }
}

LRESULT Button::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handleFont(msg, wParam, lParam, result)) return result;
    if (handlePaint(msg, wParam, result)) return result;
    if (msg >= BM_GETCHECK && msg <= BM_CLICK) return onButtonMessage(msg, wParam, lParam);
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            onMouse(msg, lParam);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && !m_tracking && !isGroupBox()) {
                m_spaceDown = true;
                press(true);
            }
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE && m_spaceDown) {
                m_spaceDown = false;
                press(false);
                click();
            }
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            onFocus(msg == WM_SETFOCUS);
            return 0;
        case WM_ENABLE:
            m_pushed = m_tracking = m_spaceDown = false;
            invalidate();
            return 0;
        case WM_SETTEXT:
            result = defaultProc(msg, wParam, lParam);
            invalidate();
            return result;
        case WM_GETDLGCODE:
            return dialogCode();
        case WM_NCHITTEST:
            // A group box lets clicks through to what lies beneath it, as in Windows.
            return isGroupBox() ? HTTRANSPARENT : defaultProc(msg, wParam, lParam);
        default:
            return defaultProc(msg, wParam, lParam);
    }
}

LRESULT Button::onButtonMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case BM_GETCHECK:
            return m_check;
        case BM_SETCHECK:
            setCheck(wParam);
            return 0;
        case BM_GETSTATE:
            return m_check | (m_pushed ? BST_PUSHED : 0) | (m_focused ? BST_FOCUS : 0);
        case BM_SETSTATE:
            press(wParam != 0);
            return 0;
        case BM_SETSTYLE: {
            DWORD next = (style() & 0xFFFF0000u) | LOWORD(wParam);
            SetWindowLongW(hwnd(), GWL_STYLE, static_cast<LONG>(next));
            if (LOWORD(lParam)) invalidate();
            return 0;
        }
        case BM_CLICK:
            // As in Windows: a press and a release of the left button on the button.
            if (!enabled()) return 0;
            SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
            SendMessageW(hwnd(), WM_LBUTTONUP, 0, 0);
            return 0;
        default:
            return defaultProc(msg, wParam, lParam);
    }
}

void Button::setCheck(WPARAM state) {
    if (!isCheckBox() && !isRadio()) return;
    bool threeState = type() == BS_3STATE || type() == BS_AUTO3STATE;
    UINT next =
        state == BST_INDETERMINATE && !threeState ? BST_CHECKED : static_cast<UINT>(state & 3);
    if (next == m_check) return;
    m_check = next;
    invalidate();
}

void Button::press(bool pushed) {
    if (pushed == m_pushed) return;
    m_pushed = pushed;
    redraw(ODA_SELECT);
}

void Button::click() {
    switch (type()) {
        case BS_AUTOCHECKBOX:
            setCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
            break;
        case BS_AUTO3STATE:
            setCheck((m_check + 1) % 3);
            break;
        case BS_AUTORADIOBUTTON:
            setCheck(BST_CHECKED);
            uncheckOtherRadios();
            break;
        default:
            break;
    }
    notifyParent(BN_CLICKED);
}

// The group runs from the nearest window at or before this one with WS_GROUP to the next
// window with WS_GROUP, as the dialog manager draws group bounds.
void Button::uncheckOtherRadios() {
    HWND first = hwnd();
    while (!(GetWindowLongW(first, GWL_STYLE) & WS_GROUP)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous) break;
        first = previous;
    }
    for (HWND sibling = first; sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (GetWindowLongW(sibling, GWL_STYLE) & WS_GROUP)) break;
        if (sibling != hwnd() && (SendMessageW(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) {
            SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

void Button::onMouse(UINT msg, LPARAM lParam) {
    if (isGroupBox()) return;
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT client = clientRect();
    bool inside = PtInRect(&client, point) != FALSE;
    bool doubleClickNotifies = isRadio() || isOwnerDraw() || (style() & BS_NOTIFY);
    switch (msg) {
        case WM_LBUTTONDBLCLK:
            // Radio and owner-drawn buttons report double clicks; the others take a second press.
            if (doubleClickNotifies) {
                notifyParent(BN_DOUBLECLICKED);
                return;
            }
            [[fallthrough]];
        case WM_LBUTTONDOWN:
            m_tracking = true;
            if (GetFocus() != hwnd()) SetFocus(hwnd());
            SetCapture(hwnd());
            press(true);
            return;
        case WM_MOUSEMOVE:
            if (m_tracking) press(inside);
            return;
        case WM_LBUTTONUP: {
            if (!m_tracking) return;
            m_tracking = false;
            if (GetCapture() == hwnd()) ReleaseCapture();
            bool clicked = m_pushed && inside;
            press(false);
            if (clicked) click();
            return;
        }
        case WM_CAPTURECHANGED:
            if (m_tracking && reinterpret_cast<HWND>(lParam) != hwnd()) {
                m_tracking = false;
                press(false);
            }
            return;
        default:
            return;
    }
}

void Button::onFocus(bool gained) {
    m_focused = gained;
    if (!gained && (m_tracking || m_spaceDown)) {
        m_tracking = m_spaceDown = false;
        press(false);
    }
    redraw(ODA_FOCUS);
    if (style() & BS_NOTIFY) notifyParent(gained ? BN_SETFOCUS : BN_KILLFOCUS);
    // A radio button reached with the keyboard (not pressed with the mouse) is chosen.
    if (gained && isRadio() && !m_tracking && m_check == BST_UNCHECKED) click();
}

// Owner-drawn buttons are told at once what changed (ODA_SELECT, ODA_FOCUS); the others are
// simply painted again.
void Button::redraw(UINT ownerDrawAction) {
    if (!isOwnerDraw()) {
        invalidate();
        return;
    }
    HDC dc = GetDC(hwnd());
    paint(dc, ownerDrawAction);
    ReleaseDC(hwnd(), dc);
}

}  // namespace user::controls
