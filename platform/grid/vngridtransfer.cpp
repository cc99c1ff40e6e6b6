#include "grid/vngridtransfer.h"

#include <memory>

#include "grid/vncelldataexchange.h"
#include "grid/vngridcore.h"

CVnGridTransfer::~CVnGridTransfer() = default;

BOOL CVnGridTransfer::LockUpdate(BOOL bLock) {
    return m_pGrid->LockUpdate(bLock);
}

void CVnGridTransfer::Redraw() {
    m_pGrid->Redraw(GX_UPDATENOW, TRUE);
}

void CVnGridTransfer::Export() {
    BOOL bWasLocked = LockUpdate(TRUE);
    int nRows = 0, nCols = 0;
    if (PrepareExport(nRows, nCols))
        for (int r = 0; r < nRows; ++r) ExportRow(r);
    LockUpdate(bWasLocked);
    Redraw();
}

void CVnGridTransfer::ImportAll() {
    for (int r = 0; r < m_pGrid->GetRCount(); ++r) ImportRow(m_pGrid->GetRowManager()->GR2AR(r));
}

BOOL CVnGridTransfer::PrepareExport(int& nRows, int& nCols) {
    nRows = m_pGrid->GetRCount();
    nCols = m_pGrid->GetCCount();
    return TRUE;
}

int CVnGridTransfer::CellQuery(int, int) {
    return 0;
}

void CVnGridTransfer::ExportRow(int nAppRow) {
    for (int c = 0; c < m_pGrid->GetCCount(); ++c) ExportCol(nAppRow, c);
}

int CVnGridTransfer::RefreshRow(int nGridRow) {
    ExportRow(m_pGrid->GetRowManager()->GR2AR(nGridRow));
    return m_pGrid->GetCCount();
}

int CVnGridTransfer::AddRow() {
    m_pGrid->AddRow();
    return m_pGrid->GetRowManager()->GR2AR(m_pGrid->GetRCount() - 1);
}

BOOL CVnGridTransfer::DelRow(int nAppRow) {
    int nOriginRow = 0, nOriginCol = 0;
    m_pGrid->GetOrigin(nOriginRow, nOriginCol);
    return m_pGrid->RemoveRow(
        static_cast<ROWCOL>(nOriginRow + m_pGrid->GetRowManager()->AR2GR(nAppRow)));
}

CVnCellDataExchange* CVnGridTransfer::CreateCellExchange(int, int, bool) {
    return nullptr;
}

BOOL CVnGridTransfer::ImportCol(int nAppRow, int nCol) {
    std::unique_ptr<CVnCellDataExchange> exchange(CreateCellExchange(nAppRow, nCol, false));
    return exchange && exchange->GetValueFromGrid(m_pGrid, nAppRow, nCol);
}

void CVnGridTransfer::ExportCol(int nAppRow, int nCol) {
    std::unique_ptr<CVnCellDataExchange> exchange(CreateCellExchange(nAppRow, nCol, true));
    if (exchange) exchange->SetValueToGrid(m_pGrid, nAppRow, nCol);
}

BOOL CVnGridTransfer::ImportRow(int nAppRow) {
    BOOL bAll = TRUE;
    for (int c = 0; c < m_pGrid->GetCCount(); ++c) bAll = ImportCol(nAppRow, c) && bAll;
    return bAll;
}

BOOL CVnGridTransfer::PrepareLoad(int& nRows, int& nCols, std::vector<void*>& items) {
    items.clear();
    return PrepareExport(nRows, nCols);
}
