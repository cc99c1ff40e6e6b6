// The default answers of DefWindowProcW.
#include <algorithm>

#include "gdi/wingdi.h"
#include "user/desktop.h"

using namespace user::detail;

namespace {

LRESULT CopyText(const Window* w, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<wchar_t*>(buffer);
    if (!out || size == 0) return 0;
    std::size_t n = std::min<std::size_t>(w->text.size(), size - 1);
    std::copy_n(w->text.c_str(), n, out);
    out[n] = 0;
    return static_cast<LRESULT>(n);
}

void SetText(Window* w, LPCWSTR text) {
    w->text = text ? text : L"";
    if ((w->style & WS_CAPTION) == WS_CAPTION)
        RedrawWindow(w->handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void SendPositionChanges(Window* w, const WINDOWPOS* pos) {
    HWND h = w->handle;
    if (!(pos->flags & SWP_NOMOVE)) {
        Send(w, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    }
    if (!(pos->flags & SWP_NOSIZE) && (w = W(h))) {
        Send(w, WM_SIZE, SIZE_RESTORED,
             MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    }
}

LRESULT EraseBackground(Window* w, HDC dc) {
    HBRUSH brush = w->cls->info.hbrBackground;
    if (!brush) return 0;
    auto value = reinterpret_cast<UINT_PTR>(brush);
    // A class brush of COLOR_xxx + 1 stands for that system colour.
    if (value <= COLOR_MENUBAR + 1) brush = GetSysColorBrush(static_cast<int>(value - 1));
    RECT r;
    GetClientRect(w->handle, &r);
    FillRect(dc, &r, brush);
    return 1;
}

LRESULT ControlColor(UINT msg, HDC dc) {
    int back = (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX) ? COLOR_WINDOW
               : msg == WM_CTLCOLORSCROLLBAR                         ? COLOR_SCROLLBAR
                                                                     : COLOR_3DFACE;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(back));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(back));
}

// Messages a child leaves to its parent (and a top-level window to its owner).
LRESULT PassUp(Window* w, UINT msg, WPARAM wp, LPARAM lp) {
    Window* up = w->isChild() ? w->parent : w->owner;
    return up ? Send(up, msg, wp, lp) : 0;
}

LRESULT SetCursorDefault(Window* w, WPARAM wp, LPARAM lp) {
    if (w->isChild() && Send(w->parent, WM_SETCURSOR, wp, lp)) return TRUE;
    if (LOWORD(lp) == HTCLIENT && w->cls->info.hCursor) {
        SetCursor(w->cls->info.hCursor);
        return TRUE;
    }
    if (static_cast<SHORT>(LOWORD(lp)) == HTERROR && HIWORD(lp) == WM_LBUTTONDOWN) MessageBeep(0);
    return FALSE;
}

LRESULT KeyHelp(Window* w) {
    HELPINFO info{sizeof(HELPINFO), HELPINFO_WINDOW, static_cast<int>(w->id), w->handle, 0, {}};
    GetCursorPos(&info.MousePos);
    Send(w, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    return 0;
}

// A context menu asked for from the keyboard has no mouse position: lParam is -1.
LRESULT ContextMenuFromKeyboard(Window* w) {
    Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w->handle), -1);
    return 0;
}

LRESULT SetIcon(Window* w, WPARAM which, LPARAM icon) {
    HICON& slot = which == ICON_BIG ? w->iconBig : w->iconSmall;
    HICON old = slot;
    slot = reinterpret_cast<HICON>(icon);
    RedrawWindow(w->handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return reinterpret_cast<LRESULT>(old);
}

LRESULT GetIcon(const Window* w, WPARAM which) {
    HICON icon = which == ICON_BIG ? w->iconBig : w->iconSmall;
    if (which == ICON_SMALL2 && !icon) icon = w->iconBig;
    return reinterpret_cast<LRESULT>(icon);
}

LRESULT SysCommand(Window* w, WPARAM wp) {
    if ((wp & 0xFFF0) == SC_CLOSE) return Send(w, WM_CLOSE, 0, 0);
    return 0;
}

LRESULT NcCalcSize(Window* w, WPARAM wp, LPARAM lp) {
    RECT* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
    RECT in = NonClientInsets(w->style, w->exStyle, true);
    *r = {r->left + in.left, r->top + in.top, std::max(r->left + in.left, r->right - in.right),
          std::max(r->top + in.top, r->bottom - in.bottom)};
    return 0;
}

LRESULT Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace

LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* w = W(hWnd);
    if (!w) return 0;
    switch (Msg) {
        case WM_NCCREATE: {
            LPCWSTR name = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpszName;
            if (name && !IS_INTRESOURCE(name)) w->text = name;
            return TRUE;
        }
        case WM_NCCALCSIZE:
            return NcCalcSize(w, wParam, lParam);
        case WM_SETTEXT:
            SetText(w, reinterpret_cast<LPCWSTR>(lParam));
            return TRUE;
        case WM_GETTEXT:
            return CopyText(w, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_PAINT:
            return Paint(hWnd);
        case WM_ERASEBKGND:
            return EraseBackground(w, reinterpret_cast<HDC>(wParam));
        case WM_NCPAINT:
            PaintFrame(w);
            return 0;
        case WM_NCACTIVATE:
            w->ncActive = wParam != 0;
            if ((w->style & WS_CAPTION) == WS_CAPTION)
                RedrawWindow(hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
            return TRUE;
        case WM_NCHITTEST:
            return HitTest(w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_SETCURSOR:
            return SetCursorDefault(w, wParam, lParam);
        case WM_MOUSEACTIVATE: {
            LRESULT up = w->isChild() ? Send(w->parent, Msg, wParam, lParam) : 0;
            return up ? up : MA_ACTIVATE;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hWnd);
            return 0;
        case WM_CLOSE:
            DestroyWindow(hWnd);
            return 0;
        case WM_WINDOWPOSCHANGED:
            SendPositionChanges(w, reinterpret_cast<WINDOWPOS*>(lParam));
            return 0;
        case WM_SETICON:
            return SetIcon(w, wParam, lParam);
        case WM_GETICON:
            return GetIcon(w, wParam);
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return ControlColor(Msg, reinterpret_cast<HDC>(wParam));
        case WM_CANCELMODE:
            if (GetCapture() == hWnd) ReleaseCapture();
            return 0;
        case WM_KEYDOWN:
            return wParam == VK_F1 ? KeyHelp(w) : 0;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F4)
                return SendMessageW(GetAncestor(hWnd, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
            if (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) return ContextMenuFromKeyboard(w);
            return 0;
        case WM_KEYUP:
            return wParam == VK_APPS ? ContextMenuFromKeyboard(w) : 0;
        case WM_RBUTTONUP: {
            POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hWnd, &pt);
            return Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(pt.x, pt.y));
        }
        case WM_SYSCOMMAND:
            return SysCommand(w, wParam);
        case WM_NCLBUTTONDOWN:
            return wParam == HTCLOSE ? Send(w, WM_SYSCOMMAND, SC_CLOSE, lParam) : 0;
        case WM_HELP:
            PassUp(w, Msg, wParam, lParam);
            return TRUE;
        case WM_CONTEXTMENU:
        case WM_MOUSEWHEEL:
            return w->isChild() ? Send(w->parent, Msg, wParam, lParam) : 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        default:
            return 0;
    }
}
