// Window longs, the window tree and window text.
#include <algorithm>
#include <cstring>

#include "user/desktop.h"

using namespace user::detail;

namespace {

LONG_PTR ReadExtra(const Window* w, int offset, std::size_t size) {
    if (offset < 0 || offset + size > w->extra.size()) return 0;
    LONG_PTR value = 0;
    std::memcpy(&value, w->extra.data() + offset, size);
    return value;
}

void WriteExtra(Window* w, int offset, LONG_PTR value, std::size_t size) {
    if (offset >= 0 && offset + size <= w->extra.size())
        std::memcpy(w->extra.data() + offset, &value, size);
}

void ChangeStyle(Window* w, int index, DWORD value) {
    STYLESTRUCT change{index == GWL_STYLE ? w->style : w->exStyle, value};
    Send(w, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    (index == GWL_STYLE ? w->style : w->exStyle) = change.styleNew;
    Send(w, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
}

LONG_PTR SetLong(HWND hWnd, int nIndex, LONG_PTR value, std::size_t extraSize) {
    Window* w = W(hWnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtrW(hWnd, nIndex);
    switch (nIndex) {
        case GWL_STYLE:
        case GWL_EXSTYLE:
            ChangeStyle(w, nIndex, static_cast<DWORD>(value));
            break;
        case GWLP_WNDPROC:
            w->proc = reinterpret_cast<WNDPROC>(value);
            break;
        case GWLP_ID:
            w->id = value;
            break;
        case GWLP_USERDATA:
            w->userData = value;
            break;
        case GWLP_HINSTANCE:
            w->instance = reinterpret_cast<HINSTANCE>(value);
            break;
        case GWLP_HWNDPARENT:
            w->owner = W(reinterpret_cast<HWND>(value));
            break;
        default:
            if (nIndex < 0) AfxNotSupported("SetWindowLongPtrW index");
            WriteExtra(w, nIndex, value, extraSize);
    }
    return old;
}

}  // namespace

LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex) {
    Window* w = W(hWnd);
    if (!w) return 0;
    switch (nIndex) {
        case GWL_STYLE:
            return static_cast<LONG>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(w->exStyle);
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc);
        case GWLP_ID:
            return w->id;
        case GWLP_USERDATA:
            return w->userData;
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(w->instance);
        case GWLP_HWNDPARENT: {
            Window* up = w->isChild() ? w->parent : w->owner;
            return reinterpret_cast<LONG_PTR>(up ? up->handle : nullptr);
        }
        default:
            if (nIndex < 0) AfxNotSupported("GetWindowLongPtrW index");
            return ReadExtra(w, nIndex, sizeof(LONG_PTR));
    }
}

LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    return SetLong(hWnd, nIndex, dwNewLong, sizeof(LONG_PTR));
}

LONG GetWindowLongW(HWND hWnd, int nIndex) {
    Window* w = W(hWnd);
    if (w && nIndex >= 0) return static_cast<LONG>(ReadExtra(w, nIndex, sizeof(LONG)));
    return static_cast<LONG>(GetWindowLongPtrW(hWnd, nIndex));
}

LONG SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong) {
    return static_cast<LONG>(SetLong(hWnd, nIndex, dwNewLong, sizeof(LONG)));
}

HWND GetParent(HWND hWnd) {
    Window* w = W(hWnd);
    if (!w) return nullptr;
    if (w->isChild()) return w->parent->handle;
    return (w->style & WS_POPUP) && w->owner ? w->owner->handle : nullptr;
}

HWND GetAncestor(HWND hwnd, UINT gaFlags) {
    Window* w = W(hwnd);
    if (!w) return nullptr;
    if (gaFlags == GA_PARENT) return w->isChild() ? w->parent->handle : nullptr;
    while (w->isChild()) w = w->parent;
    if (gaFlags == GA_ROOTOWNER) {
        while (w->owner) w = w->owner;
    }
    return w->handle;
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
    Window* w = W(hWnd);
    if (!w) return nullptr;
    if (uCmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front()->handle;
    if (uCmd == GW_OWNER) return w->owner ? w->owner->handle : nullptr;
    auto& siblings = Desktop::Get().siblingsOf(w);
    auto it = std::find(siblings.begin(), siblings.end(), w);
    switch (uCmd) {
        case GW_HWNDFIRST:
            return siblings.front()->handle;
        case GW_HWNDLAST:
            return siblings.back()->handle;
        case GW_HWNDNEXT:
            return ++it == siblings.end() ? nullptr : (*it)->handle;
        case GW_HWNDPREV:
            return it == siblings.begin() ? nullptr : (*--it)->handle;
        default:
            AfxNotSupported("GetWindow relation");
    }
}

HWND GetTopWindow(HWND hWnd) {
    if (!hWnd) {
        auto& top = Desktop::Get().topLevel;
        return top.empty() ? nullptr : top.front()->handle;
    }
    return GetWindow(hWnd, GW_CHILD);
}

// The desktop is not a window of its own here: null stands for it, as for HWND_DESKTOP.
HWND GetDesktopWindow() {
    return nullptr;
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
    Window* w = W(hWnd);
    for (; w && w->isChild(); w = w->parent) {
        if (w->parent->handle == hWndParent) return TRUE;
    }
    return FALSE;
}

HWND SetParent(HWND hWndChild, HWND hWndNewParent) {
    Window* w = W(hWndChild);
    Window* parent = W(hWndNewParent);
    if (!w || (hWndNewParent && !parent) || !w->isChild()) {
        if (w && !w->isChild()) AfxNotSupported("SetParent of a top-level window");
        return nullptr;
    }
    HWND old = w->parent->handle;
    // The window keeps its position relative to its parent's client area, as on Windows.
    Desktop::Get().siblingsOf(w).erase(
        std::find(w->parent->children.begin(), w->parent->children.end(), w));
    w->parent = parent;
    parent->children.insert(parent->children.begin(), w);
    InvalidateRect(hWndChild, nullptr, TRUE);
    return old;
}

BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam) {
    Window* w = W(hWndParent);
    if (!w || !lpEnumFunc) return FALSE;
    std::vector<HWND> all;
    auto collect = [&all](auto& self, Window* parent) -> void {
        for (Window* c : parent->children) {
            all.push_back(c->handle);
            self(self, c);
        }
    };
    collect(collect, w);
    for (HWND h : all) {
        if (W(h) && !lpEnumFunc(h, lParam)) break;
    }
    return TRUE;
}

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
    return SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString ? lpString : L""))
               ? TRUE
               : FALSE;
}

int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
    if (!lpString || nMaxCount <= 0) return 0;
    lpString[0] = 0;
    return static_cast<int>(
        SendMessageW(hWnd, WM_GETTEXT, nMaxCount, reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthW(HWND hWnd) {
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}
