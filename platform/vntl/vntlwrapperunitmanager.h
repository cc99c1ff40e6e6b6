// The unit services of the current drawing, as the module reaches them.
#pragma once

#include "vntl/vnunitmanager.h"

class AcDbDatabase;

class VNTLWrapperUnitManager {
public:
    // The display unit of the current drawing for an id; see CVnUnitManager::GetVisUnit.
    static CVnUnit* GetVisUnit(int id, AcDbDatabase* database);
    static double GetMetricsFactor(AcDbDatabase* database);

    // Not the host's API: the manager the functions above forward to. This host keeps one
    // set of unit settings for the whole process, shared by every drawing, so `database` is
    // accepted and ignored (the module always passes null, meaning the current drawing).
    // Hosts and tests configure it.
    static CVnUnitManager& Manager(AcDbDatabase* database = nullptr);
};
