// The maker's tool tip: a standard tool tip with whole windows as tools.
#pragma once

#include "afx/tooltipctrl.h"

class CVnToolTip : public CToolTipCtrl {
    DECLARE_DYNAMIC(CVnToolTip)
public:
    // Shows text over pWnd (a tool named by the window's handle); a window that is a tool
    // already gets the new text. FALSE when the tool tip or the window has no window.
    BOOL AddWindowTool(CWnd* pWnd, LPCTSTR lpszText);
};
