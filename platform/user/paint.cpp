// Update regions, painting and device contexts. The update region is kept as one rectangle,
// the union of everything invalidated; Windows keeps an exact region.
#include <algorithm>

#include "gdi/surface.h"
#include "gdi/wingdi.h"
#include "user/desktop.h"

using namespace user::detail;

namespace {

RECT Offset(RECT r, POINT by) {
    OffsetRect(&r, by.x, by.y);
    return r;
}

// The surface of a top-level window, the size of its window rectangle.
std::shared_ptr<gdi::Surface> SurfaceOf(Window* root) {
    int cx = std::max<int>(1, root->rect.right - root->rect.left);
    int cy = std::max<int>(1, root->rect.bottom - root->rect.top);
    if (!root->surface || root->surface->width != cx || root->surface->height != cy) {
        root->surface =
            std::make_shared<gdi::Surface>(cx, cy, gdi::PixelFromColor(GetSysColor(COLOR_3DFACE)));
    }
    return root->surface;
}

// A DC at the window's client (or window) origin, clipped to what its ancestors leave visible
// and, for painting, to the update rectangle (client coordinates).
HDC MakeDC(Window* w, bool wholeWindow, const RECT* clipClient) {
    Window* root = RootOf(w);
    POINT rootOrigin = WindowOrigin(root);
    POINT o = wholeWindow ? WindowOrigin(w) : ClientOrigin(w);
    POINT origin{o.x - rootOrigin.x, o.y - rootOrigin.y};
    RECT own = wholeWindow
                   ? RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top}
                   : RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    RECT clip = Offset(own, origin);
    if (clipClient) {
        RECT limit = Offset(*clipClient, origin);
        IntersectRect(&clip, &clip, &limit);
    }
    for (Window* a = w->isChild() ? w->parent : nullptr; a;
         a = a->isChild() ? a->parent : nullptr) {
        POINT ao = ClientOrigin(a);
        RECT client{0, 0, a->client.right - a->client.left, a->client.bottom - a->client.top};
        RECT limit = Offset(client, POINT{ao.x - rootOrigin.x, ao.y - rootOrigin.y});
        IntersectRect(&clip, &clip, &limit);
    }
    return gdi::CreateDCOnSurface(SurfaceOf(root), origin, clip);
}

// Without an exact region, a parent's repaint would cover its children: they are invalidated
// with it, whatever WS_CLIPCHILDREN says.
void Invalidate(Window* w, const RECT* rect, bool erase, bool frame, bool children) {
    RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    RECT r = client;
    if (rect) IntersectRect(&r, rect, &client);
    UnionRect(&w->update, &w->update, &r);
    w->eraseNeeded |= erase && !IsRectEmpty(&r);
    w->frameNeeded |= frame;
    if (!children) return;
    for (Window* c : w->children) {
        RECT cr = rect ? *rect : client, overlap;
        if (!IntersectRect(&overlap, &cr, &c->rect)) continue;
        POINT o{-(c->rect.left + c->client.left), -(c->rect.top + c->client.top)};
        RECT inChild = Offset(overlap, o);
        Invalidate(c, &inChild, erase, frame, true);
    }
}

void Validate(Window* w, const RECT* rect, bool children) {
    RECT covered;
    if (!rect || (UnionRect(&covered, rect, &w->update) && EqualRect(&covered, rect))) {
        w->update = {};
        w->eraseNeeded = false;
    }
    if (children) {
        for (Window* c : w->children) Validate(c, nullptr, true);
    }
}

void PaintNow(HWND hwnd, bool children) {
    Window* w = W(hwnd);
    if (!w || !w->visible()) return;
    if (!IsRectEmpty(&w->update)) {
        Send(w, WM_PAINT, 0, 0);
    } else if (w->frameNeeded) {
        w->frameNeeded = false;
        Send(w, WM_NCPAINT, 1, 0);
    }
    if (!(w = W(hwnd)) || !children) return;
    std::vector<HWND> order;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        order.push_back((*it)->handle);
    for (HWND c : order) PaintNow(c, true);
}

std::vector<HWND> Targets(HWND hwnd) {
    std::vector<HWND> targets;
    if (hwnd)
        targets.push_back(hwnd);
    else
        for (Window* w : Desktop::Get().topLevel) targets.push_back(w->handle);
    return targets;
}

}  // namespace

BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) {
    if (hrgnUpdate) AfxNotSupported("RedrawWindow with an update region");
    if (hWnd && !W(hWnd)) return FALSE;
    for (HWND target : Targets(hWnd)) {
        Window* w = W(target);
        bool children = (flags & RDW_ALLCHILDREN) || !(flags & RDW_NOCHILDREN);
        if (flags & RDW_INVALIDATE)
            Invalidate(w, lprcUpdate, flags & RDW_ERASE, flags & RDW_FRAME, children);
        if (flags & RDW_VALIDATE) {
            Validate(w, lprcUpdate, children);
            if (flags & RDW_NOFRAME) w->frameNeeded = false;
        }
        // Erasing is never deferred apart from painting: RDW_ERASENOW paints as RDW_UPDATENOW does.
        if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) PaintNow(target, flags & RDW_ALLCHILDREN);
    }
    return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    return RedrawWindow(hWnd, lpRect, nullptr, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect) {
    return RedrawWindow(hWnd, lpRect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase) {
    Window* w = W(hWnd);
    if (!w) return FALSE;
    if (lpRect) *lpRect = w->update;
    if (bErase && w->eraseNeeded && !IsRectEmpty(&w->update)) {
        HDC dc = MakeDC(w, false, &w->update);
        w->eraseNeeded = !Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        DeleteDC(dc);
    }
    return IsRectEmpty(&w->update) ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    Window* w = W(hWnd);
    if (!w) return FALSE;
    if (w->visible() && !IsRectEmpty(&w->update)) Send(w, WM_PAINT, 0, 0);
    return TRUE;
}

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
    Window* w = W(hWnd);
    if (!w || !lpPaint) return nullptr;
    if (w->frameNeeded) {
        w->frameNeeded = false;
        Send(w, WM_NCPAINT, 1, 0);
        if (!(w = W(hWnd))) return nullptr;
    }
    *lpPaint = PAINTSTRUCT{};
    lpPaint->rcPaint = w->update;
    bool erase = w->eraseNeeded;
    w->update = {};
    w->eraseNeeded = false;
    lpPaint->hdc = MakeDC(w, false, &lpPaint->rcPaint);
    lpPaint->fErase =
        erase ? !Send(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(lpPaint->hdc), 0) : FALSE;
    return lpPaint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* lpPaint) {
    if (lpPaint && lpPaint->hdc) DeleteDC(lpPaint->hdc);
    return TRUE;
}

// A null window means the screen: the DC measures text like any other but draws nowhere visible.
HDC GetDC(HWND hWnd) {
    if (!hWnd) {
        static auto screen = std::make_shared<gdi::Surface>(1, 1);
        return gdi::CreateDCOnSurface(screen, POINT{0, 0}, RECT{0, 0, 1, 1});
    }
    Window* w = W(hWnd);
    return w ? MakeDC(w, false, nullptr) : nullptr;
}

HDC GetWindowDC(HWND hWnd) {
    Window* w = W(hWnd);
    return w ? MakeDC(w, true, nullptr) : nullptr;
}

HDC GetDCEx(HWND hWnd, HRGN hrgnClip, DWORD flags) {
    if (hrgnClip) AfxNotSupported("GetDCEx with a clipping region");
    return (flags & DCX_WINDOW) ? GetWindowDC(hWnd) : GetDC(hWnd);
}

int ReleaseDC(HWND, HDC hDC) {
    return hDC && DeleteDC(hDC) ? 1 : 0;
}
