// rebarcat families: the steel grades of a catalogue, for one standard or all.
#include <ostream>

#include "barvalues.h"
#include "cli.h"
#include "names.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"

namespace rebarcat {

namespace {

std::vector<Value> familyRow(CVnRebarSteelGradeCatalog& catalog, const CString& family) {
    CString adherence;
    bool found = false;  // an empty bond class counts as not given either way
    catalog.GetAdherence(family, adherence, found);
    double limit = -1.0;
    bool hasLimit = catalog.GetSteelLimit(family, limit);
    CStringList names;
    catalog.GetNameForFamilySteelgrade(names, family);
    CString standard = catalog.GetStandardFromSteelGrade(family);
    return {Value::text(utf8(family)), standard.IsEmpty() ? Value() : Value::text(utf8(standard)),
            Value::boolean(catalog.CheckSteelgradeFamilyForFixedDiameter(family)),
            adherence.IsEmpty() ? Value() : Value::text(utf8(adherence)),
            // A yield strength of 0 is what an empty cell reads as, never a steel's limit.
            Value::number(hasLimit && limit > 0 ? std::optional<double>(limit) : std::nullopt),
            Value::number(static_cast<double>(names.GetCount()))};
}

int runFamilies(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    auto typedStandard = arguments.option("standard");
    bool json = arguments.flag("json");
    if (int status = checkNoMoreArguments(arguments, err)) return status;
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;

    CVnRebarSteelGradeCatalog catalog;
    CString standard;
    if (typedStandard) standard = resolveStandard(catalog, *session.container(), *typedStandard);
    CStringList families;
    catalog.GetSteelgradeFamilies(families, standard);
    if (families.IsEmpty() && typedStandard) {
        err << "rebarcat: no family follows the standard '" << *typedStandard
            << "' (see rebarcat standards)\n";
        return kNotFound;
    }
    Table table{{"family", "standard", "fixed diameter", "bond", "steel limit", "bars"}, {}, {}};
    for (POSITION pos = families.GetHeadPosition(); pos;)
        table.rows.push_back(familyRow(catalog, families.GetNext(pos)));
    printTable(table, json, out);
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
