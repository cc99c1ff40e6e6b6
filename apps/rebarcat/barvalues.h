// The values of one bar as rebarcat shows them: each numeric field of the record with the
// unit it is displayed in (the family's stored unit, SI, or a unit the user chose).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rebar/vnrebarsteelgradecatalog.h"

namespace rebarcat {

enum class Quantity { Length, Area, WeightPerLength };

struct BarField {
    const char* key;            // JSON key and column heading
    const char* option;         // the editing commands' --option, null when not editable
    const wchar_t* column;      // the family table's column
    const wchar_t* unitColumn;  // the parameter whose stored unit applies
    Quantity quantity;
    double (CVnRebarSteelGrade::*getter)();
    CVnRebarSteelGrade::ErrorStatus (CVnRebarSteelGrade::*setter)(double);
};

const std::vector<BarField>& barFields();

// How values are shown: the family's units (no override), SI, or lengths in one unit.
struct DisplayUnits {
    enum class Mode { Family, Si, Length } mode = Mode::Family;
    CVnUnit length;  // for Mode::Length
};

// Reads --si and --unit; false with a message for an unknown unit.
bool parseDisplayUnits(bool si, const std::optional<std::string>& unit, DisplayUnits& display,
                       std::string& error);

struct ShownValue {
    std::optional<double> value;  // empty: not given
    std::string unit;
};

ShownValue showField(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                     CVnRebarSteelGrade& bar, const BarField& field, const DisplayUnits& display);
// Up to six significant digits, no trailing zeros: what the published tables print.
std::string formatNumber(double value);

}  // namespace rebarcat
