// One value moved between an application and one cell of a CVnGridCore. A transfer makes an
// exchange per cell, lets it move the value and discards it. Rows are application rows, turned
// into grid rows through the grid's row manager; columns are data columns counted from 0.
#pragma once

#include "win/windef.h"

class CVnGridCore;

class CVnCellDataExchange {
public:
    // Writes the held value into the cell.
    virtual void SetValueToGrid(CVnGridCore* pGrid, int nAppRow, int nCol) = 0;
    // Reads the cell into the held value; FALSE when its text is no value of the cell's kind.
    virtual BOOL GetValueFromGrid(CVnGridCore* pGrid, int nAppRow, int nCol) = 0;
    virtual ~CVnCellDataExchange() = default;

    CVnCellDataExchange() = default;
    CVnCellDataExchange(const CVnCellDataExchange&) = delete;
    CVnCellDataExchange& operator=(const CVnCellDataExchange&) = delete;
};
