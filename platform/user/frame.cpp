// The non-client area: borders, 3-D edges, the classic caption with its small icon, text and
// close button, and scroll bar places; hit-testing over the same geometry.
#include <algorithm>

#include "gdi/wingdi.h"
#include "user/desktop.h"

using namespace user::detail;

namespace {

int FrameWidth(const Window* w) {
    return NonClientInsets(w->style, w->exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), false)
        .left;
}

bool HasCaption(const Window* w) {
    return (w->style & WS_CAPTION) == WS_CAPTION;
}

RECT WindowBox(const Window* w) {
    return {0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
}

// The outer frame drawn with the classic edges: a raised edge then the face colour for dialog
// and sizing frames, a single dark line for a thin border.
void DrawOuterFrame(HDC dc, const Window* w, RECT& r) {
    bool dialogFrame = (w->exStyle & WS_EX_DLGMODALFRAME) ||
                       ((w->style & WS_DLGFRAME) && !(w->style & WS_THICKFRAME));
    if (dialogFrame || (w->style & WS_THICKFRAME)) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        int rest = GetSystemMetrics(dialogFrame ? SM_CXDLGFRAME : SM_CXFRAME) - 2;
        for (int i = 0; i < rest; ++i) {
            FrameRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
            InflateRect(&r, -1, -1);
        }
    } else if (w->style & WS_BORDER) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
}

void DrawCloseButton(HDC dc, const Window* w) {
    RECT b = CloseButtonRect(w);
    FillRect(dc, &b, GetSysColorBrush(COLOR_3DFACE));
    DrawEdge(dc, &b, EDGE_RAISED, BF_RECT);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    int cx = (b.left + b.right) / 2 - 1, cy = (b.top + b.bottom) / 2 - 1;
    for (int d = 0; d < 2; ++d) {
        MoveToEx(dc, cx - 3 + d, cy - 3, nullptr);
        LineTo(dc, cx + 4 + d, cy + 4);
        MoveToEx(dc, cx + 3 + d, cy - 3, nullptr);
        LineTo(dc, cx - 4 + d, cy + 4);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawCaptionText(HDC dc, const Window* w, RECT r) {
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    HFONT bold = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, bold);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(w->ncActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawTextW(dc, w->text.c_str(), static_cast<int>(w->text.size()), &r,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    DeleteObject(bold);
}

void DrawCaption(HDC dc, const Window* w) {
    RECT r = CaptionRect(w);
    FillRect(dc, &r, GetSysColorBrush(w->ncActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    RECT line{r.left, r.bottom, r.right, r.bottom + 1};
    FillRect(dc, &line, GetSysColorBrush(COLOR_3DFACE));
    RECT text{r.left + 2, r.top, r.right - 2, r.bottom};
    HICON icon = w->iconSmall ? w->iconSmall : w->iconBig;
    if (icon && (w->style & WS_SYSMENU)) {
        int size = GetSystemMetrics(SM_CXSMICON);
        DrawIconEx(dc, r.left + 1, r.top + (r.bottom - r.top - size) / 2, icon, size, size, 0,
                   nullptr, DI_NORMAL);
        text.left += size + 2;
    }
    if (w->style & WS_SYSMENU) {
        text.right = CloseButtonRect(w).left - 2;
        DrawCloseButton(dc, w);
    }
    DrawCaptionText(dc, w, text);
}

// A classic arrow button: a raised face with a small solid triangle pointing `dx`, `dy`.
void DrawArrowButton(HDC dc, RECT r, int dx, int dy) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    for (int i = 0; i < 4; ++i) {
        // Row i of the triangle, from its tip (i = 0) to its base.
        int along = 2 - i, half = i;
        int x = cx + along * dx, y = cy + along * dy;
        MoveToEx(dc, x - half * dy, y - half * dx, nullptr);
        LineTo(dc, x + half * dy + dy, y + half * dx + dx);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

// The places of the standard scroll bars: arrow buttons at both ends of the trough.
void DrawScrollBars(HDC dc, const Window* w) {
    RECT c = w->client;
    int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
    if (w->style & WS_VSCROLL) {
        RECT bar{c.right, c.top, c.right + cx, c.bottom};
        FillRect(dc, &bar, GetSysColorBrush(COLOR_SCROLLBAR));
        DrawArrowButton(dc, {bar.left, bar.top, bar.right, bar.top + cx}, 0, -1);
        DrawArrowButton(dc, {bar.left, bar.bottom - cx, bar.right, bar.bottom}, 0, 1);
    }
    if (w->style & WS_HSCROLL) {
        RECT bar{c.left, c.bottom, c.right, c.bottom + cy};
        FillRect(dc, &bar, GetSysColorBrush(COLOR_SCROLLBAR));
        DrawArrowButton(dc, {bar.left, bar.top, bar.left + cy, bar.bottom}, -1, 0);
        DrawArrowButton(dc, {bar.right - cy, bar.top, bar.right, bar.bottom}, 1, 0);
    }
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
        RECT corner{c.right, c.bottom, c.right + cx, c.bottom + cy};
        FillRect(dc, &corner, GetSysColorBrush(COLOR_3DFACE));
    }
}

}  // namespace

namespace user::detail {

RECT CaptionRect(const Window* w) {
    if (!HasCaption(w)) return {};
    RECT r = WindowBox(w);
    int frame = FrameWidth(w);
    InflateRect(&r, -frame, -frame);
    int height =
        GetSystemMetrics((w->exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION) - 1;
    r.bottom = r.top + height;
    return r;
}

RECT CloseButtonRect(const Window* w) {
    if (!HasCaption(w) || !(w->style & WS_SYSMENU)) return {};
    RECT c = CaptionRect(w);
    int cx = GetSystemMetrics(SM_CXSIZE) - 2, cy = GetSystemMetrics(SM_CYSIZE) - 4;
    int top = c.top + (c.bottom - c.top - cy) / 2;
    return {c.right - 2 - cx, top, c.right - 2, top + cy};
}

void PaintFrame(Window* w) {
    HDC dc = GetWindowDC(w->handle);
    RECT r = WindowBox(w);
    DrawOuterFrame(dc, w, r);
    if (HasCaption(w)) DrawCaption(dc, w);
    if (w->exStyle & WS_EX_CLIENTEDGE) {
        RECT edge = w->client;
        InflateRect(&edge, 2, 2);
        if (w->style & WS_VSCROLL) edge.right += GetSystemMetrics(SM_CXVSCROLL);
        if (w->style & WS_HSCROLL) edge.bottom += GetSystemMetrics(SM_CYHSCROLL);
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    } else if (w->exStyle & WS_EX_STATICEDGE) {
        RECT edge = w->client;
        InflateRect(&edge, 1, 1);
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    DrawScrollBars(dc, w);
    ReleaseDC(w->handle, dc);
}

LRESULT HitTest(const Window* w, POINT screen) {
    POINT o = WindowOrigin(w);
    POINT p{screen.x - o.x, screen.y - o.y};
    RECT box = WindowBox(w), close = CloseButtonRect(w), caption = CaptionRect(w);
    if (!PtInRect(&box, p)) return HTNOWHERE;
    if (PtInRect(&w->client, p)) return HTCLIENT;
    if (PtInRect(&close, p)) return HTCLOSE;
    if (PtInRect(&caption, p)) return HTCAPTION;
    RECT vscroll{w->client.right, w->client.top, w->client.right + GetSystemMetrics(SM_CXVSCROLL),
                 w->client.bottom};
    if ((w->style & WS_VSCROLL) && PtInRect(&vscroll, p)) return HTVSCROLL;
    RECT hscroll{w->client.left, w->client.bottom, w->client.right,
                 w->client.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    if ((w->style & WS_HSCROLL) && PtInRect(&hscroll, p)) return HTHSCROLL;
    return HTBORDER;
}

}  // namespace user::detail
