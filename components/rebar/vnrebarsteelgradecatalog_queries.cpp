// Families and bars: the read-only questions the host asks the catalogue. Every query reads
// the container afresh, so an edit made through any catalogue object shows at once.
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "rebar/familylist.h"
#include "rebar/host/cad.h"
#include "rebar/rebarvalues.h"
#include "rebar/vnguard.h"
#include "rebar/vnrebarsteelgradecatalog.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnrebarsteelgradecatalog_queries.cpp"
#define GUARD(member) VN_GUARD_SITE(CVnRebarSteelGradeCatalog, member)

namespace {

using rebar::kSteelGradeList;
const wchar_t kFixedDiameter[] = L"Fixed Diameter";

bool isReservedTable(const CString& name) {
    return name.CompareNoCase(L"Definition") == 0 || name.CompareNoCase(kSteelGradeList) == 0 ||
           name.CompareNoCase(L"Units") == 0;
}

using Setter = CVnRebarSteelGrade::ErrorStatus (CVnRebarSteelGrade::*)(double);

enum class Scaling { Length, Weight, Section };

struct BarColumn {
    const wchar_t* column;
    const wchar_t* unitColumn;
    Setter setter;
    Scaling scaling;
    double whenNotGiven;
};

// The numeric bar columns in the order a stored row is converted.
constexpr double kUndefined = rebar::kUndefinedValue;
const BarColumn kBarColumns[] = {
    {L"Diameter_Nominal", L"Diameter_Real", &CVnRebarSteelGrade::setDiameterNom, Scaling::Length,
     kUndefined},
    {L"Diameter_Real", L"Diameter_Real", &CVnRebarSteelGrade::setDiameterReal, Scaling::Length,
     kUndefined},
    {L"Stirrup/Hook", L"Stirrup/Hook", &CVnRebarSteelGrade::setEtrierCadre, Scaling::Length,
     kUndefined},
    {L"Anchor", L"Anchor", &CVnRebarSteelGrade::setAnchor, Scaling::Length, kUndefined},
    {L"Bend", L"Bend", &CVnRebarSteelGrade::setBend, Scaling::Length, kUndefined},
    {L"LengthAnchor", L"LengthAnchor", &CVnRebarSteelGrade::setLengthAnchor, Scaling::Length,
     kUndefined},
    {L"Weight", L"Weight", &CVnRebarSteelGrade::setWeight, Scaling::Weight, kUndefined},
    {L"Section", L"Section", &CVnRebarSteelGrade::setSurface, Scaling::Section, kUndefined},
    {L"Perimeter", L"Perimeter", &CVnRebarSteelGrade::setPerimeter, Scaling::Length, kUndefined},
    // A minimal length that is not given imposes no minimum.
    {L"MinimalEndLeg", L"MinimalEndLeg", &CVnRebarSteelGrade::setMinimalEndLeg, Scaling::Length,
     0.0},
    {L"MinimalInterLeg", L"MinimalInterLeg", &CVnRebarSteelGrade::setMinimalInterLeg,
     Scaling::Length, 0.0},
    {L"MinimalStraightBar", L"MinimalStraightBar", &CVnRebarSteelGrade::setMinimalStraightBar,
     Scaling::Length, 0.0},
};

const BarColumn kStockColumns[] = {
    {L"MillStockLength", L"MillStockLength", &CVnRebarSteelGrade::setMillStockLenght,
     Scaling::Length, kUndefined},
    {L"MaxStockLength", L"MaxStockLength", &CVnRebarSteelGrade::setMaxStockLenght, Scaling::Length,
     kUndefined},
};

// The keys a column is read by, made once rather than at every row: the row map is keyed by
// CString, the units pool by std::wstring.
struct ColumnKeys {
    CString column;
    std::wstring unitColumn;
};

template <std::size_t N>
std::array<ColumnKeys, N> keysOf(const BarColumn (&columns)[N]) {
    std::array<ColumnKeys, N> keys;
    for (std::size_t i = 0; i < N; ++i) keys[i] = {columns[i].column, columns[i].unitColumn};
    return keys;
}

const auto& barColumnKeys() {
    static const auto keys = keysOf(kBarColumns);
    return keys;
}

const auto& stockColumnKeys() {
    static const auto keys = keysOf(kStockColumns);
    return keys;
}

double scaled(double value, Scaling scaling, double scale) {
    switch (scaling) {
        case Scaling::Weight:
            return value / scale;
        case Scaling::Section:
            return value * scale * scale;
        case Scaling::Length:
            break;
    }
    return value * scale;
}

}  // namespace

bool CVnRebarSteelGradeCatalog::FindSteelgradeFamily(const wchar_t* family) {
    return rebar::guarded(GUARD(FindSteelgradeFamily), [&] {
        if (!m_pMdbContainer || !family || !*family || isReservedTable(family)) return false;
        // The container finds a table by its name at once; listing the tables and comparing
        // each would cost a catalogue of thousands of families that much at every question.
        CStringArray columns;
        return m_pMdbContainer->getTableFiends(family, columns);
    });
}

bool CVnRebarSteelGradeCatalog::GetTableNameFromSteelgrade(CStringList& families,
                                                           const CString& standard) {
    return rebar::guarded(GUARD(GetTableNameFromSteelgrade), [&] {
        if (!m_pMdbContainer) return false;
        CStringArray names, standards;
        if (rebar::readFamilyList(*m_pMdbContainer, L"Standard", names, standards)) {
            for (INT_PTR i = 0; i < names.GetSize(); ++i)
                if (standard.IsEmpty() || standards[i].CompareNoCase(standard) == 0)
                    families.AddTail(names[i]);
        }
        return true;
    });
}

bool CVnRebarSteelGradeCatalog::GetSteelgradeFamilies(CStringList& families, CString standard) {
    return rebar::guarded(GUARD(GetSteelgradeFamilies),
                          [&] { return GetTableNameFromSteelgrade(families, standard); });
}

bool CVnRebarSteelGradeCatalog::FixedDiameterMark(const wchar_t* family) {
    return rebar::familyListText(*m_pMdbContainer, family, L"RadiusDisplay")
               .CompareNoCase(kFixedDiameter) == 0;
}

bool CVnRebarSteelGradeCatalog::CheckSteelgradeFamilyForFixedDiameter(const wchar_t* family) {
    return rebar::guarded(GUARD(CheckSteelgradeFamilyForFixedDiameter), [&] {
        return FindSteelgradeFamily(family) && FixedDiameterMark(family);
    });
}

bool CVnRebarSteelGradeCatalog::IsFixedDiameter(CString family) {
    return rebar::guarded(GUARD(IsFixedDiameter), [&] {
        Row row;
        if (!m_pMdbContainer ||
            m_pMdbContainer->getTableLine(kSteelGradeList, L"Name", COleVariant(family), row) < 0)
            return false;
        return VariantToString(row[L"RadiusDisplay"]).CompareNoCase(kFixedDiameter) == 0;
    });
}

bool CVnRebarSteelGradeCatalog::GetFamilySteelgrade(CStringList& names, const wchar_t* family) {
    return rebar::guarded(GUARD(GetFamilySteelgrade), [&] {
        CStringArray barNames;
        std::vector<double> diameters;
        if (!FindSteelgradeFamily(family) ||
            !m_pMdbContainer->getColumnAsString(family, L"Name", barNames) ||
            !m_pMdbContainer->getColumnAsDouble(family, L"Diameter_Nominal", diameters) ||
            static_cast<size_t>(barNames.GetSize()) != diameters.size())
            return false;
        // A diameter that is not a number (a text "NaN" in the cell) sorts last: compared as
        // it is, it would leave the whole list out of order.
        std::vector<std::pair<double, CString>> bars;
        for (size_t i = 0; i < diameters.size(); ++i)
            bars.emplace_back(std::isnan(diameters[i]) ? -HUGE_VAL : diameters[i], barNames[i]);
        std::sort(bars.begin(), bars.end(),
                  [](const auto& a, const auto& b) { return a.first > b.first; });
        for (const auto& [diameter, name] : bars)
            if (!name.IsEmpty()) names.AddTail(name);
        return true;
    });
}

bool CVnRebarSteelGradeCatalog::GetDiametersForFamilySteelgrade(CStringList& diameters,
                                                                const wchar_t* family,
                                                                bool& fixedDiameter) {
    return rebar::guarded(GUARD(GetDiametersForFamilySteelgrade), [&] {
        fixedDiameter = false;
        if (!FindSteelgradeFamily(family)) return false;
        fixedDiameter = FixedDiameterMark(family);
        std::vector<double> values;
        if (m_pMdbContainer->getColumnAsDouble(family, L"Diameter_Nominal", values)) {
            for (double value : values) {
                CString text;
                text.Format(L"%g", value);
                diameters.AddTail(text);
            }
        }
        return true;
    });
}

bool CVnRebarSteelGradeCatalog::GetDiameterNamesForFamilySteelgrade(CStringList& names,
                                                                    const wchar_t* family,
                                                                    bool& fixedDiameter,
                                                                    bool& /*spareFlag*/) {
    return rebar::guarded(GUARD(GetDiameterNamesForFamilySteelgrade), [&] {
        fixedDiameter = false;
        if (!FindSteelgradeFamily(family)) return false;
        fixedDiameter = FixedDiameterMark(family);
        CStringArray barNames;
        if (m_pMdbContainer->getColumnAsString(family, L"Name", barNames))
            for (INT_PTR i = 0; i < barNames.GetSize(); ++i) names.AddTail(barNames[i]);
        return true;
    });
}

bool CVnRebarSteelGradeCatalog::GetNameForFamilySteelgrade(CStringList& names,
                                                           const wchar_t* family) {
    return rebar::guarded(GUARD(GetNameForFamilySteelgrade), [&] {
        if (!FindSteelgradeFamily(family)) return false;
        CStringArray barNames;
        if (m_pMdbContainer->getColumnAsString(family, L"Name", barNames))
            for (INT_PTR i = 0; i < barNames.GetSize(); ++i)
                if (!names.Find(barNames[i])) names.AddTail(barNames[i]);
        return true;
    });
}

bool CVnRebarSteelGradeCatalog::GetPatternNameForDiameter(const wchar_t* family,
                                                          const wchar_t* diameterText,
                                                          CString& name) {
    return rebar::guarded(GUARD(GetPatternNameForDiameter), [&] {
        name.Empty();
        CStringList names, diameters;
        bool fixedDiameter = false, spare = false;
        GetDiameterNamesForFamilySteelgrade(names, family, fixedDiameter, spare);
        GetDiametersForFamilySteelgrade(diameters, family, fixedDiameter);
        POSITION namePos = names.GetHeadPosition();
        POSITION diameterPos = diameters.GetHeadPosition();
        while (namePos && diameterPos) {
            const CString& barName = names.GetNext(namePos);
            if (diameters.GetNext(diameterPos) == (diameterText ? diameterText : L"")) {
                name = barName;
                return true;
            }
        }
        return false;
    });
}

// The first row holding `value` in `column` of the family's table, or of the first listed
// family's table that has one when no family is given; its table stays empty when none does.
int CVnRebarSteelGradeCatalog::FindInFamilies(const wchar_t* family, const wchar_t* column,
                                              const COleVariant& value, CString& table, Row& row) {
    table.Empty();
    if (!m_pMdbContainer) return -1;
    CStringList tables;
    if (family)
        tables.AddTail(family);
    else
        GetSteelgradeFamilies(tables, CString());
    int index = -1;
    for (POSITION pos = tables.GetHeadPosition(); pos && index == -1;) {
        row.clear();
        table = tables.GetNext(pos);
        index = m_pMdbContainer->getTableLine(table, column, value, row);
    }
    if (index == -1) table.Empty();
    return index;
}

int CVnRebarSteelGradeCatalog::InternalFindSteelgrade(const wchar_t* name, const wchar_t* family,
                                                      CString& table, Row& row) {
    return rebar::guarded(GUARD(InternalFindSteelgrade), [&] {
        return FindInFamilies(family, L"Name", COleVariant(name), table, row);
    });
}

bool CVnRebarSteelGradeCatalog::InternalFindSteelgradeByDiameter(const wchar_t* diameterText,
                                                                 const wchar_t* family,
                                                                 CString& table, Row& row) {
    return rebar::guarded(GUARD(InternalFindSteelgradeByDiameter), [&] {
        // Leading blanks are skipped and what follows the number (a unit, say) ignored.
        COleVariant diameter(_wtof(diameterText ? diameterText : L""));
        return FindInFamilies(family, L"Diameter_Nominal", diameter, table, row) != -1;
    });
}

bool CVnRebarSteelGradeCatalog::FindSteelgrade(const wchar_t* name, const wchar_t* family) {
    return rebar::guarded(GUARD(FindSteelgrade), [&] {
        CString table;
        Row row;
        return InternalFindSteelgrade(name, family, table, row) != -1;
    });
}

CVnRebarSteelGrade CVnRebarSteelGradeCatalog::GetSteelgrade(const wchar_t* name,
                                                            const wchar_t* family, double scale,
                                                            bool& found) {
    return rebar::guarded(GUARD(GetSteelgrade), [&] {
        CVnRebarSteelGrade record;
        CString table;
        Row row;
        found = InternalFindSteelgrade(name, family, table, row) != -1;
        if (found) found = ImportSteelgrade(row, table, scale, record);
        return record;
    });
}

CVnRebarSteelGrade CVnRebarSteelGradeCatalog::GetSteelgradeByDiameter(const wchar_t* diameterText,
                                                                      const wchar_t* family,
                                                                      double scale, bool& found) {
    return rebar::guarded(GUARD(GetSteelgradeByDiameter), [&] {
        CVnRebarSteelGrade record;
        CString table;
        Row row;
        found = InternalFindSteelgradeByDiameter(diameterText, family, table, row);
        if (found) found = ImportSteelgrade(row, table, scale, record);
        return record;
    });
}

void CVnRebarSteelGradeCatalog::GetAdherence(const CString& family, CString& adherence,
                                             bool& found) {
    rebar::guarded(GUARD(GetAdherence), [&] {
        found = false;
        Row row;
        if (!m_pMdbContainer ||
            m_pMdbContainer->getTableLine(kSteelGradeList, L"Name", COleVariant(family), row) < 0)
            return;
        if (auto entry = row.find(L"Adherence"); entry != row.end()) {
            adherence = VariantToString(entry->second);
            found = true;
        }
    });
}

bool CVnRebarSteelGradeCatalog::GetSteelLimit(const CString& family, double& limit) const {
    return rebar::guarded(GUARD(GetSteelLimit), [&] {
        limit = -1.0;
        Row row;
        if (!m_pMdbContainer ||
            m_pMdbContainer->getTableLine(kSteelGradeList, L"Name", COleVariant(family), row) < 0)
            return false;
        auto entry = row.find(L"SteelLimit");
        if (entry == row.end()) return false;
        limit = VariantToDouble(entry->second);
        return true;
    });
}

bool CVnRebarSteelGradeCatalog::ImportSteelgrade(Row& row, CString family, double scale,
                                                 CVnRebarSteelGrade& record) {
    return rebar::guarded(GUARD(ImportSteelgrade), [&] {
        // The family's units are looked up once per row, when the first value needs them, in
        // the pool GetParameterUnit reads: the same unit for every column. Only the unit's
        // coefficient is used, and it does not depend on the metrics factor (the scale) that
        // GetParameterUnit would set on its copy.
        const std::map<std::wstring, UNITINFO>* units = nullptr;
        bool unitsLookedUp = false;
        auto toFamilyUnit = [&](double value, const ColumnKeys& keys) {
            if (!unitsLookedUp) {
                unitsLookedUp = true;
                if (UnitsPool* pool = getMapUnits()) {
                    auto found = pool->find(StdText(family));
                    if (found != pool->end()) units = &found->second;
                }
            }
            if (!units) return value;
            auto entry = units->find(keys.unitColumn);
            return entry == units->end() ? value : value / entry->second.unit.GetCoef();
        };
        static const CString kName(L"Name");
        record.setName(VariantToString(row[kName]));
        const auto& barKeys = barColumnKeys();
        for (std::size_t i = 0; i < barKeys.size(); ++i) {
            const BarColumn& column = kBarColumns[i];
            double value = VariantToDouble(row[barKeys[i].column]);
            // A text that reads as "not a number" gives no value, as -1 does.
            if (value == rebar::kNotGiven || std::isnan(value))
                value = column.whenNotGiven;
            else
                value = toFamilyUnit(scaled(value, column.scaling, scale), barKeys[i]);
            (record.*column.setter)(value);
        }
        // Stock lengths may be left empty: then the family shows no stock-length columns.
        const auto& stockKeys = stockColumnKeys();
        for (std::size_t i = 0; i < stockKeys.size(); ++i) {
            const BarColumn& column = kStockColumns[i];
            const COleVariant& cell = row[stockKeys[i].column];
            double value = rebar::kUndefinedValue;
            if (cell.vt == VT_EMPTY)
                SetAreMillAndMaxStockLengthValid(false);
            else if (const double stored = VariantToDouble(cell); !std::isnan(stored))
                value = toFamilyUnit(stored * scale, stockKeys[i]);
            (record.*column.setter)(value);
        }
        record.setFamily(family);
        return true;
    });
}
