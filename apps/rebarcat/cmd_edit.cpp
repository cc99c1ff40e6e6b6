// rebarcat add / set / remove: editing the bars of a family. Every command works on the
// catalogue in memory and writes the file only when the whole change was accepted.
#include <fstream>
#include <ostream>
#include <set>

#include "barvalues.h"
#include "cli.h"
#include "output.h"
#include "rebar/rebarvalues.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "session.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

const char kFieldOptions[] =
    "  --diameter D, --real-diameter D, --stirrup-mandrel D, --anchor-mandrel D,\n"
    "  --bend-mandrel D, --anchorage L, --weight W, --section A, --perimeter L,\n"
    "  --min-end-leg L, --min-inter-leg L, --min-straight L\n"
    "                  values in the family's stored units, or with a unit (\"12mm\", \"0.5in\",\n"
    "                  \"1'-6 1/2\\\"\", \"2.98 kg/m\"); -1 means not given\n"
    "  --catalog FILE  the catalogue file to change (default: the bundled catalogue)\n";

CString wide(const std::string& text) {
    return CString(Utf8ToWide(text).c_str());
}

using FieldTexts = std::vector<std::pair<const BarField*, std::string>>;

// Takes the --FIELD options out of the arguments, as typed.
FieldTexts takeFieldTexts(Arguments& arguments) {
    FieldTexts texts;
    for (const BarField& field : barFields())
        if (field.option)
            if (auto text = arguments.option(field.option)) texts.emplace_back(&field, *text);
    return texts;
}

// The values the user typed for the editable fields, parsed into the family's stored units.
struct FieldValues {
    std::vector<std::pair<const BarField*, double>> values;
    std::string error;
};

FieldValues parseFieldValues(const FieldTexts& texts, CVnRebarSteelGradeCatalog& catalog,
                             const CString& family) {
    FieldValues result;
    for (const auto& [fieldPointer, typed] : texts) {
        const BarField& field = *fieldPointer;
        CVnUnit unit;
        catalog.GetParameterUnit(family, field.unitColumn, unit, 1.0);
        int error = 0;
        double value = unit.String2Double(wide(typed), &error, 0);
        if (error) {
            result.error = "cannot read '" + typed + "' for --" + field.option + " (a " +
                           utf8(unit.GetName()) + " value)";
            return result;
        }
        result.values.emplace_back(&field, value);
    }
    return result;
}

// The bar exactly as stored: its cells in the family's units, -1 where not given.
CVnRebarSteelGrade storedBar(VNTLMdbContainer& container, const CString& family,
                             const CString& name, bool& found) {
    CVnRebarSteelGrade bar;
    VNTLMdbContainer::Row row;
    found = container.getTableLine(family, L"Name", COleVariant(name), row) >= 0;
    bar.setFamily(family);
    bar.setName(VariantToString(row[L"Name"]));
    for (const BarField& field : barFields())
        (bar.*field.setter)(VariantToDouble(row[field.column]));
    return bar;
}

std::string storedText(double value, const std::string& unit) {
    return value == rebar::kNotGiven ? "-" : formatNumber(value) + " " + unit;
}

std::string unitName(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                     const BarField& field) {
    CVnUnit unit;
    return catalog.GetParameterUnit(family, field.unitColumn, unit, 1.0) ? utf8(unit.GetName())
                                                                         : "";
}

int saveOrSay(CVnRebarSteelGradeCatalog& catalog, const HostSession& session, std::ostream& err) {
    if (catalog.SaveDatabase()) return kSuccess;
    auto container = session.container();
    err << "rebarcat: could not save " << utf8(session.catalogPath()) << ": "
        << (container ? utf8(container->getLastError()) : std::string("no container"))
        << "; the file was left as it was\n";
    return kUsage;
}

// The field values of an edit, in the family's units; a usage status when one cannot be read.
int readFieldValues(const FieldTexts& texts, CVnRebarSteelGradeCatalog& catalog,
                    const CString& family, FieldValues& fields, std::ostream& err) {
    fields = parseFieldValues(texts, catalog, family);
    if (fields.error.empty()) return kSuccess;
    err << "rebarcat: " << fields.error << "\n";
    return kUsage;
}

int runAdd(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    FieldTexts texts = takeFieldTexts(arguments);
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 2) {
        err << "rebarcat: add takes a family and a bar name (see rebarcat add --help)\n";
        return kUsage;
    }
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString family = wide(arguments.rest()[0]), name = wide(arguments.rest()[1]);
    FieldValues fields;
    if (int status = readFieldValues(texts, catalog, family, fields, err)) return status;
    if (!catalog.FindSteelgradeFamily(family)) {
        err << "rebarcat: no family '" << utf8(family) << "' in the catalogue\n";
        return kNotFound;
    }
    if (catalog.FindSteelgrade(name, family)) {
        err << "rebarcat: " << utf8(family) << " already has a bar " << utf8(name)
            << " (use rebarcat set to change it)\n";
        return kUsage;
    }
    const BarField& diameterField = barFields().front();
    CVnRebarSteelGrade bar;
    bar.setFamily(family);
    bar.setName(name);
    for (const BarField& field : barFields()) (bar.*field.setter)(rebar::kNotGiven);
    bool hasDiameter = false, hasReal = false;
    for (auto [field, value] : fields.values) {
        (bar.*field->setter)(value);
        hasDiameter |= field == &diameterField;
        hasReal |= std::string(field->option) == "real-diameter";
    }
    if (!hasDiameter) {
        err << "rebarcat: add needs --diameter D\n";
        return kUsage;
    }
    if (!hasReal) bar.setDiameterReal(bar.diameterNom());
    if (!catalog.InsertSteelgrade(&bar, false)) {
        err << "rebarcat: the catalogue refused the new bar: "
            << utf8(session.container()->getLastError()) << "\n";
        return kUsage;
    }
    if (int status = saveOrSay(catalog, session, err)) return status;
    bool found = false;
    CVnRebarSteelGrade stored = storedBar(*session.container(), family, bar.name(), found);
    out << "added bar " << utf8(stored.name()) << " to " << utf8(family) << "\n";
    Record record;
    for (const BarField& field : barFields())
        record.emplace_back(field.key,
                            storedText((stored.*field.getter)(), unitName(catalog, family, field)));
    printRecord(record, out);
    return kSuccess;
}

int runSet(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    FieldTexts texts = takeFieldTexts(arguments);
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 2 || texts.empty()) {
        err << "rebarcat: set takes a family, a bar name and at least one --FIELD VALUE\n";
        return kUsage;
    }
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString family = wide(arguments.rest()[0]), name = wide(arguments.rest()[1]);
    FieldValues fields;
    if (int status = readFieldValues(texts, catalog, family, fields, err)) return status;
    bool found = false;
    CVnRebarSteelGrade bar = storedBar(*session.container(), family, name, found);
    if (!found) {
        err << "rebarcat: " << utf8(family) << " has no bar named " << utf8(name) << "\n";
        return kNotFound;
    }
    CVnRebarSteelGrade before = bar;
    for (auto [field, value] : fields.values) (bar.*field->setter)(value);
    catalog.ModifySteelgrade(name, family, &bar);
    CVnRebarSteelGrade after = storedBar(*session.container(), family, name, found);
    for (auto [field, value] : fields.values) {
        if ((after.*field->getter)() != value) {
            err << "rebarcat: " << field->key << " of " << utf8(name)
                << " stays 0: the catalogue keeps a stored 0 when it writes a bar back;"
                   " nothing was saved\n";
            return kUsage;
        }
    }
    if (int status = saveOrSay(catalog, session, err)) return status;
    for (const BarField& field : barFields()) {
        double old = (before.*field.getter)(), now = (after.*field.getter)();
        if (old == now) continue;
        std::string unit = unitName(catalog, family, field);
        out << field.key << ": " << storedText(old, unit) << " -> " << storedText(now, unit)
            << "\n";
    }
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
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 2) {
        err << "rebarcat: remove takes a family and a bar name\n";
        return kUsage;
    }
    barsInUse.clear();
    if (usageList && !readUsageList(*usageList, err)) return kUsage;
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;
    CString family = wide(arguments.rest()[0]), name = wide(arguments.rest()[1]);
    CVnRebarSteelGradeCatalog catalog(&usageFromList);
    switch (catalog.RemoveSteelgradeIfUnused(name, family, nullptr)) {
        case CVnRebarSteelGradeCatalog::NotDeleted:
            err << "rebarcat: " << utf8(family) << " has no bar named " << utf8(name) << "\n";
            return kNotFound;
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
    if (int status = saveOrSay(catalog, session, err)) return status;
    out << "removed bar " << utf8(name) << " from " << utf8(family) << "\n";
    return kSuccess;
}

}  // namespace

Command addCommand() {
    return {"add", "add FAMILY NAME --diameter D [--FIELD VALUE ...] [--catalog FILE]",
            "Add a bar to a family and save the catalogue.",
            std::string(kFieldOptions) +
                "Fields not given are stored as not given; the real diameter defaults to the\n"
                "nominal one. Stock lengths of a new bar start at 0.\n",
            runAdd};
}

Command setCommand() {
    return {"set", "set FAMILY NAME --FIELD VALUE [...] [--catalog FILE]",
            "Change values of one bar and save the catalogue; prints what changed.",
            std::string(kFieldOptions) +
                "A value stored as 0 cannot be changed this way (the catalogue keeps stored\n"
                "zeros); such a request changes nothing.\n",
            runSet};
}

Command removeCommand() {
    return {"remove", "remove FAMILY NAME [--in-use-list FILE] [--catalog FILE]",
            "Remove a bar unless the drawing uses it, and save the catalogue.",
            "  --in-use-list FILE  the bars the drawing uses, one per line: a bar name, or a\n"
            "                      family and a bar name separated by a tab\n"
            "  --catalog FILE      the catalogue file to change (default: the bundled catalogue)\n"
            "Exits with 3, leaving the file untouched, when the bar is in use.\n",
            runRemove};
}

}  // namespace rebarcat
