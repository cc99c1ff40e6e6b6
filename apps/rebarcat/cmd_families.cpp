// rebarcat families: the steel grades of a catalogue, for one standard or all.
#include <ostream>

#include "barvalues.h"
#include "cli.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

TableRow familyRow(CVnRebarSteelGradeCatalog& catalog, const CString& family) {
    CString adherence;
    bool found = false;
    catalog.GetAdherence(family, adherence, found);
    double limit = -1.0;
    bool hasLimit = catalog.GetSteelLimit(family, limit);
    CStringList names;
    catalog.GetNameForFamilySteelgrade(names, family);
    return {utf8(family),
            utf8(catalog.GetStandardFromSteelGrade(family)),
            catalog.CheckSteelgradeFamilyForFixedDiameter(family) ? "yes" : "no",
            utf8(adherence),
            hasLimit ? formatNumber(limit) : "-",
            std::to_string(names.GetCount())};
}

int runFamilies(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    auto standard = arguments.option("standard");
    bool json = arguments.flag("json");
    if (int status = checkNoMoreArguments(arguments, err)) return status;
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;

    CVnRebarSteelGradeCatalog catalog;
    CStringList families;
    catalog.GetSteelgradeFamilies(families,
                                  standard ? CString(Utf8ToWide(*standard).c_str()) : CString());
    std::vector<TableRow> rows = {
        {"family", "standard", "fixed diameter", "bond", "steel limit", "bars"}};
    for (POSITION pos = families.GetHeadPosition(); pos;)
        rows.push_back(familyRow(catalog, families.GetNext(pos)));
    json ? printJsonTable(rows, out) : printTable(rows, out);
    if (rows.size() == 1 && standard) {
        err << "rebarcat: no family follows the standard '" << *standard << "'\n";
        return kNotFound;
    }
    return kSuccess;
}

}  // namespace

Command familiesCommand() {
    return {"families", "families [--standard S] [--catalog FILE] [--json]",
            "List the steel-grade families of a catalogue, with their standard and bond class.",
            "  --standard S    only the families of design standard S (letter case ignored)\n"
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --json          print JSON instead of an aligned table\n",
            runFamilies};
}

}  // namespace rebarcat
