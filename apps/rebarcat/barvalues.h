// The values of one bar as rebarcat shows them: each numeric field of the record with the
// unit it is displayed in (the family's stored unit, SI, or a unit the user chose), read from
// the stored cells so that "not given" means one thing everywhere.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"

class VNTLMdbContainer;

namespace rebarcat {

enum class Quantity { Diameter, Length, Area, WeightPerLength };

struct BarField {
    const char* key;            // text label; its camelCase is the JSON key
    const char* option;         // the editing commands' --option
    const wchar_t* column;      // the family table's column
    const wchar_t* unitColumn;  // the parameter whose stored unit applies
    Quantity quantity;
    double (CVnRebarSteelGrade::*getter)();
    CVnRebarSteelGrade::ErrorStatus (CVnRebarSteelGrade::*setter)(double);
};

const std::vector<BarField>& barFields();
const BarField& nominalDiameterField();
// The position in barFields() of the field stored in `column`.
size_t fieldIndex(const wchar_t* column);

// One bar as its family table stores it: each field in the family's units, empty where the
// cell says "not given" (-1, an empty cell, or a text that is not a number).
struct StoredBar {
    CString name;
    int row = -1;  // index in the family table, -1 when there is no such bar
    std::vector<std::optional<double>> values;  // in barFields() order
};

std::optional<double> storedNumber(const COleVariant& cell);
StoredBar readStoredBar(VNTLMdbContainer& container, const CString& family, const CString& name);
// Every bar of a family in table order.
std::vector<StoredBar> readStoredBars(CVnRebarSteelGradeCatalog& catalog,
                                      VNTLMdbContainer& container, const CString& family);

// How values are shown: the family's units (no override), SI, or lengths in one unit.
struct DisplayUnits {
    enum class Mode { Family, Si, Length } mode = Mode::Family;
    CVnUnit length;  // for Mode::Length
};

// Reads --si and --unit; false with a message for an unknown unit.
bool parseDisplayUnits(bool si, const std::optional<std::string>& unit, DisplayUnits& display,
                       std::string& error);

// The unit a family stores a parameter in; false when the catalogue names none (the stored
// numbers are then SI values).
bool familyUnit(CVnRebarSteelGradeCatalog& catalog, const CString& family, const wchar_t* parameter,
                CVnUnit& unit);

// A stored value (family units) of a quantity, converted and labelled for display.
Value shownValue(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                 const wchar_t* unitColumn, Quantity quantity, std::optional<double> stored,
                 const DisplayUnits& display);
// A stored value (family units) in SI.
std::optional<double> storedToSi(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                                 const wchar_t* unitColumn, std::optional<double> stored);
// The same for a value the catalogue gave in SI.
Value shownSi(CVnRebarSteelGradeCatalog& catalog, const CString& family, const wchar_t* unitColumn,
              Quantity quantity, std::optional<double> si, const DisplayUnits& display);
// The unit shownValue labels a parameter with.
std::string shownUnit(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                      const wchar_t* unitColumn, Quantity quantity, const DisplayUnits& display);

}  // namespace rebarcat
