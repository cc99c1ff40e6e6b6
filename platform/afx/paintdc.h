// The DC of a WM_PAINT handler: BeginPaint in the constructor, EndPaint in the destructor.
#pragma once

#include "afx/dc.h"
#include "user/winuser.h"

class CWnd;

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
