// Window positions and sizes, and coordinate mapping.
#include <algorithm>

#include "user/desktop.h"

using namespace user::detail;

namespace {

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

void Restack(Window* w, HWND after) {
    auto& siblings = Desktop::Get().siblingsOf(w);
    siblings.erase(std::find(siblings.begin(), siblings.end(), w));
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        siblings.insert(siblings.begin(), w);
    } else if (after == HWND_BOTTOM) {
        siblings.push_back(w);
    } else {
        auto it = std::find(siblings.begin(), siblings.end(), W(after));
        siblings.insert(it == siblings.end() ? siblings.begin() : it + 1, w);
    }
}

// Recomputes the client rectangle through WM_NCCALCSIZE, as Windows does on every size change.
void CalcClient(Window* w, WINDOWPOS& pos) {
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = w->rect;
    params.rgrc[1] = w->rect;
    params.rgrc[2] = w->rect;
    params.lppos = &pos;
    Send(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    const RECT& r = params.rgrc[0];
    w->client = {r.left - w->rect.left, r.top - w->rect.top, r.right - w->rect.left,
                 r.bottom - w->rect.top};
}

void InvalidateOldPlace(Window* w, const RECT& old) {
    if (w->isChild() && !IsRectEmpty(&old)) InvalidateRect(w->parent->handle, &old, TRUE);
}

void Apply(Window* w, WINDOWPOS& pos) {
    RECT old = w->rect;
    bool wasVisible = w->visible();
    if (!(pos.flags & SWP_NOMOVE)) OffsetRect(&w->rect, pos.x - old.left, pos.y - old.top);
    if (!(pos.flags & SWP_NOSIZE)) {
        w->rect.right = w->rect.left + std::max(0, pos.cx);
        w->rect.bottom = w->rect.top + std::max(0, pos.cy);
    }
    if (!(pos.flags & SWP_NOSIZE) || (pos.flags & SWP_FRAMECHANGED)) CalcClient(w, pos);
    if (!(pos.flags & SWP_NOZORDER)) Restack(w, pos.hwndInsertAfter);
    if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    bool changed =
        !EqualRect(&old, &w->rect) || wasVisible != w->visible() || (pos.flags & SWP_FRAMECHANGED);
    if (changed && !(pos.flags & SWP_NOREDRAW)) {
        if (wasVisible) InvalidateOldPlace(w, old);
        if (w->visible())
            RedrawWindow(w->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
}

}  // namespace

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    Window* w = W(hWnd);
    if (!w) return FALSE;
    WINDOWPOS pos{hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags};
    if (!(uFlags & SWP_NOSENDCHANGING))
        Send(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = W(hWnd))) return FALSE;
    // Like Windows, report an unchanged size or place as SWP_NOSIZE / SWP_NOMOVE.
    if (pos.cx == Width(w->rect) && pos.cy == Height(w->rect)) pos.flags |= SWP_NOSIZE;
    if (pos.x == w->rect.left && pos.y == w->rect.top) pos.flags |= SWP_NOMOVE;
    Apply(w, pos);
    pos.x = w->rect.left;
    pos.y = w->rect.top;
    pos.cx = Width(w->rect);
    pos.cy = Height(w->rect);
    Send(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW);
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    Window* w = W(hWnd);
    if (!w || !lpRect) return FALSE;
    *lpRect = {0, 0, Width(w->client), Height(w->client)};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    Window* w = W(hWnd);
    if (!w || !lpRect) return FALSE;
    POINT o = WindowOrigin(w);
    *lpRect = {o.x, o.y, o.x + Width(w->rect), o.y + Height(w->rect)};
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    Window* w = W(hWnd);
    if (!w || !lpPoint) return FALSE;
    POINT o = ClientOrigin(w);
    lpPoint->x += o.x;
    lpPoint->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    Window* w = W(hWnd);
    if (!w || !lpPoint) return FALSE;
    POINT o = ClientOrigin(w);
    lpPoint->x -= o.x;
    lpPoint->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
    POINT from{}, to{};
    if (hWndFrom && !ClientToScreen(hWndFrom, &from)) return 0;
    if (hWndTo && !ClientToScreen(hWndTo, &to)) return 0;
    int dx = from.x - to.x, dy = from.y - to.y;
    for (UINT i = 0; lpPoints && i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    return MAKELONG(dx, dy);
}

BOOL IsIconic(HWND) {
    return FALSE;
}
BOOL IsZoomed(HWND hWnd) {
    return W(hWnd) && (W(hWnd)->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

namespace user::detail {

Window* RootOf(Window* w) {
    while (w && w->isChild()) w = w->parent;
    return w;
}

POINT WindowOrigin(const Window* w) {
    if (!w->isChild()) return {w->rect.left, w->rect.top};
    POINT p = ClientOrigin(w->parent);
    return {p.x + w->rect.left, p.y + w->rect.top};
}

POINT ClientOrigin(const Window* w) {
    POINT p = WindowOrigin(w);
    return {p.x + w->client.left, p.y + w->client.top};
}

}  // namespace user::detail
