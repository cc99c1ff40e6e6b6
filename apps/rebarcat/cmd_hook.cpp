// rebarcat hook: what a standard's hook table gives a bar of a steel grade, angle by angle, or
// the minimal hook length of one check at one angle.
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "barvalues.h"
#include "cli.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

const double kPi = 3.141592653589793;

// The module's own reading of one hook table, used to list the angles it gives a steel grade.
class HookTableReader : public CVnRebarSteelGradeCatalog {
public:
    using CVnRebarSteelGradeCatalog::FillDiameterHookLengthByAngle;
};

struct HookQuery {
    std::wstring standard, steelGrade, diameter;
    std::optional<double> angle;  // degrees
    std::optional<std::string> minimal;
    std::optional<std::string> catalogFile;
    bool json = false;
    bool si = false;
};

// The check kinds as the host names them in its prompts.
const std::map<std::string, UINT> kCheckPrompts = {
    {"standard", 40384}, {"seismic", 40385}, {"tie", 40386}};

const wchar_t* minimalParameter(const std::string& kind) {
    return kind == "seismic" ? L"MinimalSeismicLength"
           : kind == "tie"   ? L"MinimalTieLength"
                             : L"MinimalStdLength";
}

int usage(const std::string& message, std::ostream& err) {
    err << "rebarcat: " << message << " (see rebarcat hook --help)\n";
    return kUsage;
}

int readQuery(Arguments& arguments, HookQuery& query, std::ostream& err) {
    query.catalogFile = arguments.option("catalog");
    query.minimal = arguments.option("minimal");
    auto angle = arguments.option("angle");
    query.json = arguments.flag("json");
    query.si = arguments.flag("si");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 3)
        return usage("hook takes a standard, a steel grade and a diameter", err);
    query.standard = Utf8ToWide(arguments.rest()[0]);
    query.steelGrade = Utf8ToWide(arguments.rest()[1]);
    query.diameter = Utf8ToWide(arguments.rest()[2]);
    if (angle) {
        char* end = nullptr;
        query.angle = std::strtod(angle->c_str(), &end);
        if (angle->empty() || *end != '\0' || !std::isfinite(*query.angle))
            return usage("--angle takes a number of degrees, not '" + *angle + "'", err);
    }
    if (query.minimal && !kCheckPrompts.count(*query.minimal))
        return usage("--minimal takes standard, seismic or tie", err);
    if (query.minimal && !query.angle) return usage("--minimal needs --angle", err);
    return kSuccess;
}

// A length the module gave in SI, shown in the unit the family stores the parameter in.
struct ShownLength {
    std::optional<double> value;  // empty: the table does not give it
    std::string unit;
};

ShownLength shown(CVnRebarSteelGradeCatalog& catalog, const HookQuery& query,
                  const wchar_t* parameter, int found, double si) {
    CVnUnit unit;
    bool converted =
        !query.si && catalog.GetParameterUnit(query.steelGrade.c_str(), parameter, unit, 1.0);
    ShownLength length{std::nullopt, converted ? utf8(unit.GetName()) : "m"};
    if (found) length.value = converted ? si * unit.GetCoef() : si;
    return length;
}

std::string text(const ShownLength& length) {
    return length.value ? formatNumber(*length.value) : "-";
}

// One angle's answers: hook, unfold and leg length.
std::vector<ShownLength> hookAt(CVnRebarSteelGradeCatalog& catalog, const HookQuery& query,
                                double degrees) {
    const double angle = degrees * kPi / 180.0;
    double hook = 0, unfold = 0, leg = 0;
    const std::wstring &standard = query.standard, &grade = query.steelGrade, &d = query.diameter;
    int hasHook = catalog.getDefaultHookLength(angle, standard, grade, d, hook, 1.0);
    int hasUnfold = catalog.getDefaultUnfoldLength(angle, standard, grade, d, unfold, 1.0);
    int hasLeg = catalog.getDefaultHookLegLength(angle, standard, grade, d, leg, 1.0);
    return {shown(catalog, query, L"Diameter_Real", hasHook, hook),
            shown(catalog, query, L"UnfoldHookLength", hasUnfold, unfold),
            shown(catalog, query, L"LegLength", hasLeg, leg)};
}

const char* const kHeadings[] = {"hook length", "unfold length", "leg length"};
const char* const kKeys[] = {"hook", "unfold", "leg"};

std::string jsonHead(const HookQuery& query) {
    return "{\"standard\": " + jsonString(WideToUtf8(query.standard)) +
           ", \"steelGrade\": " + jsonString(WideToUtf8(query.steelGrade)) +
           ", \"diameter\": " + jsonString(WideToUtf8(query.diameter));
}

void printHooks(const HookQuery& query, const std::vector<double>& angles,
                const std::vector<std::vector<ShownLength>>& hooks, std::ostream& out) {
    if (query.json) {
        out << jsonHead(query) << ", \"units\": {";
        for (size_t i = 0; i < 3; ++i)
            out << (i ? ", " : "") << jsonString(kKeys[i]) << ": "
                << jsonString(hooks.empty() ? "" : hooks[0][i].unit);
        out << "}, \"hooks\": [";
        for (size_t r = 0; r < hooks.size(); ++r) {
            out << (r ? ",\n  " : "") << "{\"angle\": " << formatNumber(angles[r]);
            for (size_t i = 0; i < 3; ++i)
                out << ", " << jsonString(kKeys[i]) << ": " << jsonValue(text(hooks[r][i]));
            out << "}";
        }
        out << "]}\n";
        return;
    }
    std::vector<TableRow> rows = {{"angle"}, {"deg"}};
    for (size_t i = 0; i < 3; ++i) {
        rows[0].push_back(kHeadings[i]);
        rows[1].push_back(hooks.empty() ? "" : hooks[0][i].unit);
    }
    for (size_t r = 0; r < hooks.size(); ++r)
        rows.push_back(
            {formatNumber(angles[r]), text(hooks[r][0]), text(hooks[r][1]), text(hooks[r][2])});
    printTable(rows, out);
}

int printMinimal(CVnRebarSteelGradeCatalog& catalog, const HookQuery& query, std::ostream& out) {
    const std::string& kind = *query.minimal;
    CString prompt = VnPrompts::getPrompt(kCheckPrompts.at(kind), L"REBARPROPERTIESUI");
    double si = 0;
    int found =
        catalog.getMinimalHookLength(*query.angle * kPi / 180.0, query.standard, query.steelGrade,
                                     query.diameter, si, prompt.GetString(), 1.0);
    ShownLength length = shown(catalog, query, minimalParameter(kind), found, si);
    if (query.json) {
        out << jsonHead(query) << ", \"angle\": " << formatNumber(*query.angle)
            << ", \"check\": " << jsonString(kind) << ", \"minimal\": " << jsonValue(text(length))
            << ", \"unit\": " << jsonString(length.unit) << "}\n";
        return kSuccess;
    }
    printRecord({{"standard", WideToUtf8(query.standard)},
                 {"steel grade", WideToUtf8(query.steelGrade)},
                 {"diameter", WideToUtf8(query.diameter)},
                 {"angle", formatNumber(*query.angle) + " deg"},
                 {"check", kind},
                 {"minimal length", length.value ? text(length) + " " + length.unit : "-"}},
                out);
    return kSuccess;
}

// The angles the standard's table lists for the steel grade; false (with the message) when
// the catalogue has no such table or the table nothing for that grade.
bool tableAngles(HookTableReader& reader, const HookQuery& query, std::vector<double>& angles,
                 std::ostream& err) {
    CVnRebarSteelGradeCatalog::HookRuleMap rules;
    const std::wstring table = L"Hooks " + query.standard;
    if (!reader.FillDiameterHookLengthByAngle(rules, table)) {
        err << "rebarcat: the catalogue has no hook table for standard '"
            << WideToUtf8(query.standard) << "'\n";
        return false;
    }
    auto grade = rules[table].find(query.steelGrade);
    if (grade == rules[table].end()) {
        err << "rebarcat: the hook table of '" << WideToUtf8(query.standard)
            << "' gives nothing for steel grade '" << WideToUtf8(query.steelGrade) << "'\n";
        return false;
    }
    for (const auto& [angle, element] : grade->second) angles.push_back(angle);
    return true;
}

int runHook(Arguments& arguments, std::ostream& out, std::ostream& err) {
    HookQuery query;
    if (int status = readQuery(arguments, query, err)) return status;
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    HookTableReader catalog;
    std::vector<double> angles;
    if (!tableAngles(catalog, query, angles, err)) return kNotFound;
    if (query.minimal) return printMinimal(catalog, query, out);
    if (query.angle) angles = {*query.angle};
    std::vector<std::vector<ShownLength>> hooks;
    for (double angle : angles) hooks.push_back(hookAt(catalog, query, angle));
    printHooks(query, angles, hooks, out);
    return kSuccess;
}

}  // namespace

Command hookCommand() {
    return {"hook",
            "hook STANDARD STEELGRADE DIAMETER [--angle DEG] [--minimal KIND] [--catalog FILE] "
            "[--si] [--json]",
            "Show the hook, unfold and leg lengths a standard's hook table gives a bar.",
            "  --angle DEG     only the hook bent by DEG degrees\n"
            "  --minimal KIND  the minimal hook length of a check at --angle: standard, seismic\n"
            "                  or tie\n"
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --si            lengths in metres\n"
            "  --json          print JSON instead of aligned text\n"
            "DIAMETER is the bar diameter as the family stores it (12 for 12 mm, 0.625 for a #5\n"
            "bar of an inch family). Without --angle every angle of the table is shown. Hook\n"
            "lengths are in the unit of the family's diameters, the others in the units the\n"
            "family gives for them; \"-\" (null in JSON) marks a length the table does not give.\n",
            runHook};
}

}  // namespace rebarcat
