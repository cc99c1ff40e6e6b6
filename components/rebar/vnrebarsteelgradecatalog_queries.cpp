// Families and bars: the read-only questions the host asks the catalogue.
// Until these are answered from the database they report nothing found.
#include "rebar/vnrebarsteelgradecatalog.h"

bool CVnRebarSteelGradeCatalog::FindSteelgradeFamily(const wchar_t*) {
    return false;
}

bool CVnRebarSteelGradeCatalog::GetSteelgradeFamilies(CStringList&, CString) {
    return false;
}

bool CVnRebarSteelGradeCatalog::CheckSteelgradeFamilyForFixedDiameter(const wchar_t*) {
    return false;
}

bool CVnRebarSteelGradeCatalog::GetFamilySteelgrade(CStringList&, const wchar_t*) {
    return false;
}

bool CVnRebarSteelGradeCatalog::GetDiametersForFamilySteelgrade(CStringList&, const wchar_t*,
                                                                bool&) {
    return false;
}

bool CVnRebarSteelGradeCatalog::GetDiameterNamesForFamilySteelgrade(CStringList&, const wchar_t*,
                                                                    bool&, bool&) {
    return false;
}

bool CVnRebarSteelGradeCatalog::GetNameForFamilySteelgrade(CStringList&, const wchar_t*) {
    return false;
}

bool CVnRebarSteelGradeCatalog::GetPatternNameForDiameter(const wchar_t*, const wchar_t*,
                                                          CString&) {
    return false;
}

bool CVnRebarSteelGradeCatalog::FindSteelgrade(const wchar_t*, const wchar_t*) {
    return false;
}

CVnRebarSteelGrade CVnRebarSteelGradeCatalog::GetSteelgradeByDiameter(const wchar_t*,
                                                                      const wchar_t*, double,
                                                                      bool& found) {
    found = false;
    return CVnRebarSteelGrade();
}

CVnRebarSteelGrade CVnRebarSteelGradeCatalog::GetSteelgrade(const wchar_t*, const wchar_t*, double,
                                                            bool& found) {
    found = false;
    return CVnRebarSteelGrade();
}
