// A range of cells: a block of cells, whole rows, whole columns or the whole table.
#pragma once

#include "grid/gxdefs.h"

class CGXRange {
public:
    enum RangeType { rtCells, rtRows, rtCols, rtTable };

    // An empty range that covers nothing.
    CGXRange() = default;
    CGXRange(ROWCOL nRow, ROWCOL nCol) { SetCells(nRow, nCol); }
    CGXRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
        SetCells(nTop, nLeft, nBottom, nRight);
    }

    CGXRange& SetCells(ROWCOL nRow, ROWCOL nCol) { return SetCells(nRow, nCol, nRow, nCol); }
    CGXRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    // Rows nFromRow to nToRow (one row when nToRow is left out), every column.
    CGXRange& SetRows(ROWCOL nFromRow, ROWCOL nToRow = GX_INVALID);
    CGXRange& SetCols(ROWCOL nFromCol, ROWCOL nToCol = GX_INVALID);
    CGXRange& SetTable();

    BOOL IsValid() const { return m_bValid; }
    BOOL IsCells() const { return m_bValid && rtType == rtCells; }
    BOOL IsRows() const { return m_bValid && rtType == rtRows; }
    BOOL IsCols() const { return m_bValid && rtType == rtCols; }
    BOOL IsTable() const { return m_bValid && rtType == rtTable; }
    ROWCOL GetHeight() const { return bottom - top + 1; }
    ROWCOL GetWidth() const { return right - left + 1; }
    BOOL IsCellInRange(ROWCOL nRow, ROWCOL nCol) const;
    // The cells the range covers in a grid whose last row and column are given: rows, columns
    // and the table become blocks of cells.
    CGXRange& ExpandRange(ROWCOL nMinRow, ROWCOL nMinCol, ROWCOL nMaxRow, ROWCOL nMaxCol);

    // Inclusive bounds. For whole rows only top and bottom count, for whole columns only left
    // and right.
    ROWCOL top = 0;
    ROWCOL left = 0;
    ROWCOL bottom = 0;
    ROWCOL right = 0;
    RangeType rtType = rtCells;

private:
    BOOL m_bValid = FALSE;
};
