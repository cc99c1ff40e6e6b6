// Diameter names and standards: bar names and nominal diameters both ways per family, and
// which standard a family follows.
#include "rebar/host/cad.h"
#include "rebar/vnguard.h"
#include "rebar/vnrebarsteelgradecatalog.h"

#define GUARD(member) VN_GUARD_SITE(CVnRebarSteelGradeCatalog, member)

CString CVnRebarSteelGradeCatalog::GetStandardFromSteelGrade(CString family) {
    return rebar::guarded(GUARD(GetStandardFromSteelGrade), [&] {
        CStringArray names, standards;
        if (!m_pMdbContainer ||
            !m_pMdbContainer->getColumnAsString(L"SteelGradeList", L"Name", names) ||
            !m_pMdbContainer->getColumnAsString(L"SteelGradeList", L"Standard", standards) ||
            names.GetSize() != standards.GetSize())
            return CString();
        for (INT_PTR i = 0; i < names.GetSize(); ++i)
            if (names[i].CompareNoCase(family) == 0) return standards[i];
        return CString();
    });
}
