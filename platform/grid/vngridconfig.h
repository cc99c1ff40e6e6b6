// Settings of a CVnGridCore that its owner chooses once, after the grid is made.
#pragma once

#include "win/windef.h"

class CVnGridConfig {
public:
    // Row titles show the data row numbers 1, 2, 3... (default: empty row titles).
    void SetRowNumbers(BOOL bNumbers) { m_bRowNumbers = bNumbers != FALSE; }
    BOOL GetRowNumbers() const { return m_bRowNumbers; }
    // AddColumn writes "( unit )" under the title of a unit column when the grid has a second
    // title row (default on).
    void SetUnitTitles(BOOL bUnitTitles) { m_bUnitTitles = bUnitTitles != FALSE; }
    BOOL GetUnitTitles() const { return m_bUnitTitles; }

private:
    bool m_bRowNumbers = false;
    bool m_bUnitTitles = true;
};
