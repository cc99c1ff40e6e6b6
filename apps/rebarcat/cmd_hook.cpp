// rebarcat hook: what a standard's hook table gives a bar of a steel grade, angle by angle, or
// the minimal hook length of one check at one angle.
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "barcheck.h"
#include "barvalues.h"
#include "cli.h"
#include "messages.h"
#include "names.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

const double kPi = 3.141592653589793;

// The module's own reading of one hook table, used to list the angles it gives a steel grade.
class HookTableReader : public CVnRebarSteelGradeCatalog {
public:
    using CVnRebarSteelGradeCatalog::FillDiameterHookLengthByAngle;
};

// What the user typed, before the catalogue was opened.
struct HookArguments {
    std::string standard, steelGrade, diameter;
    std::optional<double> angle;  // degrees
    std::optional<std::string> minimal, catalogFile;
    bool json = false;
    DisplayUnits display;
};

// The same, resolved against the catalogue.
struct HookQuery {
    CString standard, steelGrade;
    double diameter = 0.0;  // in the unit of the steel grade's diameters
    CString bar;            // the bar named in place of a diameter, or empty
    std::wstring diameterText() const { return Utf8ToWide(shortestNumber(diameter)); }
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

int readArguments(Arguments& arguments, HookArguments& typed, std::ostream& err) {
    typed.catalogFile = arguments.option("catalog");
    typed.minimal = arguments.option("minimal");
    auto angle = arguments.option("angle");
    auto unit = arguments.option("unit");
    typed.json = arguments.flag("json");
    bool si = arguments.flag("si");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 3)
        return usage("hook takes a standard, a steel grade and a diameter or bar name", err);
    typed.standard = arguments.rest()[0];
    typed.steelGrade = arguments.rest()[1];
    typed.diameter = arguments.rest()[2];
    std::string error;
    if (!parseDisplayUnits(si, unit, typed.display, error)) return usage(error, err);
    if (angle) {
        char* end = nullptr;
        typed.angle = std::strtod(angle->c_str(), &end);
        if (angle->empty() || *end != '\0' || !std::isfinite(*typed.angle))
            return usage("--angle takes a number of degrees, not '" + *angle + "'", err);
    }
    if (typed.minimal && !kCheckPrompts.count(*typed.minimal))
        return usage("--minimal takes standard, seismic or tie", err);
    if (typed.minimal && !typed.angle) return usage("--minimal needs --angle", err);
    return kSuccess;
}

// Under a standard that designates bars by name, a bar name of the steel grade stands for the
// bar's nominal diameter; anything else is read as a diameter, with or without a unit.
Verdict resolveQuery(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                     const HookArguments& typed, HookQuery& query) {
    query.standard = resolveStandard(catalog, container, typed.standard);
    query.steelGrade = resolveFamily(catalog, typed.steelGrade);
    if (namesBars(query.standard)) {
        StoredBar bar = readStoredBar(container, query.steelGrade,
                                      resolveBar(catalog, query.steelGrade, typed.diameter));
        if (bar.row >= 0 && bar.values.front()) {
            query.bar = bar.name;
            query.diameter = *bar.values.front();
            return {};
        }
    }
    return readFieldValue(catalog, query.steelGrade, nominalDiameterField(), typed.diameter,
                          query.diameter);
}

Value shown(CVnRebarSteelGradeCatalog& catalog, const HookQuery& query, const HookArguments& typed,
            const wchar_t* parameter, int found, double si) {
    return shownSi(catalog, query.steelGrade, parameter, Quantity::Length,
                   found ? std::optional(si) : std::nullopt, typed.display);
}

// One angle's answers: the angle, hook, unfold and leg length.
std::vector<Value> hookAt(CVnRebarSteelGradeCatalog& catalog, const HookQuery& query,
                          const HookArguments& typed, double degrees) {
    const double angle = degrees * kPi / 180.0;
    double hook = 0, unfold = 0, leg = 0;
    const std::wstring standard = query.standard.GetString(), grade = query.steelGrade.GetString(),
                       d = query.diameterText();
    int hasHook = catalog.getDefaultHookLength(angle, standard, grade, d, hook, 1.0);
    int hasUnfold = catalog.getDefaultUnfoldLength(angle, standard, grade, d, unfold, 1.0);
    int hasLeg = catalog.getDefaultHookLegLength(angle, standard, grade, d, leg, 1.0);
    return {Value::number(degrees, "deg"),
            shown(catalog, query, typed, L"Diameter_Real", hasHook, hook),
            shown(catalog, query, typed, L"UnfoldHookLength", hasUnfold, unfold),
            shown(catalog, query, typed, L"LegLength", hasLeg, leg)};
}

// What the command read: the standard, steel grade, diameter and the bar named, if any.
Record queryRecord(CVnRebarSteelGradeCatalog& catalog, const HookQuery& query) {
    std::string unit =
        shownUnit(catalog, query.steelGrade, L"Diameter_Real", Quantity::Diameter, {});
    return {{"standard", Value::text(utf8(query.standard))},
            {"steel grade", Value::text(utf8(query.steelGrade))},
            {"bar", query.bar.IsEmpty() ? Value() : Value::text(utf8(query.bar))},
            {"diameter", Value::number(query.diameter, unit)}};
}

void printHooks(const Record& head, const Table& hooks, bool json, std::ostream& out) {
    if (json) {
        // The head ends with the diameter, the one number it holds.
        Record units = {{"diameter", Value::text(head.back().second.unit())}};
        for (size_t i = 0; i < hooks.units.size(); ++i)
            units.emplace_back(hooks.headings[i], Value::text(hooks.units[i]));
        std::string object = jsonObject(head);
        object.pop_back();
        out << object << ", \"units\": " << jsonObject(units) << ", \"hooks\": " << jsonArray(hooks)
            << "}\n";
        return;
    }
    printRecord(head, false, out);
    out << "\n";
    printTable(hooks, false, out);
}

int printMinimal(CVnRebarSteelGradeCatalog& catalog, const HookQuery& query,
                 const HookArguments& typed, Record record, std::ostream& out) {
    const std::string& kind = *typed.minimal;
    CString prompt = VnPrompts::getPrompt(kCheckPrompts.at(kind), L"REBARPROPERTIESUI");
    double si = 0;
    int found = catalog.getMinimalHookLength(*typed.angle * kPi / 180.0, query.standard.GetString(),
                                             query.steelGrade.GetString(), query.diameterText(), si,
                                             prompt.GetString(), 1.0);
    record.emplace_back("angle", Value::number(*typed.angle, "deg"));
    record.emplace_back("check", Value::text(kind));
    record.emplace_back("minimal length",
                        shown(catalog, query, typed, minimalParameter(kind), found, si));
    printRecord(record, typed.json, out);
    return kSuccess;
}

// The angles the standard's table lists for the steel grade; false (with the message) when
// the catalogue has no such table or the table nothing for that grade.
bool tableAngles(HookTableReader& reader, const HookQuery& query, std::vector<double>& angles,
                 std::ostream& err) {
    CVnRebarSteelGradeCatalog::HookRuleMap rules;
    const std::wstring table = L"Hooks " + std::wstring(query.standard.GetString());
    if (!reader.FillDiameterHookLengthByAngle(rules, table)) {
        err << "rebarcat: the catalogue has no hook table for standard '" << utf8(query.standard)
            << "' (see rebarcat standards)\n";
        return false;
    }
    auto grade = rules[table].find(query.steelGrade.GetString());
    if (grade == rules[table].end()) {
        err << "rebarcat: the hook table of '" << utf8(query.standard)
            << "' gives nothing for steel grade '" << utf8(query.steelGrade) << "'\n";
        return false;
    }
    for (const auto& [angle, element] : grade->second) angles.push_back(angle);
    return true;
}

int runHook(Arguments& arguments, std::ostream& out, std::ostream& err) {
    HookArguments typed;
    if (int status = readArguments(arguments, typed, err)) return status;
    HostSession session(typed.catalogFile);
    if (int status = session.check(err)) return status;
    HookTableReader catalog;
    HookQuery query;
    if (Verdict verdict = resolveQuery(catalog, *session.container(), typed, query); !verdict)
        return reject(verdict, err);
    std::vector<double> angles;
    if (!tableAngles(catalog, query, angles, err)) return kNotFound;
    Record head = queryRecord(catalog, query);
    if (typed.minimal) return printMinimal(catalog, query, typed, head, out);
    if (typed.angle) angles = {*typed.angle};
    Table hooks{{"angle", "hook length", "unfold length", "leg length"}, {}, {}};
    for (double angle : angles) hooks.rows.push_back(hookAt(catalog, query, typed, angle));
    if (!hooks.rows.empty())
        for (const Value& value : hooks.rows.front()) hooks.units.push_back(value.unit());
    printHooks(head, hooks, typed.json, out);
    return kSuccess;
}

}  // namespace

Command hookCommand() {
    return {"hook",
            "hook STANDARD STEELGRADE (DIAMETER | BAR) [--angle DEG] [--minimal KIND] "
            "[--catalog FILE] [--si | --unit U] [--json]",
            "Show the hook, unfold and leg lengths a standard's hook table gives a bar.",
            "  --angle DEG     only the hook bent by DEG degrees\n"
            "  --minimal KIND  the minimal hook length of a check at --angle: standard, seismic\n"
            "                  or tie\n"
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --si            lengths in metres\n"
            "  --unit U        lengths in U (mm, cm, m, in, ft)\n"
            "  --json          print JSON instead of aligned text\n"
            "DIAMETER is the bar's nominal diameter in the unit of the steel grade's diameters or\n"
            "with a unit (12, 12mm, 0.625, 5/8\", 0.625in). Under a standard that designates\n"
            "bars by name (ACI, CSA A23 M, CSA A23 I) a bar name of the steel grade may be given\n"
            "instead (\"5\" for #5, \"15\" for 15M); the answer says which bar and diameter it\n"
            "read. Without --angle every angle of the table is shown. Hook lengths are in the\n"
            "unit of the steel grade's diameters, the others in the units it gives for them;\n"
            "\"-\" (null in JSON) marks a length the table does not give.\n",
            runHook};
}

}  // namespace rebarcat
