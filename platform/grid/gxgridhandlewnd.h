// A grid window whose engine is a separate object attached to it: the way a dialog puts a grid
// of its own class (derived from CGXGridCore) on a "GXWND" control of its template:
//
//     m_gridWnd.SubclassDlgItem(IDC_GRID, this);
//     m_gridWnd.AttachGrid(new CMyGrid(&m_gridWnd));
//     m_gridWnd.Initialize();
//
// The window owns the attached grid: it deletes it when another grid is attached and when
// the window object itself goes.
#pragma once

#include <memory>

#include "grid/gxgridcore.h"

class CGXGridHandleWnd : public CWnd {
public:
    CGXGridHandleWnd();
    ~CGXGridHandleWnd() override;

    void AttachGrid(CGXGridCore* pGrid);
    CGXGridCore* GetGrid() const { return m_pGrid.get(); }
    // Joins the attached grid to this window and readies it.
    void Initialize();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

private:
    std::unique_ptr<CGXGridCore> m_pGrid;
};
