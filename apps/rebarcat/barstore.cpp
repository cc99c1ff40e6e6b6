#include "barstore.h"

#include <algorithm>

#include "names.h"
#include "rebar/rebarvalues.h"
#include "vntl/varianttools.h"
#include "vntl/vntlmdbcontainer.h"

namespace rebarcat {

namespace {

size_t indexOf(const BarField* field) {
    return static_cast<size_t>(field - barFields().data());
}

bool holds(const std::optional<double>& stored, double wanted) {
    return wanted == rebar::kNotGiven ? !stored : stored && *stored == wanted;
}

// When the catalogue writes a record back into its row it leaves every cell that holds 0
// untouched, so a value could never leave 0 (and new bars start with 0 stock lengths). Those
// cells are written through the container first; the catalogue's own write then sees them
// holding the new value and writes the rest as usual.
bool writeKeptZeros(VNTLMdbContainer& container, const CString& family, const CString& name,
                    const FieldValues& values) {
    VNTLMdbContainer::Row row;
    int index = container.getTableLine(family, L"Name", COleVariant(name), row);
    if (index < 0) return false;
    bool kept = false;
    for (const FieldValue& change : values) {
        COleVariant& cell = row[change.field->column];
        if (VariantToDouble(cell) != 0.0 || change.value == 0.0) continue;
        cell = COleVariant(change.value);
        kept = true;
    }
    return !kept || container.setTableLine(family, index, row);
}

CVnRebarSteelGrade recordOf(VNTLMdbContainer& container, const CString& family,
                            const CString& name) {
    CVnRebarSteelGrade record;
    VNTLMdbContainer::Row row;
    container.getTableLine(family, L"Name", COleVariant(name), row);
    record.setFamily(family);
    record.setName(VariantToString(row[L"Name"]));
    for (const BarField& field : barFields())
        (record.*field.setter)(VariantToDouble(row[field.column]));
    return record;
}

Verdict notStored(const CString& name, const std::string& what) {
    return {kUsage, "the catalogue did not store " + what + " of bar " + utf8(name)};
}

}  // namespace

bool holdsValues(const StoredBar& bar, const FieldValues& values) {
    return std::all_of(values.begin(), values.end(), [&](const FieldValue& change) {
        return holds(bar.values[indexOf(change.field)], change.value);
    });
}

Verdict storeValues(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                    const CString& family, const CString& name, const FieldValues& values) {
    if (!writeKeptZeros(container, family, name, values))
        return {kUsage, "cannot write bar " + utf8(name) + ": " + utf8(container.getLastError())};
    CVnRebarSteelGrade record = recordOf(container, family, name);
    for (const FieldValue& change : values) (record.*change.field->setter)(change.value);
    catalog.ModifySteelgrade(name, family, &record);
    StoredBar stored = readStoredBar(container, family, name);
    for (const FieldValue& change : values)
        if (!holds(stored.values[indexOf(change.field)], change.value))
            return notStored(name, change.field->key);
    return {};
}

Verdict insertBar(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                  const CString& family, const CString& name, FieldValues values, CString& stored) {
    auto given = [&](const BarField& field) {
        return std::any_of(values.begin(), values.end(),
                           [&](const FieldValue& v) { return v.field == &field; });
    };
    double nominal = rebar::kNotGiven;
    for (const FieldValue& change : values)
        if (change.field == &nominalDiameterField()) nominal = change.value;
    for (const BarField& field : barFields()) {
        if (given(field)) continue;
        bool real = std::wstring(field.column) == L"Diameter_Real";
        values.push_back({&field, real ? nominal : rebar::kNotGiven});
    }
    CVnRebarSteelGrade record;
    record.setFamily(family);
    record.setName(name);
    for (const FieldValue& change : values) (record.*change.field->setter)(change.value);
    catalog.InsertSteelgrade(&record, false);
    // The catalogue may store the name in its own letter case.
    stored = resolveBar(catalog, family, utf8(name));
    if (readStoredBar(container, family, stored).row < 0) return notStored(name, "the new row");
    return storeValues(catalog, container, family, stored, values);
}

}  // namespace rebarcat
