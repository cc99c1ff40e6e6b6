#include "grid/gxrange.h"

#include <algorithm>

CGXRange& CGXRange::SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    top = std::min(nTop, nBottom);
    bottom = std::max(nTop, nBottom);
    left = std::min(nLeft, nRight);
    right = std::max(nLeft, nRight);
    rtType = rtCells;
    m_bValid = TRUE;
    return *this;
}

CGXRange& CGXRange::SetRows(ROWCOL nFromRow, ROWCOL nToRow) {
    if (nToRow == GX_INVALID) nToRow = nFromRow;
    SetCells(nFromRow, 0, nToRow, GX_INVALID - 1);
    rtType = rtRows;
    return *this;
}

CGXRange& CGXRange::SetCols(ROWCOL nFromCol, ROWCOL nToCol) {
    if (nToCol == GX_INVALID) nToCol = nFromCol;
    SetCells(0, nFromCol, GX_INVALID - 1, nToCol);
    rtType = rtCols;
    return *this;
}

CGXRange& CGXRange::SetTable() {
    SetCells(0, 0, GX_INVALID - 1, GX_INVALID - 1);
    rtType = rtTable;
    return *this;
}

BOOL CGXRange::IsCellInRange(ROWCOL nRow, ROWCOL nCol) const {
    return m_bValid && nRow >= top && nRow <= bottom && nCol >= left && nCol <= right;
}

CGXRange& CGXRange::ExpandRange(ROWCOL nMinRow, ROWCOL nMinCol, ROWCOL nMaxRow, ROWCOL nMaxCol) {
    if (!m_bValid) return *this;
    ROWCOL t = std::max(top, nMinRow), l = std::max(left, nMinCol);
    ROWCOL b = std::min(bottom, nMaxRow), r = std::min(right, nMaxCol);
    if (t > b || l > r) {
        m_bValid = FALSE;
        return *this;
    }
    return SetCells(t, l, b, r);
}
