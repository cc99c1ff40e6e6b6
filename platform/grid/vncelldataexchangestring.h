// A text exchanged with a cell as it is.
#pragma once

#include "grid/vncelldataexchange.h"
#include "win/cstring.h"

class CVnCellDataExchangeString : public CVnCellDataExchange {
public:
    // With bAutoDelete the exchange owns the text and deletes it.
    explicit CVnCellDataExchangeString(CString* pValue, BOOL bAutoDelete = FALSE)
        : m_pValue(pValue), m_bAutoDelete(bAutoDelete != FALSE) {}
    ~CVnCellDataExchangeString() override;

    void SetValueToGrid(CVnGridCore* pGrid, int nAppRow, int nCol) override;
    BOOL GetValueFromGrid(CVnGridCore* pGrid, int nAppRow, int nCol) override;

private:
    CString* m_pValue;
    bool m_bAutoDelete;
};
