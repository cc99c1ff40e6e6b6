#include "rebar/modifieddiameterspool.h"

bool CModifiedDiametersPool::isModified() {
    return m_bModified;
}

bool CModifiedDiametersPool::AddNominalDiameter(const CString& family, const CString& diameter) {
    m_bModified = true;
    AddFamily(family);
    m_families[family].insert(diameter);
    return true;
}

bool CModifiedDiametersPool::FindNominalDiameter(const CString& family, const CString& diameter) {
    if (!FindFamily(family)) return false;
    return m_families[family].count(diameter) > 0;
}

bool CModifiedDiametersPool::DeleteNominalDiameter(const CString&, const CString&) {
    return false;
}

bool CModifiedDiametersPool::FindFamily(const CString& family) {
    return m_families.find(family) != m_families.end();
}

bool CModifiedDiametersPool::AddFamily(const CString& family) {
    if (FindFamily(family)) return false;
    m_families.emplace(family, std::set<CString>{});
    return true;
}
