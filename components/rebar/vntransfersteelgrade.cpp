// Loading a family's bars into the grid, one cell exchange per cell.
#include "rebar/vntransfersteelgrade.h"

#include <memory>

#include "rebar/host/vntl.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "rebar/vntransfersteelgrade_columns.h"

using namespace rebar::transfer;

CVnTransferSteelGrade::CVnTransferSteelGrade(CVnGridCore* grid, CVnRebarSteelGradeCatalog* catalog,
                                             CString family, double scale)
    : CVnGridTransfer(grid), m_family(family), m_pCatalog(catalog), m_scale(scale) {}

CVnTransferSteelGrade::~CVnTransferSteelGrade() {
    ClearRecords();
}

void CVnTransferSteelGrade::ClearRecords() {
    for (CVnRebarSteelGrade* record : m_records) delete record;
    m_records.clear();
}

void CVnTransferSteelGrade::SetFamily(CString family) {
    m_names.RemoveAll();
    m_family = family;
}

void CVnTransferSteelGrade::SetLoadedNames(const CStringArray& names) {
    m_loadedNames.RemoveAll();
    for (INT_PTR i = 0; i < names.GetSize(); ++i) m_loadedNames.Add(names[i]);
}

int CVnTransferSteelGrade::CellQuery(int, int) {
    return DebugLogOption & 1;
}

BOOL CVnTransferSteelGrade::PrepareLoad(int& rows, int& columns, std::vector<void*>& items) {
    m_names.RemoveAll();
    ClearRecords();
    if (m_pCatalog) {
        m_pCatalog->SetAreMillAndMaxStockLengthValid(true);
        m_pCatalog->GetFamilySteelgrade(m_names, m_family);
        for (POSITION pos = m_names.GetHeadPosition(); pos;) {
            const CString& name = m_names.GetNext(pos);
            bool ok = false;
            CVnRebarSteelGrade record = m_pCatalog->GetSteelgrade(name, m_family, m_scale, ok);
            if (ok) m_records.push_back(new CVnRebarSteelGrade(record));
        }
        m_bStockLengthsValid = m_pCatalog->GetAreMillAndMaxStockLengthValid();
    }
    rows = static_cast<int>(m_records.size());
    columns = kColumns;
    m_pGrid->SetRCount(rows);
    items.assign(m_records.begin(), m_records.end());
    return TRUE;
}

void CVnTransferSteelGrade::Load(bool lock, std::vector<CVnRebarSteelGrade*>* out) {
    CGXGridParam* param = m_pGrid->GetParam();
    param->EnableUndo(FALSE);
    const int locked = param->m_bLockUpdate;
    if (lock) param->m_bLockUpdate = 1;
    int rows = 0, columns = 0;
    std::vector<void*> items;
    PrepareLoad(rows, columns, items);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            std::unique_ptr<CVnCellDataExchange> exchange(CreateCellExchange(r, c, true));
            if (exchange) exchange->SetValueToGrid(m_pGrid, r, c);
        }
    }
    if (out) *out = m_records;
    if (lock) {
        param->m_bLockUpdate = locked;
        m_pGrid->Redraw(GX_UPDATENOW, TRUE);
    }
}

int CVnTransferSteelGrade::RefreshRow(int gridRow) {
    const int row = m_pGrid->GetRowManager()->GR2AR(gridRow);
    for (int c = 0; c < m_pGrid->GetCCount(); ++c) {
        std::unique_ptr<CVnCellDataExchange> exchange(CreateCellExchange(row, c, true));
        if (exchange) exchange->SetValueToGrid(m_pGrid, row, c);
    }
    return m_pGrid->GetCCount();
}

CVnCellDataExchange* CVnTransferSteelGrade::CreateCellExchange(int row, int col, bool fromData) {
    if (row < 0 || col < 0 || col >= kColumns || row >= static_cast<int>(m_records.size()))
        return nullptr;
    CVnRebarSteelGrade* record = m_records[static_cast<size_t>(row)];
    const int gridRow = m_pGrid->GetRowManager()->AR2GR(row);
    if (fromData) {
        if (col == 0) {
            CString* guid = nullptr;
            record->GetGUID(&guid);
            m_pGrid->SetCellStyleDataPtr(gridRow, 0, guid);
        }
    } else {
        const CString shown = m_pGrid->GetValueAsString(gridRow, 0);
        if (shown.IsEmpty() || record->name().CompareNoCase(shown) != 0) return nullptr;
    }
    if (col == 0) return new CVnCellDataExchangeString(new CString(record->name()), TRUE);
    const bool fixedDiameter =
        isMandrel(col) && CVnRebarSteelGradeCatalog().IsFixedDiameter(m_family);
    const CVnGridColumn* column = m_pGrid->GetGridColumn(col);
    return new CVnCellDataExchangeUnit(column ? column->m_pUnit : nullptr,
                                       new double(readColumn(*record, col, fixedDiameter)), TRUE);
}

double CVnTransferSteelGrade::readColumn(CVnRebarSteelGrade& record, int col,
                                         bool fixedDiameter) const {
    double value = (record.*numeric(col).get)();
    // A bar without a nominal diameter has no ratio to show: its mandrel stays as stored.
    if (fixedDiameter && record.diameterNom() > 0.0) value /= record.diameterNom();
    if (col == kWeight) value *= m_scale;
    return value;
}
