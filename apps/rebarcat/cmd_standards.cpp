// rebarcat standards: the design standards of a catalogue, each with its families and whether
// the catalogue holds its hook table.
#include <ostream>

#include "cli.h"
#include "names.h"
#include "output.h"
#include "session.h"

namespace rebarcat {

namespace {

int runStandards(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    bool json = arguments.flag("json");
    if (int status = checkNoMoreArguments(arguments, err)) return status;
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    Table table{{"standard", "hook table", "families"}, {}, {}};
    std::string jsonRows;
    for (const StandardEntry& standard : catalogueStandards(catalog, *session.container())) {
        std::string families, jsonFamilies;
        for (const CString& family : standard.families) {
            families += (families.empty() ? "" : ", ") + utf8(family);
            jsonFamilies += (jsonFamilies.empty() ? "" : ", ") + jsonString(utf8(family));
        }
        table.rows.push_back({Value::text(utf8(standard.name)), Value::boolean(standard.hookTable),
                              families.empty() ? Value() : Value::text(families)});
        Record record = {{"standard", Value::text(utf8(standard.name))},
                         {"hook table", Value::boolean(standard.hookTable)}};
        std::string object = jsonObject(record);
        object.pop_back();
        jsonRows +=
            (jsonRows.empty() ? "" : ",\n ") + object + ", \"families\": [" + jsonFamilies + "]}";
    }
    if (json)
        out << "[" << jsonRows << "]\n";
    else
        printTable(table, false, out);
    return kSuccess;
}

}  // namespace

Command standardsCommand() {
    return {"standards", "standards [--catalog FILE] [--json]",
            "List every design standard of a catalogue with its families and hook table.",
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --json          print JSON (families as an array) instead of an aligned table\n"
            "A standard is listed when a family follows it or the catalogue has its hook table.\n",
            runStandards};
}

}  // namespace rebarcat
