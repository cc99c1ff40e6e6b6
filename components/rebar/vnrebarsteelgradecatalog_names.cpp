// Diameter names and standards: bar names and nominal diameters both ways per family, and
// which standard a family follows.
#include <vector>

#include "rebar/familylist.h"
#include "rebar/host/cad.h"
#include "rebar/vnguard.h"
#include "rebar/vnrebarsteelgradecatalog.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnrebarsteelgradecatalog_names.cpp"
#define GUARD(member) VN_GUARD_SITE(CVnRebarSteelGradeCatalog, member)

CString CVnRebarSteelGradeCatalog::GetStandardFromSteelGrade(CString family) {
    return rebar::guarded(GUARD(GetStandardFromSteelGrade), [&] {
        if (!m_pMdbContainer) return CString();
        return rebar::familyListText(*m_pMdbContainer, family, L"Standard");
    });
}

namespace {

// Standards under which bars are designated by a name (a bar number), not a diameter.
bool namesBarsByDesignation(const CString& standard) {
    return standard.CompareNoCase(L"CSA A23 M") == 0 || standard.CompareNoCase(L"CSA A23 I") == 0 ||
           standard.CompareNoCase(L"ACI") == 0;
}

}  // namespace

CVnRebarSteelGradeCatalog::DiameterNameMap* CVnRebarSteelGradeCatalog::getMapRuleName() {
    return rebar::guarded(GUARD(getMapRuleName), [&]() -> DiameterNameMap* {
        static DiameterNameMap withoutDocument;
        _PerDocMapsStruct* maps = getMapsStruct();
        if (!maps) return &withoutDocument;
        if (!maps->ruleNamesFilled) {
            // A refill adds and overwrites; names that left the database stay.
            CStringList families;
            GetTableNameFromSteelgrade(families, CString());
            for (POSITION pos = families.GetHeadPosition(); pos;)
                FillDiameterByName(maps->mapRuleName, families.GetNext(pos));
            maps->ruleNamesFilled = true;
        }
        return &maps->mapRuleName;
    });
}

bool CVnRebarSteelGradeCatalog::FillDiameterByName(DiameterNameMap& diameterNames, CString family) {
    return rebar::guarded(GUARD(FillDiameterByName), [&] {
        CStringArray names;
        std::vector<double> diameters;
        if (!m_pMdbContainer || !m_pMdbContainer->getColumnAsString(family, L"Name", names) ||
            !m_pMdbContainer->getColumnAsDouble(family, L"Diameter_Nominal", diameters) ||
            static_cast<size_t>(names.GetSize()) != diameters.size())
            return false;
        for (size_t i = 0; i < diameters.size(); ++i)
            FillDiameterMaps(diameterNames, family, names[static_cast<INT_PTR>(i)], diameters[i]);
        return true;
    });
}

void CVnRebarSteelGradeCatalog::FillDiameterMaps(DiameterNameMap& diameterNames, CString family,
                                                 CString name, double diameter) {
    diameterNames[family][name] = diameter;
}

int CVnRebarSteelGradeCatalog::getNominalDiameterFromName(CString family, CString name,
                                                          double& diameter) {
    return rebar::guarded(GUARD(getNominalDiameterFromName), [&] {
        DiameterNameMap* map = getMapRuleName();
        auto bars = map->find(family);
        if (bars == map->end()) return 0;
        auto bar = bars->second.find(name);
        if (bar == bars->second.end()) return 0;
        diameter = bar->second;
        return 1;
    });
}

int CVnRebarSteelGradeCatalog::getNameFromNominalDiameter(CString family, CString& name,
                                                          double diameter) {
    return rebar::guarded(GUARD(getNameFromNominalDiameter), [&] {
        DiameterNameMap* map = getMapRuleName();
        auto bars = map->find(family);
        if (bars == map->end()) return 0;
        // Bars in name order; a diameter matches within 1e-10.
        for (const auto& [barName, stored] : bars->second) {
            if ((diameter - stored) * (diameter - stored) <= 1e-20) {
                name = barName;
                return 1;
            }
        }
        return 0;
    });
}

bool CVnRebarSteelGradeCatalog::GetAllDiametersForStandard(
    CMap<CString, LPCTSTR, double, double>& diameters, bool& byDiameterValue,
    const wchar_t* standard) {
    return rebar::guarded(GUARD(GetAllDiametersForStandard), [&] {
        CString wanted(standard);
        if (wanted.IsEmpty()) wanted = VnProjectSettings::ReadCurrentStandard();
        if (wanted.IsEmpty()) return false;
        byDiameterValue = !namesBarsByDesignation(wanted);
        CStringList families;
        GetTableNameFromSteelgrade(families, wanted);
        if (families.IsEmpty()) return false;
        for (POSITION pos = families.GetHeadPosition(); pos;) {
            CString family = families.GetNext(pos);
            CStringArray names;
            std::vector<double> values;
            if (!m_pMdbContainer->getColumnAsString(family, L"Name", names) ||
                !m_pMdbContainer->getColumnAsDouble(family, L"Diameter_Nominal", values) ||
                static_cast<size_t>(names.GetSize()) != values.size() || values.empty())
                continue;
            for (size_t i = 0; i < values.size(); ++i) {
                const CString& name = names[static_cast<INT_PTR>(i)];
                if (!name.IsEmpty() && values[i] > 0.0) diameters[name] = values[i];
            }
        }
        return true;
    });
}
