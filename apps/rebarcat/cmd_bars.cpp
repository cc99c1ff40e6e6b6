// rebarcat bars / bar: the bars of a family, or one bar, with their values and units.
#include <ostream>

#include "barvalues.h"
#include "cli.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

const char kQueryOptions[] =
    "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
    "  --si            values in SI units (m, m2, kg/m)\n"
    "  --unit U        lengths in U (mm, cm, m, in, ft), sections in U2, weights in kg/m or lb/ft\n"
    "  --json          print JSON instead of aligned text\n"
    "Values are shown in the units the family stores them in unless --si or --unit is given;\n"
    "\"-\" (null in JSON) marks a value the catalogue does not give.\n";

struct BarQuery {
    std::optional<std::string> catalogFile;
    bool json = false;
    DisplayUnits display;
};

int readQueryOptions(Arguments& arguments, BarQuery& query, std::ostream& err) {
    query.catalogFile = arguments.option("catalog");
    query.json = arguments.flag("json");
    bool si = arguments.flag("si");
    auto unit = arguments.option("unit");
    std::string error;
    if (!parseDisplayUnits(si, unit, query.display, error)) {
        err << "rebarcat: " << error << "\n";
        return kUsage;
    }
    return checkNoMoreOptions(arguments, err);
}

// One bar as shown: its name and each field's value and unit, in barFields() order.
struct ShownBar {
    std::string name;
    std::vector<ShownValue> values;
};

ShownBar showBar(CVnRebarSteelGradeCatalog& catalog, const CString& family, CVnRebarSteelGrade& bar,
                 const DisplayUnits& display) {
    ShownBar shown{utf8(bar.name()), {}};
    for (const BarField& field : barFields())
        shown.values.push_back(showField(catalog, family, bar, field, display));
    return shown;
}

std::string valueText(const ShownValue& shown) {
    return shown.value ? formatNumber(*shown.value) : "-";
}

std::string jsonBar(const ShownBar& bar) {
    std::string json = "{\"name\": " + jsonString(bar.name);
    for (size_t i = 0; i < bar.values.size(); ++i)
        json += ", " + jsonString(barFields()[i].key) + ": " + jsonValue(valueText(bar.values[i]));
    return json + "}";
}

std::string jsonUnits(const ShownBar& bar) {
    std::string json = "{";
    for (size_t i = 0; i < bar.values.size(); ++i)
        json += (i ? ", " : "") + jsonString(barFields()[i].key) + ": " +
                jsonString(bar.values[i].unit);
    return json + "}";
}

void printBars(const CString& family, const std::vector<ShownBar>& bars, bool json,
               std::ostream& out) {
    if (json) {
        out << "{\"family\": " << jsonString(utf8(family));
        if (!bars.empty()) out << ", \"units\": " << jsonUnits(bars.front());
        out << ", \"bars\": [";
        for (size_t i = 0; i < bars.size(); ++i) out << (i ? ",\n  " : "") << jsonBar(bars[i]);
        out << "]}\n";
        return;
    }
    std::vector<TableRow> rows = {{"name"}, {""}};
    for (size_t i = 0; i < barFields().size(); ++i) {
        rows[0].push_back(barFields()[i].key);
        rows[1].push_back(bars.empty() ? "" : bars.front().values[i].unit);
    }
    for (const ShownBar& bar : bars) {
        TableRow row = {bar.name};
        for (const ShownValue& value : bar.values) row.push_back(valueText(value));
        rows.push_back(row);
    }
    printTable(rows, out);
}

int familyNotFound(const CString& family, std::ostream& err) {
    err << "rebarcat: no family '" << utf8(family)
        << "' in the catalogue (see rebarcat families)\n";
    return kNotFound;
}

int runBars(Arguments& arguments, std::ostream& out, std::ostream& err) {
    BarQuery query;
    if (int status = readQueryOptions(arguments, query, err)) return status;
    if (arguments.rest().size() != 1) {
        err << "rebarcat: bars takes one family name (see rebarcat bars --help)\n";
        return kUsage;
    }
    CString family(Utf8ToWide(arguments.rest()[0]).c_str());
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CStringList names;
    if (!catalog.GetNameForFamilySteelgrade(names, family)) return familyNotFound(family, err);
    std::vector<ShownBar> bars;
    for (POSITION pos = names.GetHeadPosition(); pos;) {
        bool found = false;
        CVnRebarSteelGrade bar = catalog.GetSteelgrade(names.GetNext(pos), family, 1.0, found);
        if (found) bars.push_back(showBar(catalog, family, bar, query.display));
    }
    printBars(family, bars, query.json, out);
    return kSuccess;
}

int runBar(Arguments& arguments, std::ostream& out, std::ostream& err) {
    BarQuery query;
    auto diameter = arguments.option("diameter");
    if (int status = readQueryOptions(arguments, query, err)) return status;
    size_t words = diameter ? 1 : 2;
    if (arguments.rest().size() != words) {
        err << "rebarcat: bar takes a family and a bar name, or a family and --diameter D\n";
        return kUsage;
    }
    CString family(Utf8ToWide(arguments.rest()[0]).c_str());
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    if (!catalog.FindSteelgradeFamily(family)) return familyNotFound(family, err);

    bool found = false;
    CString wanted(Utf8ToWide(diameter ? *diameter : arguments.rest()[1]).c_str());
    CVnRebarSteelGrade bar = diameter ? catalog.GetSteelgradeByDiameter(wanted, family, 1.0, found)
                                      : catalog.GetSteelgrade(wanted, family, 1.0, found);
    if (!found) {
        err << "rebarcat: family '" << utf8(family) << "' has no bar "
            << (diameter ? "of nominal diameter " : "named ") << utf8(wanted) << "\n";
        return kNotFound;
    }
    ShownBar shown = showBar(catalog, family, bar, query.display);
    if (query.json) {
        out << "{\"family\": " << jsonString(utf8(family)) << ", \"units\": " << jsonUnits(shown)
            << ", \"bar\": " << jsonBar(shown) << "}\n";
        return kSuccess;
    }
    Record record = {{"family", utf8(family)}, {"name", shown.name}};
    for (size_t i = 0; i < shown.values.size(); ++i) {
        const ShownValue& value = shown.values[i];
        record.emplace_back(barFields()[i].key,
                            value.value ? formatNumber(*value.value) + " " + value.unit : "-");
    }
    printRecord(record, out);
    return kSuccess;
}

}  // namespace

Command barsCommand() {
    return {"bars", "bars FAMILY [--catalog FILE] [--si | --unit U] [--json]",
            "List the bars of a family in table order with every value and its unit.",
            kQueryOptions, runBars};
}

Command barCommand() {
    return {"bar", "bar FAMILY (NAME | --diameter D) [--catalog FILE] [--si | --unit U] [--json]",
            "Show one bar of a family, found by name or by nominal diameter.",
            "  --diameter D    the nominal diameter as the family stores it (12 for 12 mm,\n"
            "                  0.625 for a #5 bar of an inch family)\n" +
                std::string(kQueryOptions),
            runBar};
}

}  // namespace rebarcat
