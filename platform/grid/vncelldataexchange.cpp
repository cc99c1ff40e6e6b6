// The text and unit exchanges.
#include "grid/vncelldataexchangestring.h"
#include "grid/vncelldataexchangeunit.h"
#include "grid/vngridcore.h"

namespace {

// Values below this are no lengths, weights or sections a person gave: they stand for "not
// given" whatever unit conversion they went through.
constexpr double kNotGivenBelow = -1e-10;
constexpr double kUndefinedValue = -1.7976931348623157e+150;

int gridRow(CVnGridCore* pGrid, int nAppRow) {
    return pGrid->GetRowManager()->AR2GR(nAppRow);
}

}  // namespace

CVnCellDataExchangeString::~CVnCellDataExchangeString() {
    if (m_bAutoDelete) delete m_pValue;
}

void CVnCellDataExchangeString::SetValueToGrid(CVnGridCore* pGrid, int nAppRow, int nCol) {
    pGrid->SetValue(gridRow(pGrid, nAppRow), nCol, *m_pValue);
}

BOOL CVnCellDataExchangeString::GetValueFromGrid(CVnGridCore* pGrid, int nAppRow, int nCol) {
    *m_pValue = pGrid->GetValueAsString(gridRow(pGrid, nAppRow), nCol);
    return TRUE;
}

CVnCellDataExchangeUnit::~CVnCellDataExchangeUnit() {
    if (m_bAutoDelete) delete m_pValue;
}

CString CVnCellDataExchangeUnit::Format(const CVnUnit* pUnit, double value) {
    if (value < kNotGivenBelow) return CString(L"-");
    CVnUnit plain;
    wchar_t buffer[50];
    return (pUnit ? *pUnit : plain).Double2String(buffer, value, 1, L"%.*f", 0, 1, 50);
}

void CVnCellDataExchangeUnit::SetValueToGrid(CVnGridCore* pGrid, int nAppRow, int nCol) {
    pGrid->SetValue(gridRow(pGrid, nAppRow), nCol, Format(m_pUnit, *m_pValue));
}

BOOL CVnCellDataExchangeUnit::GetValueFromGrid(CVnGridCore* pGrid, int nAppRow, int nCol) {
    CString text = pGrid->GetValueAsString(gridRow(pGrid, nAppRow), nCol);
    text.Trim();
    if (text == L"-") {
        *m_pValue = kUndefinedValue;
        return TRUE;
    }
    CVnUnit plain;
    int error = 0;
    double value = (m_pUnit ? *m_pUnit : plain).String2Double(text, &error, 1);
    if (error != 0) return FALSE;
    *m_pValue = value;
    return TRUE;
}
