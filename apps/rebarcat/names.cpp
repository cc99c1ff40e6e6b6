#include "names.h"

#include <algorithm>
#include <cwchar>

#include "output.h"
#include "vntl/vntlmdbcontainer.h"

namespace rebarcat {

namespace {

template <typename Names>
CString resolve(const Names& names, const std::string& typed) {
    CString wanted = wide(typed);
    auto same = [&](const CString& name) { return name == wanted; };
    auto folded = [&](const CString& name) { return name.CompareNoCase(wanted) == 0; };
    if (std::any_of(names.begin(), names.end(), same)) return wanted;
    auto match = std::find_if(names.begin(), names.end(), folded);
    return match == names.end() ? wanted : *match;
}

std::vector<CString> listed(const CStringList& list) {
    std::vector<CString> names;
    for (POSITION pos = list.GetHeadPosition(); pos;) names.push_back(list.GetNext(pos));
    return names;
}

const wchar_t kHookPrefix[] = L"Hooks ";

std::vector<CString> hookStandards(VNTLMdbContainer& container) {
    CStringArray tables;
    container.getTableList(tables);
    std::vector<CString> standards;
    const int prefix = static_cast<int>(std::wcslen(kHookPrefix));
    for (INT_PTR i = 0; i < tables.GetSize(); ++i)
        if (tables[i].Left(prefix) == kHookPrefix) standards.push_back(tables[i].Mid(prefix));
    return standards;
}

}  // namespace

CString resolveFamily(CVnRebarSteelGradeCatalog& catalog, const std::string& typed) {
    CStringList families;
    catalog.GetSteelgradeFamilies(families, CString());
    return resolve(listed(families), typed);
}

CString resolveBar(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                   const std::string& typed) {
    CStringList names;
    catalog.GetNameForFamilySteelgrade(names, family);
    return resolve(listed(names), typed);
}

CString resolveStandard(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                        const std::string& typed) {
    std::vector<CString> names;
    for (const StandardEntry& standard : catalogueStandards(catalog, container))
        names.push_back(standard.name);
    return resolve(names, typed);
}

std::vector<StandardEntry> catalogueStandards(CVnRebarSteelGradeCatalog& catalog,
                                              VNTLMdbContainer& container) {
    std::vector<StandardEntry> standards;
    auto entry = [&](const CString& name) -> StandardEntry& {
        auto found = std::find_if(standards.begin(), standards.end(),
                                  [&](const StandardEntry& s) { return s.name == name; });
        return found != standards.end() ? *found
                                        : standards.emplace_back(StandardEntry{name, {}, false});
    };
    CStringList families;
    catalog.GetSteelgradeFamilies(families, CString());
    for (const CString& family : listed(families)) {
        CString standard = catalog.GetStandardFromSteelGrade(family);
        if (!standard.IsEmpty()) entry(standard).families.push_back(family);
    }
    for (const CString& standard : hookStandards(container)) entry(standard).hookTable = true;
    return standards;
}

bool namesBars(const CString& standard) {
    for (const wchar_t* naming : {L"CSA A23 M", L"CSA A23 I", L"ACI"})
        if (standard.CompareNoCase(naming) == 0) return true;
    return false;
}

}  // namespace rebarcat
