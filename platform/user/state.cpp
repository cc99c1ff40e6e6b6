// Visibility, enabling, keyboard focus and activation.
#include "user/desktop.h"

using namespace user::detail;

namespace {

bool Within(HWND inner, HWND outer) {
    return inner && (inner == outer || IsChild(outer, inner));
}

void Deactivate(HWND old, HWND next) {
    Window* w = W(old);
    if (!w) return;
    Send(w, WM_NCACTIVATE, FALSE, 0);
    if ((w = W(old)))
        Send(w, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(next));
}

// The window to activate when the active one goes away: its owner, else the topmost visible one.
HWND Successor(Window* leaving) {
    if (leaving->owner && leaving->owner->visible() && !leaving->owner->destroying)
        return leaving->owner->handle;
    for (Window* w : Desktop::Get().topLevel) {
        if (w != leaving && w->visible() && !w->destroying && !(w->style & WS_DISABLED))
            return w->handle;
    }
    return nullptr;
}

}  // namespace

namespace user::detail {

HWND ActivateWindow(HWND hwnd, UINT how) {
    Desktop& desktop = Desktop::Get();
    HWND old = desktop.active;
    if (old == hwnd) return old;
    Deactivate(old, hwnd);
    desktop.active = hwnd;
    Window* w = W(hwnd);
    if (!w) {
        if (desktop.focus) SetFocus(nullptr);
        return old;
    }
    BringWindowToTop(hwnd);
    Send(w, WM_NCACTIVATE, TRUE, 0);
    if ((w = W(hwnd)))
        Send(w, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(W(old) ? old : nullptr));
    return old;
}

void ReleaseStateOf(Window* w) {
    Desktop& desktop = Desktop::Get();
    HWND h = w->handle;
    if (Within(desktop.capture, h)) ReleaseCapture();
    if (Within(desktop.focus, h)) SetFocus(w->isChild() ? w->parent->handle : nullptr);
    if (desktop.active == h) ActivateWindow(Successor(w), WA_ACTIVE);
    if (Within(desktop.hover, h)) desktop.hover = nullptr;
}

}  // namespace user::detail

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    Window* w = W(hWnd);
    if (!w) return FALSE;
    if (nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINIMIZED || nCmdShow == SW_SHOWMINNOACTIVE) {
        AfxNotSupported("ShowWindow minimizing a window");
    }
    BOOL wasVisible = w->visible() ? TRUE : FALSE;
    bool show = nCmdShow != SW_HIDE;
    if (show == static_cast<bool>(wasVisible)) return wasVisible;
    Send(w, WM_SHOWWINDOW, show, 0);
    if (!(w = W(hWnd))) return wasVisible;
    bool activate = show && !w->isChild() && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                 (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, flags);
    if (!(w = W(hWnd))) return wasVisible;
    if (activate) ActivateWindow(hWnd, WA_ACTIVE);
    if (!show) ReleaseStateOf(w);
    return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
    Window* w = W(hWnd);
    if (!w) return FALSE;
    for (; w; w = w->isChild() ? w->parent : nullptr) {
        if (!w->visible()) return FALSE;
    }
    return TRUE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    Window* w = W(hWnd);
    if (!w) return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (static_cast<bool>(bEnable) != static_cast<bool>(wasDisabled)) return wasDisabled;
    if (!bEnable) {
        Send(w, WM_CANCELMODE, 0, 0);
        if (!(w = W(hWnd))) return wasDisabled;
        w->style |= WS_DISABLED;
        if (Within(Desktop::Get().focus, hWnd)) SetFocus(nullptr);
    } else {
        w->style &= ~WS_DISABLED;
    }
    if ((w = W(hWnd))) Send(w, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
    Window* w = W(hWnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

HWND SetFocus(HWND hWnd) {
    Desktop& desktop = Desktop::Get();
    HWND old = desktop.focus;
    if (hWnd) {
        Window* w = W(hWnd);
        if (!w || (w->style & WS_DISABLED)) return nullptr;
        if (hWnd == old) return old;
        Window* root = RootOf(w);
        if (desktop.active != root->handle) ActivateWindow(root->handle, WA_ACTIVE);
        if (!W(hWnd) || desktop.focus == hWnd) return old;
        old = desktop.focus;
    } else if (!old) {
        return nullptr;
    }
    if (Window* was = W(old)) Send(was, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    Window* w = W(hWnd);
    desktop.focus = w ? hWnd : nullptr;
    if (w) Send(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(W(old) ? old : nullptr), 0);
    return W(old) ? old : nullptr;
}

HWND GetFocus() {
    return Desktop::Get().focus;
}

HWND SetActiveWindow(HWND hWnd) {
    Window* w = W(hWnd);
    if (hWnd && !w) return nullptr;
    Window* root = RootOf(w);
    return ActivateWindow(root ? root->handle : nullptr, WA_ACTIVE);
}

HWND GetActiveWindow() {
    return Desktop::Get().active;
}

// One application runs, so its active window is the foreground window.
HWND GetForegroundWindow() {
    return Desktop::Get().active;
}

BOOL SetForegroundWindow(HWND hWnd) {
    return W(hWnd) && (SetActiveWindow(hWnd), TRUE);
}

BOOL BringWindowToTop(HWND hWnd) {
    Window* w = W(hWnd);
    if (!w) return FALSE;
    auto& siblings = Desktop::Get().siblingsOf(w);
    std::erase(siblings, w);
    siblings.insert(siblings.begin(), w);
    return TRUE;
}
