#include "barvalues.h"

#include <cmath>

#include "rebar/rebarvalues.h"
#include "vntl/varianttools.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace rebarcat {

const std::vector<BarField>& barFields() {
    using R = CVnRebarSteelGrade;
    static const std::vector<BarField> fields = {
        {"diameter", "diameter", L"Diameter_Nominal", L"Diameter_Real", Quantity::Diameter,
         &R::diameterNom, &R::setDiameterNom},
        {"real diameter", "real-diameter", L"Diameter_Real", L"Diameter_Real", Quantity::Diameter,
         &R::diameterReal, &R::setDiameterReal},
        {"stirrup mandrel", "stirrup-mandrel", L"Stirrup/Hook", L"Stirrup/Hook", Quantity::Length,
         &R::etrierCadre, &R::setEtrierCadre},
        {"anchor mandrel", "anchor-mandrel", L"Anchor", L"Anchor", Quantity::Length, &R::anchor,
         &R::setAnchor},
        {"bend mandrel", "bend-mandrel", L"Bend", L"Bend", Quantity::Length, &R::bend, &R::setBend},
        {"anchorage", "anchorage", L"LengthAnchor", L"LengthAnchor", Quantity::Length,
         &R::lengthAnchor, &R::setLengthAnchor},
        {"weight", "weight", L"Weight", L"Weight", Quantity::WeightPerLength, &R::weight,
         &R::setWeight},
        {"section", "section", L"Section", L"Section", Quantity::Area, &R::surface, &R::setSurface},
        {"perimeter", "perimeter", L"Perimeter", L"Perimeter", Quantity::Length, &R::perimeter,
         &R::setPerimeter},
        {"min end leg", "min-end-leg", L"MinimalEndLeg", L"MinimalEndLeg", Quantity::Length,
         &R::MinimalEndLeg, &R::setMinimalEndLeg},
        {"min inter leg", "min-inter-leg", L"MinimalInterLeg", L"MinimalInterLeg", Quantity::Length,
         &R::MinimalInterLeg, &R::setMinimalInterLeg},
        {"min straight", "min-straight", L"MinimalStraightBar", L"MinimalStraightBar",
         Quantity::Length, &R::MinimalStraightBar, &R::setMinimalStraightBar},
        {"mill stock", "mill-stock", L"MillStockLength", L"MillStockLength", Quantity::Length,
         &R::millStockLength, &R::setMillStockLenght},
        {"max stock", "max-stock", L"MaxStockLength", L"MaxStockLength", Quantity::Length,
         &R::maxStockLength, &R::setMaxStockLenght},
        {"hook leg", "hook-leg", L"LegLength", L"LegLength", Quantity::Length, &R::HookLegLength,
         &R::setHookLegLength},
    };
    return fields;
}

const BarField& nominalDiameterField() {
    return barFields().front();
}

size_t fieldIndex(const wchar_t* column) {
    for (size_t i = 0; i < barFields().size(); ++i)
        if (std::wstring(barFields()[i].column) == column) return i;
    ASSERT(!"a bar column rebarcat does not know");
    return 0;
}

std::optional<double> storedNumber(const COleVariant& cell) {
    if (cell.vt == VT_EMPTY || cell.vt == VT_NULL) return std::nullopt;
    double value = VariantToDouble(cell);
    if (std::isnan(value) || value == rebar::kNotGiven) return std::nullopt;
    return value + 0.0;  // a stored -0 is shown and compared as 0
}

StoredBar readStoredBar(VNTLMdbContainer& container, const CString& family, const CString& name) {
    StoredBar bar;
    VNTLMdbContainer::Row row;
    bar.row = container.getTableLine(family, L"Name", COleVariant(name), row);
    if (bar.row < 0) return bar;
    bar.name = VariantToString(row[L"Name"]);
    for (const BarField& field : barFields()) bar.values.push_back(storedNumber(row[field.column]));
    return bar;
}

std::vector<StoredBar> readStoredBars(CVnRebarSteelGradeCatalog& catalog,
                                      VNTLMdbContainer& container, const CString& family) {
    std::vector<StoredBar> bars;
    CStringList names;
    catalog.GetNameForFamilySteelgrade(names, family);
    for (POSITION pos = names.GetHeadPosition(); pos;) {
        StoredBar bar = readStoredBar(container, family, names.GetNext(pos));
        if (bar.row >= 0) bars.push_back(bar);
    }
    return bars;
}

bool parseDisplayUnits(bool si, const std::optional<std::string>& unit, DisplayUnits& display,
                       std::string& error) {
    if (si && unit) {
        error = "--si and --unit exclude each other";
        return false;
    }
    if (si) display.mode = DisplayUnits::Mode::Si;
    if (!unit) return true;
    CVnUnit length;
    if (CVnUnitManager::UnitFromString(CString(Utf8ToWide(*unit).c_str()), length, 1.0) != 0 ||
        length.GetIDUnit() != 1) {
        error = "unknown length unit '" + *unit + "' (use mm, cm, m, in or ft)";
        return false;
    }
    display.mode = DisplayUnits::Mode::Length;
    display.length = length;
    return true;
}

bool familyUnit(CVnRebarSteelGradeCatalog& catalog, const CString& family, const wchar_t* parameter,
                CVnUnit& unit) {
    return catalog.GetParameterUnit(family, parameter, unit, 1.0);
}

namespace {

// The unit a quantity is shown in when the user chose a length unit.
CVnUnit chosenUnit(const DisplayUnits& display, Quantity quantity) {
    CVnUnit unit = display.length;
    if (quantity == Quantity::Area) unit.SetExponent(2);
    if (quantity == Quantity::WeightPerLength) {
        const wchar_t* name = display.length.GetType() == 1 ? L"lb/ft" : L"kg/m";
        CVnUnitManager::UnitFromString(name, unit, 1.0);
    }
    return unit;
}

const char* siName(Quantity quantity) {
    switch (quantity) {
        case Quantity::Area:
            return "m2";
        case Quantity::WeightPerLength:
            return "kg/m";
        case Quantity::Diameter:
        case Quantity::Length:
            break;
    }
    return "m";
}

// The stored unit and the display unit, or none (SI) for either.
struct Conversion {
    std::optional<CVnUnit> stored, shown;
};

Conversion conversion(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                      const wchar_t* unitColumn, Quantity quantity, const DisplayUnits& display) {
    Conversion result;
    CVnUnit unit;
    if (familyUnit(catalog, family, unitColumn, unit)) result.stored = unit;
    if (display.mode == DisplayUnits::Mode::Length) result.shown = chosenUnit(display, quantity);
    if (display.mode == DisplayUnits::Mode::Family) result.shown = result.stored;
    return result;
}

}  // namespace

std::string shownUnit(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                      const wchar_t* unitColumn, Quantity quantity, const DisplayUnits& display) {
    Conversion units = conversion(catalog, family, unitColumn, quantity, display);
    return units.shown ? utf8(units.shown->GetName()) : siName(quantity);
}

Value shownSi(CVnRebarSteelGradeCatalog& catalog, const CString& family, const wchar_t* unitColumn,
              Quantity quantity, std::optional<double> si, const DisplayUnits& display) {
    Conversion units = conversion(catalog, family, unitColumn, quantity, display);
    std::string unit = units.shown ? utf8(units.shown->GetName()) : siName(quantity);
    if (!si) return Value::number(std::nullopt, unit);
    return Value::number(withoutConversionNoise(units.shown ? *si * units.shown->GetCoef() : *si),
                         unit);
}

std::optional<double> storedToSi(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                                 const wchar_t* unitColumn, std::optional<double> stored) {
    CVnUnit unit;
    if (!stored || !familyUnit(catalog, family, unitColumn, unit)) return stored;
    return *stored / unit.GetCoef();
}

Value shownValue(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                 const wchar_t* unitColumn, Quantity quantity, std::optional<double> stored,
                 const DisplayUnits& display) {
    // In the family's own units the stored number is shown as it is, digit for digit.
    if (display.mode == DisplayUnits::Mode::Family || !stored)
        return Value::number(stored, shownUnit(catalog, family, unitColumn, quantity, display));
    return shownSi(catalog, family, unitColumn, quantity,
                   storedToSi(catalog, family, unitColumn, stored), display);
}

}  // namespace rebarcat
