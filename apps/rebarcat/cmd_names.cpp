// rebarcat names / standard / diameters: how bars are designated under the standards.
#include <algorithm>
#include <ostream>

#include "barvalues.h"
#include "cli.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

CString wide(const std::string& text) {
    return CString(Utf8ToWide(text).c_str());
}

// The family named by the one word the command takes, after the common options.
struct FamilyQuery {
    std::optional<std::string> catalogFile;
    bool json = false;
    CString family;
};

int readFamilyQuery(Arguments& arguments, const char* command, FamilyQuery& query,
                    std::ostream& err) {
    query.catalogFile = arguments.option("catalog");
    query.json = arguments.flag("json");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 1) {
        err << "rebarcat: " << command << " takes one family name\n";
        return kUsage;
    }
    query.family = wide(arguments.rest()[0]);
    return kSuccess;
}

int runNames(Arguments& arguments, std::ostream& out, std::ostream& err) {
    FamilyQuery query;
    if (int status = readFamilyQuery(arguments, "names", query, err)) return status;
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CStringList names;
    if (!catalog.GetNameForFamilySteelgrade(names, query.family)) {
        err << "rebarcat: no family '" << utf8(query.family) << "' in the catalogue\n";
        return kNotFound;
    }
    CVnUnit unit;
    bool hasUnit = catalog.GetParameterUnit(query.family, L"Diameter_Real", unit, 1.0);
    std::vector<TableRow> rows = {{"name", "diameter"}};
    if (!query.json) rows.push_back({"", hasUnit ? utf8(unit.GetName()) : ""});
    for (POSITION pos = names.GetHeadPosition(); pos;) {
        const CString& name = names.GetNext(pos);
        double diameter = 0.0;
        bool known = catalog.getNominalDiameterFromName(query.family, name, diameter) == 1;
        rows.push_back({utf8(name), known ? formatNumber(diameter) : "-"});
    }
    query.json ? printJsonTable(rows, out) : printTable(rows, out);
    return kSuccess;
}

int runStandard(Arguments& arguments, std::ostream& out, std::ostream& err) {
    FamilyQuery query;
    if (int status = readFamilyQuery(arguments, "standard", query, err)) return status;
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString standard = catalog.GetStandardFromSteelGrade(query.family);
    if (standard.IsEmpty()) {
        err << "rebarcat: no family '" << utf8(query.family)
            << "' with a standard in the catalogue\n";
        return kNotFound;
    }
    if (query.json)
        printJsonRecord({{"family", utf8(query.family)}, {"standard", utf8(standard)}}, out);
    else
        out << utf8(standard) << "\n";
    return kSuccess;
}

int runDiameters(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    auto standard = arguments.option("standard");
    bool json = arguments.flag("json");
    if (int status = checkNoMoreArguments(arguments, err)) return status;
    if (!standard) {
        err << "rebarcat: diameters needs --standard S\n";
        return kUsage;
    }
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CMap<CString, LPCTSTR, double, double> diameters;
    bool byValue = true;
    if (!catalog.GetAllDiametersForStandard(diameters, byValue, wide(*standard))) {
        err << "rebarcat: no family follows the standard '" << *standard << "'\n";
        return kNotFound;
    }
    std::vector<std::pair<double, CString>> bars;
    CString name;
    double diameter = 0.0;
    for (POSITION pos = diameters.GetStartPosition(); pos;) {
        diameters.GetNextAssoc(pos, name, diameter);
        bars.emplace_back(diameter, name);
    }
    std::sort(bars.begin(), bars.end());
    std::vector<TableRow> rows = {{"name", "diameter"}};
    for (const auto& [value, barName] : bars) rows.push_back({utf8(barName), formatNumber(value)});
    if (!json) out << "bars designated by " << (byValue ? "diameter value" : "name") << "\n";
    json ? printJsonTable(rows, out) : printTable(rows, out);
    return kSuccess;
}

}  // namespace

Command namesCommand() {
    return {"names", "names FAMILY [--catalog FILE] [--json]",
            "List a family's bar names with their nominal diameters (in the family's unit).",
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --json          print JSON instead of an aligned table\n",
            runNames};
}

Command standardCommand() {
    return {"standard", "standard FAMILY [--catalog FILE] [--json]",
            "Print the design standard a family follows.",
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n", runStandard};
}

Command diametersCommand() {
    return {"diameters", "diameters --standard S [--catalog FILE] [--json]",
            "List every bar name of a standard's families with its nominal diameter.",
            "  --standard S    the design standard (letter case ignored)\n"
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "Under ACI and CSA A23 bars are designated by name (\"5\" for #5, \"15\" for 15M).\n",
            runDiameters};
}

}  // namespace rebarcat
