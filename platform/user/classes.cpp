// Window class registration.
#include <algorithm>

#include "user/desktop.h"

using namespace user::detail;

ATOM RegisterClassExW(const WNDCLASSEXW* lpwcx) {
    if (!lpwcx || !lpwcx->lpszClassName || !lpwcx->lpfnWndProc) return 0;
    Desktop& desktop = Desktop::Get();
    const WindowClass* existing = desktop.findClass(lpwcx->lpszClassName, lpwcx->hInstance);
    // Registering a name twice in one module fails (ERROR_CLASS_ALREADY_EXISTS).
    if (existing && existing->info.hInstance == lpwcx->hInstance) return 0;
    return desktop.addClass(*lpwcx);
}

ATOM RegisterClassW(const WNDCLASSW* lpWndClass) {
    if (!lpWndClass) return 0;
    WNDCLASSEXW ex{sizeof(WNDCLASSEXW),      lpWndClass->style,         lpWndClass->lpfnWndProc,
                   lpWndClass->cbClsExtra,   lpWndClass->cbWndExtra,    lpWndClass->hInstance,
                   lpWndClass->hIcon,        lpWndClass->hCursor,       lpWndClass->hbrBackground,
                   lpWndClass->lpszMenuName, lpWndClass->lpszClassName, nullptr};
    return RegisterClassExW(&ex);
}

BOOL UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance) {
    return Desktop::Get().removeClass(lpClassName, hInstance) ? TRUE : FALSE;
}

BOOL GetClassInfoExW(HINSTANCE hInstance, LPCWSTR lpszClass, LPWNDCLASSEXW lpwcx) {
    const WindowClass* cls = Desktop::Get().findClass(lpszClass, hInstance);
    if (!cls || !lpwcx) return FALSE;
    *lpwcx = cls->info;
    lpwcx->cbSize = sizeof(WNDCLASSEXW);
    return cls->atom;
}

BOOL GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass) {
    WNDCLASSEXW ex{};
    BOOL found = GetClassInfoExW(hInstance, lpClassName, &ex);
    if (found && lpWndClass) {
        *lpWndClass = WNDCLASSW{ex.style,        ex.lpfnWndProc,  ex.cbClsExtra, ex.cbWndExtra,
                                ex.hInstance,    ex.hIcon,        ex.hCursor,    ex.hbrBackground,
                                ex.lpszMenuName, ex.lpszClassName};
    }
    return found;
}

int GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount) {
    Window* w = W(hWnd);
    if (!w || !lpClassName || nMaxCount <= 0) return 0;
    int n = std::min<int>(static_cast<int>(w->cls->name.size()), nMaxCount - 1);
    std::copy_n(w->cls->name.c_str(), n, lpClassName);
    lpClassName[n] = 0;
    return n;
}

ULONG_PTR GetClassLongPtrW(HWND hWnd, int nIndex) {
    Window* w = W(hWnd);
    if (!w) return 0;
    const WNDCLASSEXW& c = w->cls->info;
    switch (nIndex) {
        case GCL_STYLE:
            return c.style;
        case GCLP_WNDPROC:
            return reinterpret_cast<ULONG_PTR>(c.lpfnWndProc);
        case GCLP_HBRBACKGROUND:
            return reinterpret_cast<ULONG_PTR>(c.hbrBackground);
        case GCLP_HCURSOR:
            return reinterpret_cast<ULONG_PTR>(c.hCursor);
        case GCLP_HICON:
            return reinterpret_cast<ULONG_PTR>(c.hIcon);
        case GCLP_HICONSM:
            return reinterpret_cast<ULONG_PTR>(c.hIconSm);
        default:
            AfxNotSupported("GetClassLongPtrW index");
    }
}
