// A number exchanged with a cell through a unit: the application holds it in SI, the cell
// shows it in the unit. A value below -1e-10 is a value not given and shows as "-"; reading
// "-" back gives the undefined value -1.7976931348623157e+150.
#pragma once

#include "grid/vncelldataexchange.h"
#include "vntl/vnunit.h"

class CVnCellDataExchangeUnit : public CVnCellDataExchange {
public:
    // The unit stays the caller's (null: the plain number). With bAutoDelete the exchange
    // owns the value and deletes it.
    CVnCellDataExchangeUnit(CVnUnit* pUnit, double* pValue, BOOL bAutoDelete = FALSE)
        : m_pUnit(pUnit), m_pValue(pValue), m_bAutoDelete(bAutoDelete != FALSE) {}
    ~CVnCellDataExchangeUnit() override;

    void SetValueToGrid(CVnGridCore* pGrid, int nAppRow, int nCol) override;
    BOOL GetValueFromGrid(CVnGridCore* pGrid, int nAppRow, int nCol) override;

    // The text a value is shown with in a unit (null: the plain number).
    static CString Format(const CVnUnit* pUnit, double value);

private:
    CVnUnit* m_pUnit;
    double* m_pValue;
    bool m_bAutoDelete;
};
