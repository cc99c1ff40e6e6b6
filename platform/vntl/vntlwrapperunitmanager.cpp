#include "vntl/vntlwrapperunitmanager.h"

CVnUnit* VNTLWrapperUnitManager::GetVisUnit(int id, AcDbDatabase* database) {
    return Manager(database).GetVisUnit(id);
}

double VNTLWrapperUnitManager::GetMetricsFactor(AcDbDatabase* database) {
    return Manager(database).GetMetricsFactor();
}

CVnUnitManager& VNTLWrapperUnitManager::Manager(AcDbDatabase* /*database*/) {
    // Lives in this shared library, so the module and the program see the same settings.
    static CVnUnitManager manager;
    return manager;
}
