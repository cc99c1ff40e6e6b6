// rebarcat names / standard / diameters: how bars are designated under the standards.
#include <algorithm>
#include <ostream>

#include "barvalues.h"
#include "cli.h"
#include "messages.h"
#include "names.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"

namespace rebarcat {

namespace {

// The family named by the one word the command takes, after the common options.
struct FamilyQuery {
    std::optional<std::string> catalogFile;
    bool json = false;
    std::string family;
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
    query.family = arguments.rest()[0];
    return kSuccess;
}

int runNames(Arguments& arguments, std::ostream& out, std::ostream& err) {
    FamilyQuery query;
    if (int status = readFamilyQuery(arguments, "names", query, err)) return status;
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString family = resolveFamily(catalog, query.family);
    CStringList names;
    if (!catalog.GetNameForFamilySteelgrade(names, family)) return familyNotFound(family, err);
    std::string unit = shownUnit(catalog, family, L"Diameter_Real", Quantity::Diameter, {});
    Table table{{"name", "diameter"}, {"", unit}, {}};
    for (POSITION pos = names.GetHeadPosition(); pos;) {
        const CString& name = names.GetNext(pos);
        double diameter = 0.0;
        bool known = catalog.getNominalDiameterFromName(family, name, diameter) == 1;
        table.rows.push_back({Value::text(utf8(name)),
                              Value::number(known ? std::optional(diameter) : std::nullopt)});
    }
    if (query.json)
        out << "{\"family\": " << jsonString(utf8(family)) << ", \"unit\": " << jsonString(unit)
            << ", \"names\": " << jsonArray(table) << "}\n";
    else
        printTable(table, false, out);
    return kSuccess;
}

int runStandard(Arguments& arguments, std::ostream& out, std::ostream& err) {
    FamilyQuery query;
    if (int status = readFamilyQuery(arguments, "standard", query, err)) return status;
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString family = resolveFamily(catalog, query.family);
    CString standard = catalog.GetStandardFromSteelGrade(family);
    if (standard.IsEmpty()) {
        err << "rebarcat: no family '" << query.family << "' with a standard in the catalogue\n";
        return kNotFound;
    }
    if (query.json)
        printRecord(
            {{"family", Value::text(utf8(family))}, {"standard", Value::text(utf8(standard))}},
            true, out);
    else
        out << utf8(standard) << "\n";
    return kSuccess;
}

int runDiameters(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    auto typed = arguments.option("standard");
    bool json = arguments.flag("json");
    if (int status = checkNoMoreArguments(arguments, err)) return status;
    if (!typed) {
        err << "rebarcat: diameters needs --standard S\n";
        return kUsage;
    }
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString standard = resolveStandard(catalog, *session.container(), *typed);
    CMap<CString, LPCTSTR, double, double> diameters;
    bool byValue = true;
    if (!catalog.GetAllDiametersForStandard(diameters, byValue, standard)) {
        err << "rebarcat: no family follows the standard '" << *typed
            << "' (see rebarcat standards)\n";
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
    Table table{{"name", "diameter"}, {}, {}};
    for (const auto& [value, barName] : bars)
        table.rows.push_back({Value::text(utf8(barName)), Value::number(value)});
    const char* designation = byValue ? "diameter value" : "name";
    if (json) {
        out << "{\"standard\": " << jsonString(utf8(standard))
            << ", \"designatedBy\": " << jsonString(byValue ? "diameter" : "name")
            << ", \"bars\": " << jsonArray(table) << "}\n";
        return kSuccess;
    }
    out << "bars designated by " << designation << "\n";
    printTable(table, false, out);
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
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --json          print JSON instead of the standard's name\n",
            runStandard};
}

Command diametersCommand() {
    return {"diameters", "diameters --standard S [--catalog FILE] [--json]",
            "List every bar name of a standard's families with its nominal diameter.",
            "  --standard S    the design standard (letter case ignored)\n"
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --json          print JSON instead of an aligned table\n"
            "Under ACI and CSA A23 bars are designated by name (\"5\" for #5, \"15\" for 15M).\n",
            runDiameters};
}

}  // namespace rebarcat
