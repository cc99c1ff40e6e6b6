// System metrics and the non-client area that window styles give a window.
#include "user/desktop.h"

namespace user::detail {

// The frame first (a dialog frame wins over a sizing frame, which wins over a thin border),
// then the 3-D edges, the caption and the scroll bars.
RECT NonClientInsets(DWORD style, DWORD exStyle, bool scrollBars) {
    int frame = 0;
    bool dialogFrame =
        (exStyle & WS_EX_DLGMODALFRAME) || ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME));
    if (dialogFrame)
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if (style & WS_BORDER)
        frame = GetSystemMetrics(SM_CXBORDER);
    if (exStyle & WS_EX_CLIENTEDGE) frame += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE) frame += GetSystemMetrics(SM_CXBORDER);
    RECT insets{frame, frame, frame, frame};
    if ((style & WS_CAPTION) == WS_CAPTION) {
        insets.top +=
            GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    }
    if (scrollBars && (style & WS_VSCROLL)) insets.right += GetSystemMetrics(SM_CXVSCROLL);
    if (scrollBars && (style & WS_HSCROLL)) insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return insets;
}

}  // namespace user::detail

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
        case SM_CXSCREEN:
            return 1024;
        case SM_CYSCREEN:
            return 768;
        case SM_CXFULLSCREEN:
            return 1024;
        case SM_CYFULLSCREEN:
            return 768 - 19;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL:
        case SM_CYVTHUMB:
        case SM_CXHTHUMB:
            return 16;
        case SM_CYCAPTION:
            return 19;
        case SM_CYMENU:
            return 19;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return 3;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return 4;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return 2;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR:
            return 32;
        case SM_CXSMICON:
        case SM_CYSMICON:
            return 16;
        case SM_CYSMCAPTION:
            return 15;
        case SM_CXSIZE:
        case SM_CYSIZE:
            return 18;
        case SM_CXSMSIZE:
        case SM_CYSMSIZE:
            return 12;
        case SM_CXMENUSIZE:
        case SM_CYMENUSIZE:
            return 18;
        case SM_CXMIN:
            return 112;
        case SM_CYMIN:
            return 27;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
        case SM_CXDRAG:
        case SM_CYDRAG:
            return 4;
        case SM_CXMENUCHECK:
        case SM_CYMENUCHECK:
            return 13;
        case SM_CMOUSEBUTTONS:
            return 3;
        case SM_SWAPBUTTON:
            return 0;
        default:
            AfxNotSupported("GetSystemMetrics index");
    }
}

BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (!lpRect) return FALSE;
    RECT in = user::detail::NonClientInsets(dwStyle, dwExStyle, false);
    int menu = bMenu ? GetSystemMetrics(SM_CYMENU) : 0;
    *lpRect = {lpRect->left - in.left, lpRect->top - in.top - menu, lpRect->right + in.right,
               lpRect->bottom + in.bottom};
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT lpRect, DWORD dwStyle, BOOL bMenu) {
    return AdjustWindowRectEx(lpRect, dwStyle, bMenu, 0);
}

UINT GetDoubleClickTime() {
    return 500;
}
