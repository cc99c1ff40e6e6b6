// rebarcat bars / bar: the bars of a family, or one bar, with their values and units.
#include <algorithm>
#include <cmath>
#include <ostream>

#include "barcheck.h"
#include "barvalues.h"
#include "cli.h"
#include "messages.h"
#include "names.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"
#include "vntl/vntlmdbcontainer.h"

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
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    std::string error;
    if (!parseDisplayUnits(si, unit, query.display, error)) {
        err << "rebarcat: " << error << "\n";
        return kUsage;
    }
    return kSuccess;
}

// A bar's values as shown, in barFields() order.
std::vector<Value> shownValues(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                               const StoredBar& bar, const DisplayUnits& display) {
    std::vector<Value> values;
    for (size_t i = 0; i < barFields().size(); ++i) {
        const BarField& field = barFields()[i];
        values.push_back(
            shownValue(catalog, family, field.unitColumn, field.quantity, bar.values[i], display));
    }
    return values;
}

std::vector<std::string> shownUnits(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                                    const DisplayUnits& display) {
    std::vector<std::string> units;
    for (const BarField& field : barFields())
        units.push_back(shownUnit(catalog, family, field.unitColumn, field.quantity, display));
    return units;
}

// {"diameter": "mm", ...}: the unit of each value of the JSON bars.
std::string jsonUnits(const std::vector<std::string>& units) {
    Record record;
    for (size_t i = 0; i < units.size(); ++i)
        record.emplace_back(barFields()[i].key, Value::text(units[i]));
    return jsonObject(record);
}

Table barTable(CVnRebarSteelGradeCatalog& catalog, const CString& family,
               const std::vector<StoredBar>& bars, const DisplayUnits& display) {
    Table table{{"name"}, {""}, {}};
    for (const BarField& field : barFields()) table.headings.push_back(field.key);
    for (const std::string& unit : shownUnits(catalog, family, display))
        table.units.push_back(unit);
    for (const StoredBar& bar : bars) {
        std::vector<Value> row = {Value::text(utf8(bar.name))};
        for (const Value& value : shownValues(catalog, family, bar, display)) row.push_back(value);
        table.rows.push_back(row);
    }
    return table;
}

int runBars(Arguments& arguments, std::ostream& out, std::ostream& err) {
    BarQuery query;
    if (int status = readQueryOptions(arguments, query, err)) return status;
    if (arguments.rest().size() != 1) {
        err << "rebarcat: bars takes one family name (see rebarcat bars --help)\n";
        return kUsage;
    }
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString family = resolveFamily(catalog, arguments.rest()[0]);
    if (!catalog.FindSteelgradeFamily(family)) return familyNotFound(family, err);
    Table table = barTable(catalog, family, readStoredBars(catalog, *session.container(), family),
                           query.display);
    if (!query.json) {
        printTable(table, false, out);
        return kSuccess;
    }
    out << "{\"family\": " << jsonString(utf8(family))
        << ", \"units\": " << jsonUnits({table.units.begin() + 1, table.units.end()})
        << ", \"bars\": " << jsonArray(table) << "}\n";
    return kSuccess;
}

// The bar of the family whose stored nominal diameter is `typed` read with its unit.
Verdict barByDiameter(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                      const CString& family, const std::string& typed, StoredBar& found) {
    double wanted = 0.0;
    Verdict verdict = readFieldValue(catalog, family, nominalDiameterField(), typed, wanted);
    if (!verdict) return verdict;
    std::vector<StoredBar> bars = readStoredBars(catalog, container, family);
    auto match = std::find_if(bars.begin(), bars.end(), [&](const StoredBar& bar) {
        return bar.values.front() && std::fabs(*bar.values.front() - wanted) <= 1e-9 * wanted;
    });
    if (match == bars.end())
        return {kNotFound, "family '" + utf8(family) + "' has no bar of nominal diameter " + typed};
    found = *match;
    return {};
}

int runBar(Arguments& arguments, std::ostream& out, std::ostream& err) {
    BarQuery query;
    auto diameter = arguments.option("diameter");
    if (int status = readQueryOptions(arguments, query, err)) return status;
    if (arguments.rest().size() != (diameter ? 1u : 2u)) {
        err << "rebarcat: bar takes a family and a bar name, or a family and --diameter D\n";
        return kUsage;
    }
    HostSession session(query.catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    auto container = session.container();
    CString family = resolveFamily(catalog, arguments.rest()[0]);
    if (!catalog.FindSteelgradeFamily(family)) return familyNotFound(family, err);
    StoredBar bar;
    if (diameter) {
        if (Verdict verdict = barByDiameter(catalog, *container, family, *diameter, bar); !verdict)
            return reject(verdict, err);
    } else {
        bar = readStoredBar(*container, family, resolveBar(catalog, family, arguments.rest()[1]));
        if (bar.row < 0) return barNotFound(family, arguments.rest()[1], err);
    }
    Table table = barTable(catalog, family, {bar}, query.display);
    Record record;
    for (size_t i = 0; i < table.headings.size(); ++i)
        record.emplace_back(table.headings[i], table.rows[0][i]);
    if (query.json) {
        out << "{\"family\": " << jsonString(utf8(family))
            << ", \"units\": " << jsonUnits({table.units.begin() + 1, table.units.end()})
            << ", \"bar\": " << jsonObject(record) << "}\n";
        return kSuccess;
    }
    record.insert(record.begin(), {"family", Value::text(utf8(family))});
    printRecord(record, false, out);
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
            "  --diameter D    the nominal diameter, in the family's unit or with a unit (12,\n"
            "                  12mm, 0.625, 5/8\", 0.625in)\n" +
                std::string(kQueryOptions),
            runBar};
}

}  // namespace rebarcat
