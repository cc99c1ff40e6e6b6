// The cells of a grid: the row and column counts, one style per cell and one base style per
// column, which rows added later take. Rows and columns are numbered as the grid numbers them,
// header rows and columns included.
#pragma once

#include <vector>

#include "grid/gxdefs.h"
#include "grid/gxstyle.h"

class CGXData {
public:
    CGXData() = default;
    CGXData(const CGXData&) = delete;
    CGXData& operator=(const CGXData&) = delete;
    virtual ~CGXData() = default;

    // The number of the last row and the last column; rows 0..GetRowCount() exist.
    ROWCOL GetRowCount() const { return m_nRows; }
    ROWCOL GetColCount() const { return m_nCols; }
    BOOL StoreRowCount(ROWCOL nRows);
    BOOL StoreColCount(ROWCOL nCols);

    // The style stored for one cell (without the column's base style); FALSE outside the grid.
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy) const;
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt);
    // A column's base style, beneath each of its cells' own.
    const CGXStyle& GetColBaseStyle(ROWCOL nCol) const;
    BOOL StoreColBaseStyle(ROWCOL nCol, const CGXStyle& style, GXModifyType mt);

    // New rows are empty; later rows move down. FALSE when nRow is past the end.
    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount);
    BOOL StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow);
    BOOL StoreInsertCols(ROWCOL nCol, ROWCOL nCount);
    BOOL StoreRemoveCols(ROWCOL nFromCol, ROWCOL nToCol);

private:
    std::vector<CGXStyle> emptyRow() const { return std::vector<CGXStyle>(m_nCols + 1); }

    ROWCOL m_nRows = 0;
    ROWCOL m_nCols = 0;
    std::vector<std::vector<CGXStyle>> m_cells{1, std::vector<CGXStyle>(1)};
    std::vector<CGXStyle> m_colStyles{1};
};
