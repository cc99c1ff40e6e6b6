// Moves an application's items between its own lists and a CVnGridCore, one grid row per item
// and one cell exchange per cell. "Export" goes from the application into the grid, "Import"
// from the grid into the application. An application derives from it and overrides at least
// CreateCellExchange; the grid calls the transfer given to CVnGridCore::SetGridTransfert back
// through these virtual operations, whose order is fixed. Rows are application rows unless
// said; columns are data columns counted from 0.
#pragma once

#include <vector>

#include "win/windef.h"

class CVnGridCore;
class CVnCellDataExchange;

class CVnGridTransfer {
public:
    explicit CVnGridTransfer(CVnGridCore* pGrid) : m_pGrid(pGrid) {}
    CVnGridTransfer(const CVnGridTransfer&) = delete;
    CVnGridTransfer& operator=(const CVnGridTransfer&) = delete;
    virtual ~CVnGridTransfer();

    // Sets the grid's update lock and returns its previous state.
    virtual BOOL LockUpdate(BOOL bLock = TRUE);
    // Paints the grid now (unless locked).
    virtual void Redraw();
    // Fills every row of the grid from the application, behind the update lock.
    virtual void Export();
    // Reads every row of the grid into the application.
    virtual void ImportAll();
    // The rows and columns Export fills: by default those the grid has.
    virtual BOOL PrepareExport(int& nRows, int& nCols);
    // Per-cell information for the grid's owner; the base keeps none and answers 0.
    virtual int CellQuery(int nRow, int nCol);
    virtual void ExportRow(int nAppRow);
    // Rewrites one grid row from the application; returns the number of columns written.
    virtual int RefreshRow(int nGridRow);
    // Appends an empty row to the grid and returns its application row.
    virtual int AddRow();
    virtual BOOL DelRow(int nAppRow);
    // A new exchange for one cell (bFromData: application to grid), or null when the cell
    // holds nothing of the application. The caller deletes it.
    virtual CVnCellDataExchange* CreateCellExchange(int nAppRow, int nCol, bool bFromData);
    // FALSE when the cell has no exchange or its text is no value.
    virtual BOOL ImportCol(int nAppRow, int nCol);
    virtual void ExportCol(int nAppRow, int nCol);
    virtual BOOL ImportRow(int nAppRow);
    // Reloads the application's items before a fill: their count, the columns, and the items
    // themselves for the caller. By default the grid's own counts and no items.
    virtual BOOL PrepareLoad(int& nRows, int& nCols, std::vector<void*>& items);

    CVnGridCore* GetGrid() const { return m_pGrid; }

protected:
    CVnGridCore* m_pGrid;
};
