// Decides, for the grids registered with it, whether a text a person typed may go into a
// cell. The default asks the grid's validator (the column's kind and range); a derived
// controller adds rules of its own.
#pragma once

#include "win/cstring.h"

class CVnGridCore;

class CVnGridController {
public:
    CVnGridController() = default;
    CVnGridController(const CVnGridController&) = delete;
    CVnGridController& operator=(const CVnGridController&) = delete;
    virtual ~CVnGridController();

    // Takes the grid's typed texts from now on; the grid must also be given this controller
    // (CVnGridCore::SetGridController). The grid is not owned.
    void Register(CVnGridCore* pGrid);
    CVnGridCore* GetGrid() const { return m_pGrid; }

    // Whether the text may go into the cell (data row and column, counted from 0).
    virtual BOOL CanStoreText(int nRow, int nCol, const CString& text);

private:
    CVnGridCore* m_pGrid = nullptr;
};
