// The bar-type combo's fills from its catalogue: the families of a standard, the diameters of
// a family (served from the control's cache once read) and the bar names of a family.
#include "rebar/vnbartypesmartcombobox.h"
#include "rebar/vnguard.h"
#include "rebar/vnrebarsteelgradecatalog.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnbartypesmartcombobox_fills.cpp"
#define BARTYPE_GUARD(member) VN_GUARD_SITE(CVnBarTypeSmartComboBox, member)

namespace {

// The unit types of CVnUnit::GetType().
constexpr int kMetricUnit = 0;
constexpr int kImperialUnit = 1;

void appendTo(std::list<std::wstring>& cached, const CStringList& texts) {
    for (POSITION pos = texts.GetHeadPosition(); pos;) cached.emplace_back(texts.GetNext(pos));
}

}  // namespace

void CVnBarTypeSmartComboBox::FillComboSteelgradeFromDatabase(CString standard) {
    rebar::guarded(BARTYPE_GUARD(FillComboSteelgradeFromDatabase), [&] {
        CStringList families;
        catalog->GetSteelgradeFamilies(families, standard);
        for (POSITION pos = families.GetHeadPosition(); pos;) {
            const CString& family = families.GetNext(pos);
            CStringList diameters;
            catalog->GetDiametersForFamilySteelgrade(diameters, family, fixedDiameter);
            appendTo(diametersBySteelgrade[family.GetString()], diameters);
            fixedBySteelgrade[family.GetString()] = fixedDiameter;
        }
        SetStringComboSteelgrade(families);
        if (sort) SortComboSteelgrade();
    });
}

void CVnBarTypeSmartComboBox::FillComboDiameterFromDatabase(CString family) {
    rebar::guarded(BARTYPE_GUARD(FillComboDiameterFromDatabase), [&] {
        CStringList texts;
        auto cached = diametersBySteelgrade.find(family.GetString());
        if (cached != diametersBySteelgrade.end()) {
            for (const std::wstring& text : cached->second) texts.AddTail(CString(text.c_str()));
            fixedDiameter = fixedBySteelgrade[family.GetString()];
        } else {
            catalog->GetDiametersForFamilySteelgrade(texts, family, fixedDiameter);
            appendTo(diametersBySteelgrade[family.GetString()], texts);
            fixedBySteelgrade[family.GetString()] = fixedDiameter;
        }
        diameterCombo.SetPhiEnabled(1);
        SetStringComboDiameter(texts);
        if (sort) SortComboDiameter();
    });
}

void CVnBarTypeSmartComboBox::FillComboNameFromDatabase(CString family) {
    rebar::guarded(BARTYPE_GUARD(FillComboNameFromDatabase), [&] {
        CStringList names;
        catalog->GetNameForFamilySteelgrade(names, family);
        CVnUnit unit;
        if (catalog->GetParameterUnit(family, L"Diameter_Real", unit, 1.0)) {
            if (unit.GetType() == kImperialUnit) {
                imperialNames = true;
                metricNames = false;
            } else if (unit.GetType() == kMetricUnit) {
                metricNames = true;
                imperialNames = false;
            }
        }
        SetStringComboName(names);
        if (sort) SortComboName();
    });
}

void CVnBarTypeSmartComboBox::refillFirstCombo(const CString& family) {
    if (nameMode)
        FillComboNameFromDatabase(family);
    else
        FillComboDiameterFromDatabase(family);
}
