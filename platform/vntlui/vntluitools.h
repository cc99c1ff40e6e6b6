// The maker's message box: the standard one, owned by the given window (or by the active
// window when there is none), with the application's name as caption.
#pragma once

#include "afx/wnd.h"

class VNTLUITools {
public:
    static int MessageBoxW(LPCTSTR lpszText, UINT nType, CWnd* pOwner);
    static int MessageBox(LPCTSTR lpszText, UINT nType, CWnd* pOwner) {
        return MessageBoxW(lpszText, nType, pOwner);
    }
};
