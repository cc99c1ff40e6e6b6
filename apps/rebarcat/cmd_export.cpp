// rebarcat export: all bars of a family as comma-separated values, in the family's stored
// units (named in the heading) and with every digit of the stored numbers, so that rebarcat
// import reads back exactly what was exported.
#include <ostream>

#include "barvalues.h"
#include "cli.h"
#include "csv.h"
#include "messages.h"
#include "names.h"
#include "output.h"
#include "session.h"

namespace rebarcat {

CsvRow csvHeading(CVnRebarSteelGradeCatalog& catalog, const CString& family) {
    CsvRow heading = {"name"};
    for (const BarField& field : barFields())
        heading.push_back(std::string(field.option) + " [" +
                          shownUnit(catalog, family, field.unitColumn, field.quantity, {}) + "]");
    return heading;
}

namespace {

int runExport(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    bool csv = arguments.flag("csv");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 1 || !csv) {
        err << "rebarcat: export takes one family name and --csv (see rebarcat export --help)\n";
        return kUsage;
    }
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString family = resolveFamily(catalog, arguments.rest()[0]);
    if (!catalog.FindSteelgradeFamily(family)) return familyNotFound(family, err);
    out << csvLine(csvHeading(catalog, family));
    for (const StoredBar& bar : readStoredBars(catalog, *session.container(), family)) {
        CsvRow row = {utf8(bar.name)};
        for (const auto& value : bar.values) row.push_back(value ? shortestNumber(*value) : "");
        out << csvLine(row);
    }
    return kSuccess;
}

}  // namespace

Command exportCommand() {
    return {"export", "export FAMILY --csv [--catalog FILE]",
            "Print every bar of a family as CSV, ready for rebarcat import.",
            "  --csv           comma-separated values (the one format there is)\n"
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "The heading names each column as its --option of rebarcat add with the family's\n"
            "unit in brackets (\"diameter [mm]\"); numbers are the stored ones, digit for digit;\n"
            "an empty cell is a value not given.\n",
            runExport};
}

}  // namespace rebarcat
