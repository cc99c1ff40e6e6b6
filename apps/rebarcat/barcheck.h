// Values typed for a bar, read with their units and checked the way a structural engineer
// would before anything reaches the catalogue: -1 (or "-") is "not given", anything else must
// be a finite, non-negative number below the limit of its quantity, and a family never holds
// two bars of the same nominal diameter unless the user insists.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "barvalues.h"

namespace rebarcat {

// One field's new value in the family's stored unit; rebar::kNotGiven for "not given".
struct FieldValue {
    const BarField* field;
    double value;
};
using FieldValues = std::vector<FieldValue>;

// The outcome of reading or checking: kSuccess, or an exit code with its message.
struct Verdict {
    int status = kSuccess;
    std::string message;
    explicit operator bool() const { return status == kSuccess; }
};

// Reads `typed` for `field` ("12", "12mm", "5/8\"", "2.98 kg/m", "-1", "-") into the family's
// unit and checks it against the field's rules and limit. A bare number is in `typedIn` when
// given, else in the family's unit.
Verdict readFieldValue(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                       const BarField& field, const std::string& typed, double& value,
                       const CVnUnit* typedIn = nullptr);
// A length such as the LENGTH of rebarcat weight, in SI; a bare number is in `unit`.
Verdict readLength(const CVnUnit* unit, const std::string& typed, double& metres);
// Refuses a nominal diameter another bar of the family (not `name`) already has.
Verdict checkUniqueDiameter(const std::vector<StoredBar>& bars, const CString& name,
                            double diameter, bool force);
// The limits, as --help and the README state them.
extern const char kLimitsHelp[];

}  // namespace rebarcat
