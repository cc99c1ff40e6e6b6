#include "grid/vngridcontroller.h"

#include "grid/vngridcore.h"

CVnGridController::~CVnGridController() = default;

void CVnGridController::Register(CVnGridCore* pGrid) {
    m_pGrid = pGrid;
}

BOOL CVnGridController::CanStoreText(int, int nCol, const CString& text) {
    return !m_pGrid || m_pGrid->GetGridValidator()->IsValid(nCol, text);
}
