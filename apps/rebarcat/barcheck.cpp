#include "barcheck.h"

#include <cmath>

#include "rebar/rebarvalues.h"

namespace rebarcat {

const char kLimitsHelp[] =
    "Limits: diameters at most 100 mm, other lengths at most 100 m, sections at most\n"
    "10000 mm2, weights at most 100 kg/m; no value may be negative (-1 or \"-\" means not\n"
    "given) and the nominal diameter must be greater than 0 and differ from every other\n"
    "bar's of the family (--force allows a second bar of the same diameter).\n";

namespace {

struct Limit {
    double si;
    const char* shown;
};

Limit limitOf(Quantity quantity) {
    switch (quantity) {
        case Quantity::Diameter:
            return {0.1, "100 mm"};
        case Quantity::Area:
            return {0.01, "10000 mm2"};
        case Quantity::WeightPerLength:
            return {100.0, "100 kg/m"};
        case Quantity::Length:
            break;
    }
    return {100.0, "100 m"};
}

Verdict refused(const std::string& message) {
    return {kRefused, message};
}

bool notGivenText(const std::string& typed) {
    return typed == "-" || typed == "-1";
}

// The checks every typed quantity passes, the value given in SI. A bar's fields may be "not
// given" (-1), and the refusal of a negative value says so; other quantities cannot.
Verdict checkMagnitude(const std::string& what, Quantity quantity, double si,
                       bool mayBeNotGiven = false) {
    if (!std::isfinite(si)) return refused(what + " must be a finite number");
    if (si < 0)
        return refused(what + " must not be negative" +
                       (mayBeNotGiven ? " (-1 means not given)" : ""));
    Limit limit = limitOf(quantity);
    if (si > limit.si) return refused(what + " is above the limit of " + limit.shown);
    return {};
}

}  // namespace

Verdict readFieldValue(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                       const BarField& field, const std::string& typed, double& value,
                       const CVnUnit* typedIn) {
    const std::string what = std::string("--") + field.option + " " + typed;
    const bool diameter = &field == &nominalDiameterField();
    if (notGivenText(typed)) {
        if (diameter) return refused("a bar needs its nominal diameter; " + what + " is refused");
        value = rebar::kNotGiven;
        return {};
    }
    CVnUnit unit;
    bool hasUnit = familyUnit(catalog, family, field.unitColumn, unit);
    const CVnUnit& reader = typedIn ? *typedIn : unit;
    int error = 0;
    double si = reader.String2Double(wide(typed).GetString(), &error, 1);
    if (error)
        return {kUsage,
                "cannot read '" + typed + "' for " + field.option +
                    (typedIn || hasUnit ? " (a " + utf8(reader.GetName()) + " value)" : "")};
    if (Verdict verdict = checkMagnitude(what, field.quantity, si, !diameter); !verdict)
        return verdict;
    if (field.quantity == Quantity::Diameter && si == 0.0)
        return refused(what + ": a diameter must be greater than 0");
    // Read straight into the family's unit, a value typed in that unit keeps every digit.
    if (hasUnit) value = unit.String2Double(wide(typed).GetString(), &error, 0);
    if (typedIn || !hasUnit) value = hasUnit ? withoutConversionNoise(si * unit.GetCoef()) : si;
    value += 0.0;  // -0 is stored as 0
    return {};
}

Verdict readLength(const CVnUnit* unit, const std::string& typed, double& metres) {
    CVnUnit plain;
    int error = 0;
    metres = (unit ? *unit : plain).String2Double(wide(typed).GetString(), &error, 1);
    if (error) return {kUsage, "cannot read the length '" + typed + "'"};
    if (Verdict verdict = checkMagnitude("the length " + typed, Quantity::Length, metres); !verdict)
        return verdict;
    if (metres == 0.0) return refused("the length must be greater than 0");
    return {};
}

Verdict checkUniqueDiameter(const std::vector<StoredBar>& bars, const CString& name,
                            double diameter, bool force) {
    if (force) return {};
    for (const StoredBar& bar : bars) {
        if (bar.name.CompareNoCase(name) == 0 || !bar.values.front()) continue;
        if (std::fabs(*bar.values.front() - diameter) <= 1e-9 * std::fabs(diameter))
            return refused("bar " + utf8(bar.name) + " already has the nominal diameter " +
                           shortestNumber(diameter) + " (--force adds another)");
    }
    return {};
}

}  // namespace rebarcat
