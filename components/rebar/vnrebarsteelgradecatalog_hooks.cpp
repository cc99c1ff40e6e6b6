// Hook tables and hook lengths: every design standard's hook table is read once per drawing
// document into the hook map, and the hook, unfold, leg and minimal lengths are answered from
// there by standard, steel grade, bend angle and bar diameter.
//
// The tolerances below are part of what the host relies on: its drawings carry angles and
// diameters computed from geometry, and each question has always matched them this way.
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>

#include "rebar/host/cad.h"
#include "rebar/vnguard.h"
#include "rebar/vnrebarsteelgradecatalog.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnrebarsteelgradecatalog_hooks.cpp"
#define GUARD(member) VN_GUARD_SITE(CVnRebarSteelGradeCatalog, member)

namespace {

using Catalog = CVnRebarSteelGradeCatalog;
using Element = Catalog::_STRUCT_ELEMENT;
using AngleMap = std::map<double, Element>;
using LengthMap = std::map<double, double>;

const wchar_t kHooksPrefix[] = L"Hooks ";
const size_t kHooksPrefixLength = 6;

// The hook tables the catalogue knows, in the order they are loaded. A table of another name
// is never read, whatever the database holds.
const wchar_t* const kHookTables[] = {
    L"Hooks ISO 4066",     L"Hooks NF P 02-016",
    L"Hooks CSA A23 M",    L"Hooks DIN 1045-1",
    L"Hooks CSN 731201",   L"Hooks NBN A 24-302",
    L"Hooks ACI",          L"Hooks SIA 162",
    L"Hooks AS3600",       L"Hooks CSA A23 I",
    L"Hooks PN-B-03264",   L"Hooks DM96",
    L"Hooks NEN 6008",     L"Hooks SS-ENV 10 080",
    L"Hooks BBK 79",       L"Hooks STAS 438/1,3-89",
    L"Hooks BS 8666 2005", L"Hooks \u00D6NORM B 4200/7",
    L"Hooks BS 8666 2000", L"Hooks BS 4466 1989",
};

// The column counts from which a table carries per-diameter values, a steel-grade column with
// the minimal lengths, and leg lengths.
const int kWithDiameters = 4;
const int kWithSteelGrades = 8;
const int kWithLegLengths = 9;

// Anything at or below this counts as "not given": multiplicators, diameters, found lengths.
const double kGiven = 1e-10;
// Two diameters (and, for the minimal length, two angles) are the same key when their squared
// difference is at most this, i.e. within 1e-10.
const double kSameSquared = 1e-20;
const double kHookAngleTolerance = 1e-6;    // degrees, for the hook length
const double kLengthAngleTolerance = 1e-7;  // degrees, for the unfold and leg lengths
const double kPi = 3.141592653589793;

bool sameKey(double a, double b) {
    return (a - b) * (a - b) <= kSameSquared;
}

// The host hands angles in radians, either way round; the tables list degrees.
double toDegrees(double radians) {
    return std::fabs(radians) * 180.0 / kPi;
}

// The start every query shares: the angles of one steel grade of one standard, or null when
// the drawing's hook map has none. Queries never add entries to the map.
const AngleMap* findAngles(Catalog::HookRuleMap* rules, const std::wstring& standard,
                           const std::wstring& steelGrade) {
    if (!rules || rules->empty()) return nullptr;
    auto table = rules->find(kHooksPrefix + standard);
    if (table == rules->end()) return nullptr;
    auto grade = table->second.find(steelGrade);
    return grade == table->second.end() ? nullptr : &grade->second;
}

// The coefficient of the unit the catalogue stores a parameter in for the steel grade. A grade
// without that unit keeps the plain number's coefficient, 1.
double unitCoefficient(Catalog& catalog, const std::wstring& steelGrade, const wchar_t* parameter,
                       double metricsFactor) {
    CVnUnit unit;
    catalog.GetParameterUnit(CString(steelGrade.c_str()), parameter, unit, metricsFactor);
    return unit.GetCoef();
}

// One of the two per-diameter lengths that share their look-ups: unfold and leg lengths.
struct LengthKind {
    LengthMap Element::*map;
    const wchar_t* parameter;
};
const LengthKind kUnfold = {&Element::m_mapUnfoldLength, L"UnfoldHookLength"};
const LengthKind kLeg = {&Element::m_mapLegLength, L"LegLength"};

// The length stored for the diameter under the angle, within the window of the unfold and leg
// questions. A stored 0 is an answer: a leg length can be 0.
const double* lengthAtAngle(const AngleMap& angles, double degrees, double diameter,
                            const LengthKind& kind) {
    for (const auto& [angle, element] : angles) {
        double offset = angle - degrees;
        if (offset < -kLengthAngleTolerance || offset > kLengthAngleTolerance) continue;
        for (const auto& [key, value] : element.*kind.map)
            if (sameKey(key, diameter)) return &value;
    }
    return nullptr;
}

// Without an angle the largest angle that lists the diameter wins. When none lists it, or the
// winner's value is 0, the answer is the first positive value (by ascending diameter) of the
// largest angle that has any entry, so a bar missing from the table gets that angle's smallest.
double lengthAnyAngle(const AngleMap& angles, double diameter, const LengthKind& kind) {
    double found = 0.0;
    for (const auto& [angle, element] : angles) {
        for (const auto& [key, value] : element.*kind.map) {
            if (!sameKey(key, diameter)) continue;
            found = value;
            if (found > kGiven) break;
        }
    }
    if (found > kGiven) return found;
    for (const auto& [angle, element] : angles) {
        for (const auto& [key, value] : element.*kind.map) {
            found = value;
            if (found > kGiven) break;
        }
    }
    return found;
}

// The minimal-length map and the coefficient for a check kind, named by the host's own prompt
// texts. A kind the host does not name reads the standard lengths as plain numbers.
struct MinimalKind {
    LengthMap Element::*map = &Element::m_mapMinimalStdLength;
    const wchar_t* parameter = nullptr;
};

MinimalKind minimalKind(const std::wstring& checkKind) {
    const wchar_t kModule[] = L"REBARPROPERTIESUI";
    const CString standard = VnPrompts::getPrompt(40384, kModule, 0);
    const CString seismic = VnPrompts::getPrompt(40385, kModule, 0);
    const CString tie = VnPrompts::getPrompt(40386, kModule, 0);
    if (checkKind == StdText(standard))
        return {&Element::m_mapMinimalStdLength, L"MinimalStdLength"};
    if (checkKind == StdText(seismic))
        return {&Element::m_mapMinimalSeismicLength, L"MinimalSeismicLength"};
    if (checkKind == StdText(tie)) return {&Element::m_mapMinimalTieLength, L"MinimalTieLength"};
    return {};
}

// The numbers of one table row, as many as the table's shape carries; the rest stay 0.
struct HookRow {
    double angle = 0, multiplicator = 0, diameter = 0, unfold = 0;
    double minimalStd = 0, minimalSeismic = 0, minimalTie = 0, leg = 0;
};

HookRow readHookRow(Catalog::Row& row, int columns) {
    HookRow values;
    values.angle = VariantToDouble(row[L"Angle"]);
    values.multiplicator = VariantToDouble(row[L"Multiplicators"]);
    if (columns >= kWithDiameters) {
        values.diameter = VariantToDouble(row[L"Diameter"]);
        values.unfold = VariantToDouble(row[L"UnfoldHookLength"]);
    }
    if (columns >= kWithSteelGrades) {
        values.minimalStd = VariantToDouble(row[L"Minimal standard length"]);
        values.minimalSeismic = VariantToDouble(row[L"Minimal seismic length"]);
        values.minimalTie = VariantToDouble(row[L"Minimal tie length"]);
    }
    if (columns >= kWithLegLengths) values.leg = VariantToDouble(row[L"LegLength"]);
    return values;
}

}  // namespace

CVnRebarSteelGradeCatalog::HookRuleMap* CVnRebarSteelGradeCatalog::getMapRule() {
    return rebar::guarded(GUARD(getMapRule), [&]() -> HookRuleMap* {
        static HookRuleMap withoutDocument;
        _PerDocMapsStruct* maps = getMapsStruct();
        if (!maps) return &withoutDocument;
        // Filled once per document, even when no table could be read: the tables are not
        // asked again until the host says the catalogue changed.
        if (!maps->rulesFilled) {
            FillDiameterHookLengthByAngle(maps->mapRule);
            maps->rulesFilled = true;
        }
        return &maps->mapRule;
    });
}

void CVnRebarSteelGradeCatalog::FillDiameterHookLengthByAngle(HookRuleMap& rules) {
    rebar::guarded(GUARD(FillDiameterHookLengthByAngle), [&] {
        // A database holds the tables of the standards it serves; the others are skipped.
        for (const wchar_t* table : kHookTables) FillDiameterHookLengthByAngle(rules, table);
    });
}

bool CVnRebarSteelGradeCatalog::FillDiameterHookLengthByAngle(HookRuleMap& rules,
                                                              std::wstring tableName) {
    return rebar::guarded(GUARD(FillDiameterHookLengthByAngle), [&] {
        const CString table(tableName.c_str());
        CStringArray fields;
        int lines = 0, columns = 0;
        if (!m_pMdbContainer || !m_pMdbContainer->getTableFiends(table, fields) ||
            !m_pMdbContainer->getTableLinesColumnsCount(table, lines, columns))
            return false;
        // A narrow table applies to every steel grade of its standard; a wide one names the
        // grade on each row.
        CStringList steelGrades;
        if (columns < kWithSteelGrades) {
            size_t prefix = std::min(kHooksPrefixLength, tableName.size());
            GetSteelgradeFamilies(steelGrades, CString(tableName.substr(prefix).c_str()));
        } else {
            steelGrades.AddTail(CString());
        }
        for (POSITION pos = steelGrades.GetHeadPosition(); pos;) {
            std::wstring steelGrade = StdText(steelGrades.GetNext(pos));
            for (int line = 0; line < lines; ++line) {
                Row row;
                if (!m_pMdbContainer->getTableLine(table, line, row)) continue;
                HookRow values = readHookRow(row, columns);
                if (columns >= kWithSteelGrades)
                    steelGrade = StdText(VariantToString(row[L"SteelGrade"]));
                FillHookLengthMaps(rules, tableName, steelGrade, values.angle, values.multiplicator,
                                   values.diameter, values.unfold, values.minimalStd,
                                   values.minimalSeismic, values.minimalTie, values.leg);
            }
        }
        return true;
    });
}

void CVnRebarSteelGradeCatalog::FillHookLengthMaps(HookRuleMap& rules, std::wstring tableName,
                                                   std::wstring steelGrade, double angle,
                                                   double multiplicator, double diameter,
                                                   double unfoldLength, double minimalStdLength,
                                                   double minimalSeismicLength,
                                                   double minimalTieLength, double legLength) {
    rebar::guarded(GUARD(FillHookLengthMaps), [&] {
        // An angle that is not a number (a text "NaN" in the cell) is no key: in the map it
        // would stand for whichever angle it met and take over that angle's values.
        if (std::isnan(angle)) return;
        _STRUCT_ELEMENT& element = rules[tableName][steelGrade][angle];
        // Rows of one angle repeat its multiplicator per diameter; one left at 0 does not
        // erase what another row gave.
        if (multiplicator * multiplicator > kGiven && multiplicator > kGiven)
            element.m_dMultiplicator = multiplicator;
        if (!(diameter * diameter > kGiven && diameter > kGiven)) return;
        // An unfolded length of 0 means "none given"; a minimal or leg length of 0 is a value.
        if (unfoldLength > kGiven) element.m_mapUnfoldLength[diameter] = unfoldLength;
        element.m_mapMinimalStdLength[diameter] = minimalStdLength;
        element.m_mapMinimalSeismicLength[diameter] = minimalSeismicLength;
        element.m_mapMinimalTieLength[diameter] = minimalTieLength;
        element.m_mapLegLength[diameter] = legLength;
    });
}

namespace {

// The multiplicator at the angle: the first key within 1e-6 degrees that gives one. Without
// an angle, that of the smallest angle that gives one.
double multiplicatorFor(const AngleMap& angles, std::optional<double> degrees) {
    double multiplicator = 0.0;
    for (const auto& [key, element] : angles) {
        if (degrees && std::fabs(key - *degrees) > kHookAngleTolerance) continue;
        multiplicator = element.m_dMultiplicator;
        if (multiplicator > kGiven) break;
    }
    return multiplicator;
}

// The hook length: the bar's diameter, converted to SI and the caller's scale, times the
// multiplicator. A diameter that is no number gives 0, which is still an answer.
int hookLength(Catalog& catalog, const AngleMap* angles, std::optional<double> angle,
               const std::wstring& steelGrade, const std::wstring& diameter, double& length,
               double metricsFactor) {
    if (!angles) return 0;
    const double multiplicator =
        multiplicatorFor(*angles, angle ? std::optional(toDegrees(*angle)) : std::nullopt);
    if (multiplicator <= kGiven) return 0;
    double coefficient = unitCoefficient(catalog, steelGrade, L"Diameter_Real", metricsFactor);
    length = (_wtof(diameter.c_str()) / coefficient * metricsFactor) * multiplicator;
    return 1;
}

// Unfold and leg lengths: at the angle (radians) when one is given, else by the fall-backs.
int perDiameterLength(Catalog& catalog, const AngleMap* angles, std::optional<double> angle,
                      const std::wstring& steelGrade, const std::wstring& diameter,
                      const LengthKind& kind, double& length, double metricsFactor) {
    if (!angles) return 0;
    const double wanted = _wtof(diameter.c_str());
    double value = 0.0;
    if (angle) {
        const double* stored = lengthAtAngle(*angles, toDegrees(*angle), wanted, kind);
        if (!stored) return 0;
        value = *stored;
    } else {
        value = lengthAnyAngle(*angles, wanted, kind);
        if (value <= kGiven) return 0;
    }
    length =
        value / unitCoefficient(catalog, steelGrade, kind.parameter, metricsFactor) * metricsFactor;
    return 1;
}

}  // namespace

int CVnRebarSteelGradeCatalog::getDefaultHookLength(double angle, std::wstring standard,
                                                    std::wstring steelGrade, std::wstring diameter,
                                                    double& length, double metricsFactor) {
    return rebar::guarded(GUARD(getDefaultHookLength), [&] {
        return hookLength(*this, findAngles(getMapRule(), standard, steelGrade), angle, steelGrade,
                          diameter, length, metricsFactor);
    });
}

int CVnRebarSteelGradeCatalog::getDefaultHookLength(std::wstring standard, std::wstring steelGrade,
                                                    std::wstring diameter, double& length,
                                                    double metricsFactor) {
    return rebar::guarded(GUARD(getDefaultHookLength), [&] {
        return hookLength(*this, findAngles(getMapRule(), standard, steelGrade), std::nullopt,
                          steelGrade, diameter, length, metricsFactor);
    });
}

int CVnRebarSteelGradeCatalog::getDefaultUnfoldLength(double angle, std::wstring standard,
                                                      std::wstring steelGrade,
                                                      std::wstring diameter, double& length,
                                                      double metricsFactor) {
    return rebar::guarded(GUARD(getDefaultUnfoldLength), [&] {
        return perDiameterLength(*this, findAngles(getMapRule(), standard, steelGrade), angle,
                                 steelGrade, diameter, kUnfold, length, metricsFactor);
    });
}

int CVnRebarSteelGradeCatalog::getDefaultUnfoldLength(std::wstring standard,
                                                      std::wstring steelGrade,
                                                      std::wstring diameter, double& length,
                                                      double metricsFactor) {
    return rebar::guarded(GUARD(getDefaultUnfoldLength), [&] {
        return perDiameterLength(*this, findAngles(getMapRule(), standard, steelGrade),
                                 std::nullopt, steelGrade, diameter, kUnfold, length,
                                 metricsFactor);
    });
}

int CVnRebarSteelGradeCatalog::getDefaultHookLegLength(double angle, std::wstring standard,
                                                       std::wstring steelGrade,
                                                       std::wstring diameter, double& length,
                                                       double metricsFactor) {
    return rebar::guarded(GUARD(getDefaultHookLegLength), [&] {
        return perDiameterLength(*this, findAngles(getMapRule(), standard, steelGrade), angle,
                                 steelGrade, diameter, kLeg, length, metricsFactor);
    });
}

int CVnRebarSteelGradeCatalog::getDefaultHookLegLength(std::wstring standard,
                                                       std::wstring steelGrade,
                                                       std::wstring diameter, double& length,
                                                       double metricsFactor) {
    return rebar::guarded(GUARD(getDefaultHookLegLength), [&] {
        return perDiameterLength(*this, findAngles(getMapRule(), standard, steelGrade),
                                 std::nullopt, steelGrade, diameter, kLeg, length, metricsFactor);
    });
}

int CVnRebarSteelGradeCatalog::getMinimalHookLength(double angle, std::wstring standard,
                                                    std::wstring steelGrade, std::wstring diameter,
                                                    double& length, std::wstring checkKind,
                                                    double metricsFactor) {
    return rebar::guarded(GUARD(getMinimalHookLength), [&] {
        // Callers test the length rather than the answer: it is 0 whenever nothing is found.
        length = 0.0;
        const AngleMap* angles = findAngles(getMapRule(), standard, steelGrade);
        if (!angles) return 0;
        const double degrees = toDegrees(angle);
        const double wanted = _wtof(diameter.c_str());
        for (const auto& [key, element] : *angles) {
            if (!sameKey(key, degrees)) continue;
            const MinimalKind kind = minimalKind(checkKind);
            const double coefficient =
                kind.parameter ? unitCoefficient(*this, steelGrade, kind.parameter, metricsFactor)
                               : 1.0;
            for (const auto& [x, value] : element.*kind.map) {
                if (!sameKey(x, wanted)) continue;
                length = value / coefficient * metricsFactor;
                return 1;
            }
        }
        return 0;
    });
}
