// Editing bars: insertion, modification and removal with the host's in-use check.
// Until these write to the database they change nothing and report failure.
#include "rebar/vnrebarsteelgradecatalog.h"

bool CVnRebarSteelGradeCatalog::RemoveSteelgrade(const wchar_t*, const wchar_t*) {
    return false;
}

CVnRebarSteelGradeCatalog::DeleteStatus CVnRebarSteelGradeCatalog::RemoveSteelgradeIfUnused(
    const wchar_t*, const wchar_t*, UsageCallback) {
    return NotDeleted;
}

CVnRebarSteelGradeCatalog::DeleteStatus CVnRebarSteelGradeCatalog::InvestigateSteelgradeIfUnused(
    const wchar_t*, const wchar_t*, UsageCallback) {
    return NotDeleted;
}

bool CVnRebarSteelGradeCatalog::ModifySteelgrade(const wchar_t*, const wchar_t*,
                                                 CVnRebarSteelGrade*) {
    return false;
}

bool CVnRebarSteelGradeCatalog::InsertSteelgrade(CVnRebarSteelGrade*, bool) {
    return false;
}
