#include "barvalues.h"

#include <cstdio>

#include "output.h"
#include "rebar/rebarvalues.h"
#include "win/utf8.h"

namespace rebarcat {

const std::vector<BarField>& barFields() {
    using R = CVnRebarSteelGrade;
    // Stock lengths are not editable here: the catalogue never overwrites a stored 0 when it
    // writes a bar back, and new bars start with 0 stock lengths.
    static const std::vector<BarField> fields = {
        {"diameter", "diameter", L"Diameter_Nominal", L"Diameter_Real", Quantity::Length,
         &R::diameterNom, &R::setDiameterNom},
        {"real diameter", "real-diameter", L"Diameter_Real", L"Diameter_Real", Quantity::Length,
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
        {"mill stock", nullptr, L"MillStockLength", L"MillStockLength", Quantity::Length,
         &R::millStockLength, &R::setMillStockLenght},
        {"max stock", nullptr, L"MaxStockLength", L"MaxStockLength", Quantity::Length,
         &R::maxStockLength, &R::setMaxStockLenght},
    };
    return fields;
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
        case Quantity::Length:
            break;
    }
    return "m";
}

}  // namespace

ShownValue showField(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                     CVnRebarSteelGrade& bar, const BarField& field, const DisplayUnits& display) {
    double si = (bar.*field.getter)();
    ShownValue shown;
    CVnUnit unit;
    bool converted = false;
    if (display.mode == DisplayUnits::Mode::Length) {
        unit = chosenUnit(display, field.quantity);
        converted = true;
    } else if (display.mode == DisplayUnits::Mode::Family) {
        converted = catalog.GetParameterUnit(family, field.unitColumn, unit, 1.0);
    }
    shown.unit = converted ? utf8(unit.GetName()) : siName(field.quantity);
    if (si == rebar::kUndefinedValue) return shown;  // not given
    shown.value = converted ? si * unit.GetCoef() : si;
    return shown;
}

std::string formatNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

}  // namespace rebarcat
