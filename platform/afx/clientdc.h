// A DC on a window's client area for as long as the object lives (GetDC ... ReleaseDC).
#pragma once

#include "afx/dc.h"

class CWnd;

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    // A null window gives a DC on the screen, as GetDC(NULL) does.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
