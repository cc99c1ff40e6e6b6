// rebarcat info: the definition record of a catalogue.
#include <ostream>

#include "cli.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"

namespace rebarcat {

int runInfo(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    bool json = arguments.flag("json");
    if (int status = checkNoMoreArguments(arguments, err)) return status;

    HostSession session(catalogFile);
    if (CString error = session.catalogError(); !error.IsEmpty()) {
        err << "rebarcat: cannot read " << utf8(session.catalogPath()) << ": " << utf8(error)
            << "\n";
        return kUsage;
    }
    CVnRebarSteelGradeCatalog catalog;
    Record record = {
        {"catalog", Value::text(utf8(catalog.GetDBPath()))},
        {"version", Value::text(utf8(catalog.Version()))},
        {"name", Value::text(utf8(catalog.Name()))},
        {"editor", Value::text(utf8(catalog.EditorName()))},
        {"type", Value::number(catalog.DefType())},
        {"comment", Value::text(utf8(catalog.DefComment()))},
        {"last update", Value::text(utf8(catalog.LastUpdate()))},
        {"bar catalogue", Value::boolean(catalog.IsValidCatalog(catalog.GetTypeName()))},
    };
    printRecord(record, json, out);
    return kSuccess;
}

Command infoCommand() {
    return {"info", "info [--catalog FILE] [--json]",
            "Print a catalogue's definition record and whether it is a bar catalogue.",
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --json          print a JSON object instead of aligned lines\n",
            runInfo};
}

}  // namespace rebarcat
