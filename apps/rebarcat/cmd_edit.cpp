// rebarcat add / set / remove: editing the bars of a family. Every command checks what the
// user typed, works on the catalogue in memory and writes the file only when the whole change
// was accepted.
#include <algorithm>
#include <fstream>
#include <ostream>
#include <set>

#include "barcheck.h"
#include "barstore.h"
#include "cli.h"
#include "messages.h"
#include "names.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

const char kFieldOptions[] =
    "  --diameter D, --real-diameter D, --stirrup-mandrel D, --anchor-mandrel D,\n"
    "  --bend-mandrel D, --anchorage L, --weight W, --section A, --perimeter L,\n"
    "  --min-end-leg L, --min-inter-leg L, --min-straight L, --mill-stock L, --max-stock L,\n"
    "  --hook-leg L\n"
    "                  values in the family's stored units, or with a unit (\"12mm\", "
    "\"5/8\\\"\",\n"
    "                  \"1'-6 1/2\\\"\", \"2.98 kg/m\"); -1 or - means not given\n"
    "  --force         allow a second bar with the nominal diameter of another\n"
    "  --catalog FILE  the catalogue file to change\n"
    "  --json          print JSON instead of aligned text\n";

using FieldTexts = std::vector<std::pair<const BarField*, std::string>>;

// Takes the --FIELD options out of the arguments, as typed.
FieldTexts takeFieldTexts(Arguments& arguments) {
    FieldTexts texts;
    for (const BarField& field : barFields())
        if (auto text = arguments.option(field.option)) texts.emplace_back(&field, *text);
    return texts;
}

Verdict readFieldValues(const FieldTexts& texts, CVnRebarSteelGradeCatalog& catalog,
                        const CString& family, FieldValues& values) {
    for (const auto& [field, typed] : texts) {
        double value = 0.0;
        if (Verdict verdict = readFieldValue(catalog, family, *field, typed, value); !verdict)
            return verdict;
        values.push_back({field, value});
    }
    return {};
}

// The options and words every editing command of a bar takes.
struct BarEdit {
    std::optional<std::string> catalogFile;
    bool force = false, json = false;
    FieldTexts texts;
    std::string family, name;
};

int readBarEdit(Arguments& arguments, const char* command, BarEdit& edit, std::ostream& err) {
    edit.catalogFile = arguments.option("catalog");
    edit.force = arguments.flag("force");
    edit.json = arguments.flag("json");
    edit.texts = takeFieldTexts(arguments);
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 2) {
        err << "rebarcat: " << command << " takes a family and a bar name (see rebarcat " << command
            << " --help)\n";
        return kUsage;
    }
    edit.family = arguments.rest()[0];
    edit.name = arguments.rest()[1];
    return kSuccess;
}

// The fields of a stored bar, in the family's units.
Record barRecord(CVnRebarSteelGradeCatalog& catalog, const CString& family, const StoredBar& bar) {
    Record record = {{"family", Value::text(utf8(family))}, {"name", Value::text(utf8(bar.name))}};
    for (size_t i = 0; i < barFields().size(); ++i) {
        const BarField& field = barFields()[i];
        record.emplace_back(field.key, shownValue(catalog, family, field.unitColumn, field.quantity,
                                                  bar.values[i], {}));
    }
    return record;
}

int runAdd(Arguments& arguments, std::ostream& out, std::ostream& err) {
    BarEdit edit;
    if (int status = readBarEdit(arguments, "add", edit, err)) return status;
    HostSession session(edit.catalogFile, HostSession::Purpose::editing);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    auto container = session.container();
    CString family = resolveFamily(catalog, edit.family);
    if (!catalog.FindSteelgradeFamily(family)) return familyNotFound(family, err);
    CString name = resolveBar(catalog, family, edit.name);
    if (catalog.FindSteelgrade(name, family)) {
        err << "rebarcat: " << utf8(family) << " already has a bar " << utf8(name)
            << " (use rebarcat set to change it)\n";
        return kUsage;
    }
    FieldValues values;
    Verdict verdict = readFieldValues(edit.texts, catalog, family, values);
    auto diameter = std::find_if(values.begin(), values.end(), [](const FieldValue& v) {
        return v.field == &nominalDiameterField();
    });
    if (verdict && diameter == values.end()) verdict = {kUsage, "add needs --diameter D"};
    if (verdict)
        verdict = checkUniqueDiameter(readStoredBars(catalog, *container, family), name,
                                      diameter->value, edit.force);
    CString stored;
    if (verdict) verdict = insertBar(catalog, *container, family, name, values, stored);
    if (!verdict) return refuse(verdict, err);
    if (int status = session.save(catalog, err)) return status;
    Record record = barRecord(catalog, family, readStoredBar(*container, family, stored));
    if (!edit.json) out << "added bar " << utf8(stored) << " to " << utf8(family) << "\n";
    printRecord(record, edit.json, out);
    return kSuccess;
}

// What a set changed, one field per line ("anchorage: - -> 12.7 mm") or as JSON.
void printChanges(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                  const StoredBar& before, const StoredBar& after, bool json, std::ostream& out) {
    Table changes{{"field", "from", "to"}, {}, {}};
    for (size_t i = 0; i < barFields().size(); ++i) {
        if (before.values[i] == after.values[i]) continue;
        const BarField& field = barFields()[i];
        auto shown = [&](std::optional<double> value) {
            return shownValue(catalog, family, field.unitColumn, field.quantity, value, {});
        };
        changes.rows.push_back(
            {Value::text(jsonKey(field.key)), shown(before.values[i]), shown(after.values[i])});
        if (!json)
            out << field.key << ": " << shown(before.values[i]).shown() << " -> "
                << shown(after.values[i]).shown() << "\n";
    }
    if (json)
        out << "{\"family\": " << jsonString(utf8(family))
            << ", \"name\": " << jsonString(utf8(after.name))
            << ", \"changes\": " << jsonArray(changes) << "}\n";
}

int runSet(Arguments& arguments, std::ostream& out, std::ostream& err) {
    BarEdit edit;
    if (int status = readBarEdit(arguments, "set", edit, err)) return status;
    if (edit.texts.empty()) {
        err << "rebarcat: set needs at least one --FIELD VALUE (see rebarcat set --help)\n";
        return kUsage;
    }
    HostSession session(edit.catalogFile, HostSession::Purpose::editing);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    auto container = session.container();
    CString family = resolveFamily(catalog, edit.family);
    if (!catalog.FindSteelgradeFamily(family)) return familyNotFound(family, err);
    StoredBar before = readStoredBar(*container, family, resolveBar(catalog, family, edit.name));
    if (before.row < 0) return barNotFound(family, edit.name, err);
    FieldValues values;
    Verdict verdict = readFieldValues(edit.texts, catalog, family, values);
    for (const FieldValue& change : values)
        if (verdict && change.field == &nominalDiameterField())
            verdict = checkUniqueDiameter(readStoredBars(catalog, *container, family), before.name,
                                          change.value, edit.force);
    if (!verdict) return refuse(verdict, err);
    if (holdsValues(before, values)) {
        // Nothing is written, so the file keeps its version stamp and date.
        if (!edit.json)
            out << "nothing changed: " << utf8(before.name) << " already holds these values\n";
        printChanges(catalog, family, before, before, edit.json, out);
        return kSuccess;
    }
    if (Verdict stored = storeValues(catalog, *container, family, before.name, values); !stored)
        return refuse(stored, err);
    if (int status = session.save(catalog, err)) return status;
    StoredBar after = readStoredBar(*container, family, before.name);
    printChanges(catalog, family, before, after, edit.json, out);
    return kSuccess;
}

// The bars a drawing uses, as listed in --in-use-list: one per line, either a bar name (of any
// family) or a family and a bar name separated by a tab. Read by the usage callback, which
// the catalogue takes as a plain function.
std::set<std::pair<std::wstring, std::wstring>> barsInUse;

std::vector<bool> usageFromList(std::wstring family, std::vector<std::wstring> names) {
    std::vector<bool> used;
    for (const auto& name : names)
        used.push_back(barsInUse.count({L"", name}) || barsInUse.count({family, name}));
    return used;
}

bool readUsageList(const std::string& path, std::ostream& err) {
    std::ifstream file(path);
    if (!file) {
        err << "rebarcat: cannot read the usage list " << path << "\n";
        return false;
    }
    barsInUse.clear();
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        size_t tab = line.find('\t');
        std::wstring family = tab == std::string::npos ? L"" : Utf8ToWide(line.substr(0, tab));
        barsInUse.insert(
            {family, Utf8ToWide(tab == std::string::npos ? line : line.substr(tab + 1))});
    }
    return true;
}

int runRemove(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    auto usageList = arguments.option("in-use-list");
    bool json = arguments.flag("json");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 2) {
        err << "rebarcat: remove takes a family and a bar name\n";
        return kUsage;
    }
    barsInUse.clear();
    if (usageList && !readUsageList(*usageList, err)) return kUsage;
    HostSession session(catalogFile, HostSession::Purpose::editing);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog(&usageFromList);
    CString family = resolveFamily(catalog, arguments.rest()[0]);
    CString name = resolveBar(catalog, family, arguments.rest()[1]);
    switch (catalog.RemoveSteelgradeIfUnused(name, family, nullptr)) {
        case CVnRebarSteelGradeCatalog::NotDeleted:
            return barNotFound(family, utf8(name), err);
        case CVnRebarSteelGradeCatalog::InUse:
            err << "rebarcat: " << utf8(name) << " of " << utf8(family)
                << " is in use in the drawing; nothing was removed\n";
            return kRefused;
        case CVnRebarSteelGradeCatalog::Deleted:
            break;
    }
    if (catalog.FindSteelgrade(name, family)) {
        err << "rebarcat: the catalogue did not remove " << utf8(name) << "\n";
        return kUsage;
    }
    if (int status = session.save(catalog, err)) return status;
    if (json)
        printRecord({{"family", Value::text(utf8(family))}, {"removed", Value::text(utf8(name))}},
                    true, out);
    else
        out << "removed bar " << utf8(name) << " from " << utf8(family) << "\n";
    return kSuccess;
}

}  // namespace

Command addCommand() {
    return {"add", "add FAMILY NAME --diameter D [--FIELD VALUE ...] [--force] [--catalog FILE]",
            "Add a bar to a family and save the catalogue.",
            std::string(kFieldOptions) +
                "Fields not given are stored as not given; the real diameter defaults to the\n"
                "nominal one.\n" +
                kLimitsHelp + kEditingCatalogHelp,
            runAdd};
}

Command setCommand() {
    return {"set", "set FAMILY NAME --FIELD VALUE [...] [--force] [--catalog FILE]",
            "Change values of one bar and save the catalogue; prints what changed.",
            std::string(kFieldOptions) +
                "Any value may be changed, to or from 0 as well. When every value is already\n"
                "the one given, nothing is written and \"nothing changed\" is said.\n" +
                kLimitsHelp + kEditingCatalogHelp,
            runSet};
}

Command removeCommand() {
    return {"remove", "remove FAMILY NAME [--in-use-list FILE] [--catalog FILE] [--json]",
            "Remove a bar unless the drawing uses it, and save the catalogue.",
            std::string(
                "  --in-use-list FILE  the bars the drawing uses, one per line: a bar name, or a\n"
                "                      family and a bar name separated by a tab\n"
                "  --catalog FILE      the catalogue file to change\n"
                "  --json              print JSON instead of a sentence\n"
                "Exits with 3, leaving the file untouched, when the bar is in use.\n") +
                kEditingCatalogHelp,
            runRemove};
}

}  // namespace rebarcat
