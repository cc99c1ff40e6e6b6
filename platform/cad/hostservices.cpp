#include "cad/hostservices.h"

#include "cad/hoststate.h"

AcDbDatabase* AcDbHostApplicationServices::workingDatabase() const {
    return cadhost::detail::hostState().working;
}

void AcDbHostApplicationServices::setWorkingDatabase(AcDbDatabase* pDatabase) {
    cadhost::detail::hostState().working = pDatabase;
}

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static AcDbHostApplicationServices services;
    return &services;
}
