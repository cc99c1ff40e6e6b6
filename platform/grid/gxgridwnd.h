// A window that is a grid: a CWnd of class "GXWND" and the grid's engine in one object.
// Created with Create, or put on a "GXWND" control of a dialog template with SubclassDlgItem;
// either way Initialize must follow before use.
#pragma once

#include "grid/gxgridcore.h"

class CGXGridWnd : public CWnd, public CGXGridCore {
public:
    CGXGridWnd() : CGXGridCore(this) {}
    // The window goes first, while the engine that answers its messages still exists.
    ~CGXGridWnd() override {
        if (m_hWnd) DestroyWindow();
    }

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void Initialize() { OnGridInitialUpdate(); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
};

// The grid window class name, registered (CS_GLOBALCLASS | CS_DBLCLKS) when the library loads
// so that dialog templates can hold grids.
#define GX_GRID_WNDCLASS L"GXWND"
