// rebarcat import: the bars of a CSV file (as rebarcat export writes it) into a family, each
// value checked as rebarcat add checks it; the catalogue is saved only when every row was
// accepted.
#include <algorithm>
#include <fstream>
#include <ostream>

#include "barcheck.h"
#include "barstore.h"
#include "cli.h"
#include "csv.h"
#include "messages.h"
#include "names.h"
#include "output.h"
#include "session.h"

namespace rebarcat {

namespace {

// One column of the file: the bar field it fills and the unit a bare number is in.
struct Column {
    const BarField* field = nullptr;  // null: the name column
    std::optional<CVnUnit> unit;      // empty: the family's unit
    std::string heading;
};

// One bar of the file, read and checked.
struct Row {
    size_t line;
    CString name;  // as the catalogue spells it when the family has the bar
    bool exists;
    FieldValues values;
};

Verdict at(const CsvRecord& row, const std::string& column, const Verdict& verdict) {
    return {verdict.status,
            "line " + std::to_string(row.line) + ", column '" + column + "': " + verdict.message};
}

Verdict readColumn(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                   const std::string& heading, Column& column) {
    column.heading = heading;
    std::string name = heading.substr(0, heading.find(" ["));
    if (name == "name") return {};
    auto field = std::find_if(barFields().begin(), barFields().end(),
                              [&](const BarField& f) { return name == f.option; });
    if (field == barFields().end())
        return {kUsage, "unknown column '" + heading + "' (see rebarcat export)"};
    column.field = &*field;
    size_t open = heading.find(" [");
    if (open == std::string::npos || heading.back() != ']') return {};
    std::string unitText = heading.substr(open + 2, heading.size() - open - 3);
    CVnUnit familyUnitOf, unit;
    if (CVnUnitManager::UnitFromString(wide(unitText), unit, 1.0) != 0)
        return {kUsage, "unknown unit in column '" + heading + "'"};
    bool sameAsFamily = familyUnit(catalog, family, field->unitColumn, familyUnitOf) &&
                        familyUnitOf.GetName() == unit.GetName();
    if (!sameAsFamily) column.unit = unit;
    return {};
}

Verdict readColumns(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                    const CsvRow& heading, std::vector<Column>& columns) {
    for (const std::string& cell : heading) {
        Column column;
        if (Verdict verdict = readColumn(catalog, family, cell, column); !verdict) return verdict;
        auto same = [&](const Column& c) { return c.field == column.field; };
        if (std::any_of(columns.begin(), columns.end(), same))
            return {kUsage, "column '" + cell + "' is given twice"};
        columns.push_back(column);
    }
    if (std::none_of(columns.begin(), columns.end(), [](const Column& c) { return !c.field; }))
        return {kUsage, "the heading has no 'name' column"};
    return {};
}

Verdict readRow(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                const std::vector<Column>& columns, const CsvRecord& record, Row& row) {
    if (record.cells.size() != columns.size())
        return {kUsage, "line " + std::to_string(record.line) + " has " +
                            std::to_string(record.cells.size()) + " cells, the heading " +
                            std::to_string(columns.size())};
    row.line = record.line;
    for (size_t c = 0; c < columns.size(); ++c) {
        const std::string& cell = record.cells[c];
        if (!columns[c].field) {
            if (cell.empty()) return at(record, columns[c].heading, {kUsage, "a bar needs a name"});
            row.name = resolveBar(catalog, family, cell);
            continue;
        }
        double value = 0.0;
        const CVnUnit* unit = columns[c].unit ? &*columns[c].unit : nullptr;
        Verdict verdict = readFieldValue(catalog, family, *columns[c].field,
                                         cell.empty() ? "-" : cell, value, unit);
        if (!verdict) return at(record, columns[c].heading, verdict);
        row.values.push_back({columns[c].field, value});
    }
    row.exists = catalog.FindSteelgrade(row.name, family);
    return {};
}

// The nominal diameter a row gives its bar, or the one the bar keeps.
std::optional<double> diameterOf(const Row& row, const std::vector<StoredBar>& stored) {
    for (const FieldValue& value : row.values)
        if (value.field == &nominalDiameterField()) return value.value;
    for (const StoredBar& bar : stored)
        if (bar.name == row.name) return bar.values.front();
    return std::nullopt;
}

// Refuses a new bar without a diameter, a bar given twice and, unless forced, two bars of
// one diameter in the family as the import would leave it.
Verdict checkRows(const std::vector<Row>& rows, std::vector<StoredBar> bars, bool force) {
    for (const Row& row : rows) {
        auto mine = [&](const StoredBar& bar) { return bar.name.CompareNoCase(row.name) == 0; };
        bars.erase(std::remove_if(bars.begin(), bars.end(), mine), bars.end());
    }
    for (const Row& row : rows) {
        std::optional<double> diameter = diameterOf(row, bars);
        std::string where = "line " + std::to_string(row.line) + ": ";
        if (!diameter)
            return {kRefused, where + "the new bar " + utf8(row.name) + " needs a diameter"};
        for (const StoredBar& bar : bars)
            if (bar.name.CompareNoCase(row.name) == 0)
                return {kUsage, where + "bar " + utf8(row.name) + " is given twice"};
        Verdict verdict = checkUniqueDiameter(bars, row.name, *diameter, force);
        if (!verdict) return {verdict.status, where + verdict.message};
        StoredBar imported;
        imported.name = row.name;
        imported.values = {diameter};
        bars.push_back(imported);
    }
    return {};
}

Verdict readFile(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                 const CString& family, const std::vector<CsvRecord>& records, bool force,
                 std::vector<Row>& rows) {
    std::vector<Column> columns;
    if (records.empty()) return {kUsage, "the file has no heading"};
    if (Verdict verdict = readColumns(catalog, family, records.front().cells, columns); !verdict)
        return verdict;
    std::vector<StoredBar> stored = readStoredBars(catalog, container, family);
    for (size_t r = 1; r < records.size(); ++r) {
        Row row;
        if (Verdict verdict = readRow(catalog, family, columns, records[r], row); !verdict)
            return verdict;
        auto same = std::find_if(stored.begin(), stored.end(),
                                 [&](const StoredBar& bar) { return bar.name == row.name; });
        if (same == stored.end() || !holdsValues(*same, row.values)) rows.push_back(row);
    }
    return checkRows(rows, stored, force);
}

struct ImportCounts {
    int added = 0, changed = 0;
};

Verdict apply(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
              const CString& family, const std::vector<Row>& rows, ImportCounts& counts) {
    for (const Row& row : rows) {
        CString stored;
        Verdict verdict = row.exists
                              ? storeValues(catalog, container, family, row.name, row.values)
                              : insertBar(catalog, container, family, row.name, row.values, stored);
        if (!verdict)
            return {verdict.status, "line " + std::to_string(row.line) + ": " + verdict.message};
        ++(row.exists ? counts.changed : counts.added);
    }
    return {};
}

int runImport(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    bool force = arguments.flag("force"), json = arguments.flag("json");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 2) {
        err << "rebarcat: import takes a family and a CSV file (see rebarcat import --help)\n";
        return kUsage;
    }
    const std::string path = arguments.rest()[1];
    std::ifstream file(path, std::ios::binary);
    std::vector<CsvRecord> records;
    std::string error;
    if (!file || !readCsv(file, records, error)) {
        err << "rebarcat: cannot read " << path << (error.empty() ? "" : ": " + error) << "\n";
        return kUsage;
    }
    HostSession session(catalogFile, HostSession::Purpose::editing);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    auto container = session.container();
    CString family = resolveFamily(catalog, arguments.rest()[0]);
    if (!catalog.FindSteelgradeFamily(family)) return familyNotFound(family, err);
    std::vector<Row> rows;
    ImportCounts counts;
    Verdict verdict = readFile(catalog, *container, family, records, force, rows);
    if (verdict) verdict = apply(catalog, *container, family, rows, counts);
    if (!verdict) return refuse(verdict, err);
    if (!rows.empty())
        if (int status = session.save(catalog, err)) return status;
    int unchanged = static_cast<int>(records.size() - 1 - rows.size());
    Record record = {{"family", Value::text(utf8(family))},
                     {"added", Value::number(counts.added)},
                     {"changed", Value::number(counts.changed)},
                     {"unchanged", Value::number(unchanged)}};
    if (!json && rows.empty()) out << "nothing changed\n";
    printRecord(record, json, out);
    return kSuccess;
}

}  // namespace

Command importCommand() {
    return {"import", "import FAMILY FILE.csv [--force] [--catalog FILE] [--json]",
            "Add or change the bars of a family from a CSV file, all of them or none.",
            "  --force         allow two bars of the same nominal diameter\n"
            "  --catalog FILE  the catalogue file to change\n"
            "  --json          print JSON instead of aligned text\n"
            "The file is what rebarcat export writes: a heading of 'name' and --option columns\n"
            "of rebarcat add, each optionally with a unit in brackets (\"weight [lb/ft]\") that a\n"
            "bare number is read in (default: the family's); any subset of columns may be given.\n"
            "A bar the family has is changed, a new one added; bars not in the file are kept.\n"
            "An empty cell is a value not given. Every value is checked as rebarcat add checks\n"
            "it; the first refused cell is named by line and column and nothing is saved.\n" +
                std::string(kLimitsHelp) + kEditingCatalogHelp,
            runImport};
}

}  // namespace rebarcat
