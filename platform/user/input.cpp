// Mouse and keyboard input: routing to windows, capture, cursor, key state, double clicks.
#include "user/input.h"

#include <cstdlib>

#include "user/desktop.h"
#include "user/scripteduser.h"

using namespace user::detail;

namespace {

bool Contains(Window* w, POINT screen) {
    RECT r;
    GetWindowRect(w->handle, &r);
    return PtInRect(&r, screen);
}

// The deepest visible, enabled window under the point whose hit test is not HTTRANSPARENT.
HWND Descend(Window* w, POINT screen, LRESULT& hit) {
    HWND self = w->handle;
    std::vector<HWND> children;
    for (Window* c : w->children) children.push_back(c->handle);
    for (HWND h : children) {
        Window* c = W(h);
        if (!c || !c->visible() || (c->style & WS_DISABLED) || !Contains(c, screen)) continue;
        if (HWND found = Descend(c, screen, hit)) return found;
    }
    if (!(w = W(self))) return nullptr;
    hit = Send(w, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    return hit == HTTRANSPARENT ? nullptr : self;
}

HWND MouseTarget(POINT screen, LRESULT& hit) {
    Desktop& desktop = Desktop::Get();
    if (desktop.capture) {
        hit = HTCLIENT;
        return desktop.capture;
    }
    std::vector<Window*> tops = desktop.topLevel;
    for (Window* top : tops) {
        if (!W(top->handle) || !top->visible() || !Contains(top, screen)) continue;
        if (top->style & WS_DISABLED) {
            hit = HTERROR;
            return top->handle;
        }
        if (HWND found = Descend(top, screen, hit)) return found;
    }
    return nullptr;
}

WPARAM MouseKeys() {
    WPARAM mk = 0;
    if (GetKeyState(VK_LBUTTON) < 0) mk |= MK_LBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0) mk |= MK_RBUTTON;
    if (GetKeyState(VK_MBUTTON) < 0) mk |= MK_MBUTTON;
    if (GetKeyState(VK_SHIFT) < 0) mk |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) mk |= MK_CONTROL;
    return mk;
}

bool IsDown(UINT m) {
    return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN;
}

void UpdateButtons(UINT m) {
    BYTE* keys = Desktop::Get().keys;
    switch (m) {
        case WM_LBUTTONDOWN:
            keys[VK_LBUTTON] |= 0x80;
            break;
        case WM_LBUTTONUP:
            keys[VK_LBUTTON] &= ~0x80;
            break;
        case WM_RBUTTONDOWN:
            keys[VK_RBUTTON] |= 0x80;
            break;
        case WM_RBUTTONUP:
            keys[VK_RBUTTON] &= ~0x80;
            break;
        case WM_MBUTTONDOWN:
            keys[VK_MBUTTON] |= 0x80;
            break;
        case WM_MBUTTONUP:
            keys[VK_MBUTTON] &= ~0x80;
            break;
        default:
            break;
    }
}

// A second press of the same button on the same window, close in time and place, is a double
// click (WM_xBUTTONDBLCLK = WM_xBUTTONDOWN + 2).
UINT ApplyDoubleClick(UINT m, HWND target, POINT screen, bool client) {
    if (!IsDown(m)) return m;
    Desktop& d = Desktop::Get();
    auto& last = d.lastClick;
    bool twice = last.message == m && last.hwnd == target &&
                 d.time - last.time <= GetDoubleClickTime() &&
                 std::abs(last.pt.x - screen.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                 std::abs(last.pt.y - screen.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    bool classAllows = !client || (W(target)->cls->info.style & CS_DBLCLKS);
    if (twice && classAllows) {
        last = {};
        return m + 2;
    }
    last = {m, target, screen, d.time};
    return m;
}

void TrackHover(HWND target) {
    Desktop& d = Desktop::Get();
    if (d.hover == target) return;
    if (Window* old = W(d.hover); old && old->trackLeave) {
        old->trackLeave = false;
        PostMessageW(old->handle, WM_MOUSELEAVE, 0, 0);
    }
    d.hover = target;
}

// Clicking an inactive window activates it unless it answers WM_MOUSEACTIVATE otherwise; the
// "eat" answers swallow the click.
bool ActivateOnClick(HWND target, LRESULT hit, UINT m) {
    HWND root = GetAncestor(target, GA_ROOT);
    if (root == GetActiveWindow()) return false;
    LRESULT answer =
        SendMessageW(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root), MAKELPARAM(hit, m));
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) ActivateWindow(root, WA_CLICKACTIVE);
    return answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
}

void PostKey(HWND target, UINT m, WPARAM vk, LPARAM lp) {
    if (target) PostMessageW(target, m, vk, lp);
}

}  // namespace

namespace user {

void InputMouse(UINT message, POINT screen) {
    Desktop& d = Desktop::Get();
    d.cursorPos = screen;
    d.time += 10;
    UpdateButtons(message);
    LRESULT hit = HTNOWHERE;
    HWND target = MouseTarget(screen, hit);
    TrackHover(target);
    if (!target) return;
    bool captured = d.capture != nullptr;
    bool eat =
        !captured && IsDown(message) && hit != HTERROR && ActivateOnClick(target, hit, message);
    if (!W(target)) return;
    if (!captured)
        SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                     MAKELPARAM(hit, message));
    if (eat || hit == HTERROR || !W(target)) return;
    bool client = hit == HTCLIENT;
    UINT m = ApplyDoubleClick(message, target, screen, client);
    if (client) {
        POINT pt = screen;
        ScreenToClient(target, &pt);
        PostMessageW(target, m, MouseKeys(), MAKELPARAM(pt.x, pt.y));
    } else {
        PostMessageW(target, m - (WM_MOUSEMOVE - WM_NCMOUSEMOVE), static_cast<WPARAM>(hit),
                     MAKELPARAM(screen.x, screen.y));
    }
}

void InputKey(UINT vk, bool down) {
    Desktop& d = Desktop::Get();
    d.time += 10;
    bool wasDown = (d.keys[vk & 0xFF] & 0x80) != 0;
    // A released key is judged by the state it was pressed in: letting go of Alt is a system key.
    bool altBefore = GetKeyState(VK_MENU) < 0, ctrlBefore = GetKeyState(VK_CONTROL) < 0;
    if (down)
        d.keys[vk & 0xFF] = static_cast<BYTE>(0x80 | ((d.keys[vk & 0xFF] & 1) ^ (wasDown ? 0 : 1)));
    else
        d.keys[vk & 0xFF] &= ~0x80;
    bool alt = down ? GetKeyState(VK_MENU) < 0 : altBefore;
    bool ctrl = down ? GetKeyState(VK_CONTROL) < 0 : ctrlBefore;
    HWND target = d.focus ? d.focus : d.active;
    bool sys = (alt && !ctrl) || vk == VK_F10 || !d.focus;
    UINT m = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lp = 1 | (alt ? (1 << 29) : 0) | (wasDown ? (1 << 30) : 0) | (down ? 0 : (3u << 30));
    PostKey(target, m, vk, lp);
}

void InputChar(wchar_t ch) {
    Desktop& d = Desktop::Get();
    d.time += 10;
    HWND target = d.focus ? d.focus : d.active;
    LPARAM packed = static_cast<LPARAM>(static_cast<ULONG_PTR>(ch & 0xFFFF) << 32);
    PostKey(target, WM_KEYDOWN, VK_PACKET, 1 | packed);
    PostKey(target, WM_KEYUP, VK_PACKET, 1 | (LPARAM{3} << 30) | packed);
}

}  // namespace user

HWND WindowFromPoint(POINT Point) {
    for (Window* top : Desktop::Get().topLevel) {
        if (!top->visible() || !Contains(top, Point)) continue;
        Window* w = top;
        for (bool deeper = true; deeper;) {
            deeper = false;
            for (Window* c : w->children) {
                if (c->visible() && !(c->style & WS_DISABLED) && Contains(c, Point)) {
                    w = c;
                    deeper = true;
                    break;
                }
            }
        }
        return w->handle;
    }
    return nullptr;
}

HWND ChildWindowFromPointEx(HWND hwnd, POINT pt, UINT flags) {
    Window* w = W(hwnd);
    if (!w) return nullptr;
    RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    if (!PtInRect(&client, pt)) return nullptr;
    for (Window* c : w->children) {
        if ((flags & CWP_SKIPINVISIBLE) && !c->visible()) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
        if (PtInRect(&c->rect, pt)) return c->handle;
    }
    return hwnd;
}

HWND ChildWindowFromPoint(HWND hWndParent, POINT Point) {
    return ChildWindowFromPointEx(hWndParent, Point, CWP_ALL);
}

HWND SetCapture(HWND hWnd) {
    Desktop& d = Desktop::Get();
    HWND old = d.capture;
    if (!W(hWnd) || old == hWnd) return old;
    d.capture = hWnd;
    if (W(old)) SendMessageW(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return old;
}

BOOL ReleaseCapture() {
    Desktop& d = Desktop::Get();
    HWND old = d.capture;
    d.capture = nullptr;
    if (W(old)) SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return Desktop::Get().capture;
}

// Hovering needs time to pass, and none passes here: WM_MOUSEHOVER is posted at once when the
// mouse is over the window.
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
    if (!lpEventTrack || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) return FALSE;
    Window* w = W(lpEventTrack->hwndTrack);
    if (lpEventTrack->dwFlags & TME_QUERY) AfxNotSupported("TrackMouseEvent with TME_QUERY");
    if (!w) return FALSE;
    if (lpEventTrack->dwFlags & TME_NONCLIENT)
        AfxNotSupported("TrackMouseEvent with TME_NONCLIENT");
    bool over = Desktop::Get().hover == w->handle;
    if (lpEventTrack->dwFlags & TME_CANCEL) {
        if (lpEventTrack->dwFlags & TME_LEAVE) w->trackLeave = false;
        return TRUE;
    }
    if (lpEventTrack->dwFlags & TME_LEAVE) {
        w->trackLeave = over;
        if (!over) PostMessageW(w->handle, WM_MOUSELEAVE, 0, 0);
    }
    if ((lpEventTrack->dwFlags & TME_HOVER) && over) {
        POINT pt = Desktop::Get().cursorPos;
        ScreenToClient(w->handle, &pt);
        PostMessageW(w->handle, WM_MOUSEHOVER, MouseKeys(), MAKELPARAM(pt.x, pt.y));
    }
    return TRUE;
}

BOOL GetCursorPos(LPPOINT lpPoint) {
    if (!lpPoint) return FALSE;
    *lpPoint = Desktop::Get().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int X, int Y) {
    user::InputMouse(WM_MOUSEMOVE, POINT{X, Y});
    return TRUE;
}

HCURSOR SetCursor(HCURSOR hCursor) {
    HCURSOR old = Desktop::Get().cursor;
    Desktop::Get().cursor = hCursor;
    return old;
}

HCURSOR GetCursor() {
    return Desktop::Get().cursor;
}

// One key state serves both calls: input is applied as it enters, not as messages are read.
SHORT GetKeyState(int nVirtKey) {
    BYTE* keys = Desktop::Get().keys;
    auto state = [keys](int vk) { return keys[vk & 0xFF]; };
    BYTE s = state(nVirtKey);
    if (nVirtKey == VK_LSHIFT || nVirtKey == VK_RSHIFT) s = state(VK_SHIFT);
    if (nVirtKey == VK_LCONTROL || nVirtKey == VK_RCONTROL) s = state(VK_CONTROL);
    if (nVirtKey == VK_LMENU || nVirtKey == VK_RMENU) s = state(VK_MENU);
    return static_cast<SHORT>(((s & 0x80) ? 0x8000 : 0) | (s & 1));
}

SHORT GetAsyncKeyState(int vKey) {
    return static_cast<SHORT>(GetKeyState(vKey) & 0x8000);
}

BOOL MessageBeep(UINT uType) {
    user::ScriptedUser::Get().RecordBeep(uType);
    return TRUE;
}
