// The maker's window helpers.
#pragma once

#include "afx/wnd.h"

class CVnWindow {
public:
    // Gives the window a new height; its width and position stay.
    static void SetHeight(CWnd* pWnd, int nHeight);
};
