// Writing a bar's values into the catalogue so that every value the user gave is stored,
// zeros included, and reading back that it was.
#pragma once

#include "barcheck.h"

namespace rebarcat {

// Stores `values` into the existing bar `name` of `family` (names as the catalogue spells
// them) through the catalogue's own modification, which stamps the catalogue and records the
// changed diameter. Fails (with the message) when a value did not reach the table.
Verdict storeValues(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                    const CString& family, const CString& name, const FieldValues& values);
// Adds the bar with `values` (the fields not among them not given; the real diameter the
// nominal one unless given); `stored` is the name as the catalogue stored it.
Verdict insertBar(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                  const CString& family, const CString& name, FieldValues values, CString& stored);
// Whether the stored bar already holds every value.
bool holdsValues(const StoredBar& bar, const FieldValues& values);

}  // namespace rebarcat
