#include "grid/gxdata.h"

BOOL CGXData::StoreRowCount(ROWCOL nRows) {
    m_cells.resize(nRows + 1, emptyRow());
    m_nRows = nRows;
    return TRUE;
}

BOOL CGXData::StoreColCount(ROWCOL nCols) {
    m_nCols = nCols;
    for (auto& row : m_cells) row.resize(nCols + 1);
    m_colStyles.resize(nCols + 1);
    return TRUE;
}

BOOL CGXData::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt) const {
    if (nRow > m_nRows || nCol > m_nCols) return FALSE;
    style.ChangeStyle(m_cells[nRow][nCol], mt);
    return TRUE;
}

BOOL CGXData::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt) {
    if (nRow > m_nRows || nCol > m_nCols) return FALSE;
    CGXStyle& cell = m_cells[nRow][nCol];
    if (pStyle)
        cell.ChangeStyle(*pStyle, mt);
    else
        cell.Free();
    return TRUE;
}

const CGXStyle& CGXData::GetColBaseStyle(ROWCOL nCol) const {
    static const CGXStyle none;
    return nCol <= m_nCols ? m_colStyles[nCol] : none;
}

BOOL CGXData::StoreColBaseStyle(ROWCOL nCol, const CGXStyle& style, GXModifyType mt) {
    if (nCol > m_nCols) return FALSE;
    m_colStyles[nCol].ChangeStyle(style, mt);
    return TRUE;
}

BOOL CGXData::StoreInsertRows(ROWCOL nRow, ROWCOL nCount) {
    if (nRow > m_nRows + 1) return FALSE;
    m_cells.insert(m_cells.begin() + nRow, nCount, emptyRow());
    m_nRows += nCount;
    return TRUE;
}

BOOL CGXData::StoreRemoveRows(ROWCOL nFromRow, ROWCOL nToRow) {
    if (nFromRow > nToRow || nToRow > m_nRows) return FALSE;
    m_cells.erase(m_cells.begin() + nFromRow, m_cells.begin() + nToRow + 1);
    m_nRows -= nToRow - nFromRow + 1;
    return TRUE;
}

BOOL CGXData::StoreInsertCols(ROWCOL nCol, ROWCOL nCount) {
    if (nCol > m_nCols + 1) return FALSE;
    for (auto& row : m_cells) row.insert(row.begin() + nCol, nCount, CGXStyle());
    m_colStyles.insert(m_colStyles.begin() + nCol, nCount, CGXStyle());
    m_nCols += nCount;
    return TRUE;
}

BOOL CGXData::StoreRemoveCols(ROWCOL nFromCol, ROWCOL nToCol) {
    if (nFromCol > nToCol || nToCol > m_nCols) return FALSE;
    for (auto& row : m_cells) row.erase(row.begin() + nFromCol, row.begin() + nToCol + 1);
    m_colStyles.erase(m_colStyles.begin() + nFromCol, m_colStyles.begin() + nToCol + 1);
    m_nCols -= nToCol - nFromCol + 1;
    return TRUE;
}
