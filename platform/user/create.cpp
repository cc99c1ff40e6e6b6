// Creating and destroying windows, in the message order Windows documents.
#include <algorithm>

#include "user/desktop.h"

using namespace user::detail;

namespace {

// Runs the WH_CBT hooks for a window about to be created; a non-zero answer vetoes it.
LRESULT RunCreateHooks(HWND hwnd, CREATESTRUCTW& cs) {
    Desktop& desktop = Desktop::Get();
    if (desktop.cbtHooks.empty()) return 0;
    CBT_CREATEWNDW cbt{&cs, HWND_TOP};
    return desktop.cbtHooks.front().second(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd),
                                           reinterpret_cast<LPARAM>(&cbt));
}

void NotifyParents(Window* w, UINT event) {
    HWND child = w->handle;
    LPARAM lp = reinterpret_cast<LPARAM>(child);
    for (Window* c = w; c->isChild() && !(c->exStyle & WS_EX_NOPARENTNOTIFY); c = c->parent) {
        Send(c->parent, WM_PARENTNOTIFY, MAKEWPARAM(event, w->id), lp);
        if (!W(child)) return;
    }
}

void ApplyMinMaxInfo(Window* w, CREATESTRUCTW& cs) {
    MINMAXINFO info{};
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    info.ptMaxSize = {cx, cy};
    info.ptMaxTrackSize = {cx + 2 * GetSystemMetrics(SM_CXFRAME),
                           cy + 2 * GetSystemMetrics(SM_CYFRAME)};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMIN), GetSystemMetrics(SM_CYMIN)};
    Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    cs.cx = std::min<int>(cs.cx, info.ptMaxTrackSize.x);
    cs.cy = std::min<int>(cs.cy, info.ptMaxTrackSize.y);
}

std::unique_ptr<Window> NewWindow(const WindowClass* cls, DWORD exStyle, DWORD style, HWND parent,
                                  HMENU menu, HINSTANCE instance) {
    auto w = std::make_unique<Window>();
    w->cls = cls;
    w->proc = cls->info.lpfnWndProc;
    w->exStyle = exStyle;
    w->style = style & ~WS_VISIBLE;
    w->instance = instance;
    w->extra.assign(std::max(0, cls->info.cbWndExtra), 0);
    if (style & WS_CHILD) {
        w->parent = W(parent);
        w->id = reinterpret_cast<LONG_PTR>(menu);
    } else {
        // A top-level window's "parent" argument is its owner, which is always a top-level window.
        w->owner = W(GetAncestor(parent, GA_ROOT));
        w->style |= WS_CLIPSIBLINGS;
        if (!(style & WS_POPUP)) w->style |= WS_CAPTION;
    }
    return w;
}

// New children go to the bottom of the z-order, so that the first one created comes first in
// GW_CHILD order and in the tab order; new top-level windows go to the top.
void InsertInZOrder(Window* w) {
    auto& siblings = Desktop::Get().siblingsOf(w);
    if (w->isChild())
        siblings.push_back(w);
    else
        siblings.insert(siblings.begin(), w);
}

bool Construct(Window* w, CREATESTRUCTW& cs) {
    HWND hwnd = w->handle;
    LPARAM lp = reinterpret_cast<LPARAM>(&cs);
    if (!(w->style & WS_CHILD)) ApplyMinMaxInfo(w, cs);
    w->rect = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    if (!W(hwnd) || !Send(w, WM_NCCREATE, 0, lp) || !W(hwnd)) return false;
    RECT r = w->rect;
    Send(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    if (!W(hwnd)) return false;
    w->client = {r.left - w->rect.left, r.top - w->rect.top, r.right - w->rect.left,
                 r.bottom - w->rect.top};
    if (Send(w, WM_CREATE, 0, lp) == -1 || !W(hwnd)) return false;
    w->created = true;
    Send(w, WM_SIZE, SIZE_RESTORED,
         MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    POINT origin{w->rect.left + w->client.left, w->rect.top + w->client.top};
    Send(w, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
    return W(hwnd) != nullptr;
}

void DestroyOwnedWindows(Window* w) {
    std::vector<HWND> owned;
    for (Window* top : Desktop::Get().topLevel) {
        if (top->owner == w) owned.push_back(top->handle);
    }
    for (HWND h : owned) DestroyWindow(h);
}

void SendDestroy(HWND hwnd) {
    Window* w = W(hwnd);
    if (!w) return;
    Send(w, WM_DESTROY, 0, 0);
    if (!(w = W(hwnd))) return;
    std::vector<HWND> children;
    for (Window* c : w->children) children.push_back(c->handle);
    for (HWND c : children) {
        if (Window* cw = W(c)) cw->destroying = true;
        SendDestroy(c);
    }
}

void SendNcDestroy(HWND hwnd) {
    Window* w = W(hwnd);
    if (!w) return;
    std::vector<HWND> children;
    for (Window* c : w->children) children.push_back(c->handle);
    for (HWND c : children) SendNcDestroy(c);
    if (!(w = W(hwnd))) return;
    Send(w, WM_NCDESTROY, 0, 0);
    if ((w = W(hwnd))) Desktop::Get().remove(w);
}

}  // namespace

HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle,
                     int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam) {
    Desktop& desktop = Desktop::Get();
    const WindowClass* cls = desktop.findClass(lpClassName, hInstance);
    if (!cls || ((dwStyle & WS_CHILD) && !W(hWndParent))) return nullptr;
    if (X == CW_USEDEFAULT) X = Y = 0;
    if (nWidth == CW_USEDEFAULT) {
        nWidth = GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
        nHeight = GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
    }
    Window& w = desktop.add(NewWindow(cls, dwExStyle, dwStyle, hWndParent, hMenu, hInstance));
    HWND hwnd = w.handle;
    InsertInZOrder(&w);
    CREATESTRUCTW cs{lpParam,
                     hInstance,
                     hMenu,
                     hWndParent,
                     nHeight,
                     nWidth,
                     Y,
                     X,
                     static_cast<LONG>(dwStyle),
                     lpWindowName,
                     lpClassName,
                     dwExStyle};
    if (RunCreateHooks(hwnd, cs) != 0) {
        desktop.remove(&w);
        return nullptr;
    }
    if (!Construct(&w, cs)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    NotifyParents(&w, WM_CREATE);
    if (W(hwnd) && (dwStyle & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
    return W(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hWnd) {
    Window* w = W(hWnd);
    if (!w || w->destroying) return FALSE;
    w->destroying = true;
    DestroyOwnedWindows(w);
    if (w->created) NotifyParents(w, WM_DESTROY);
    if (!(w = W(hWnd))) return TRUE;
    if (w->visible()) {
        w->style &= ~WS_VISIBLE;
        if (w->isChild()) InvalidateRect(w->parent->handle, &w->rect, TRUE);
    }
    ReleaseStateOf(w);
    SendDestroy(hWnd);
    SendNcDestroy(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    return W(hWnd) ? TRUE : FALSE;
}
