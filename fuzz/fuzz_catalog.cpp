// Any file a user opens as a bar catalogue: the bytes become a catalogue file, the table
// container serves it, every table, column and row is read, and the catalogue answers every
// question the host asks of a family, a bar and a hook table. Nothing may crash, leak, read out
// of bounds, take undefined behaviour or absorb an exception into a crash report; what the
// container says about a table must agree with itself.
//
// With REBAR_FUZZ_CATALOG_SQL=1 the input is SQL text that builds the catalogue file instead
// (corpus/catalog_sql/): mutations of a file's bytes mostly yield files SQLite refuses as
// damaged, mutations of SQL yield sound files with odd content, which reach every query.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cad/hostsession.h"
#include "fuzzsupport.h"
#include "rebar/host/cad.h"
#include "rebar/host/vntl.h"
#include "rebar/vnrebarsteelgradecatalog.h"

namespace {

using fuzzsupport::require;

// Bounds that keep one execution short whatever the file holds: a small file may still declare
// hundreds of tables or rows, and every extra row only repeats work already done.
constexpr int kMaxTables = 48;
constexpr int kMaxRows = 256;
constexpr int kMaxFamilies = 12;
constexpr int kMaxBarsPerFamily = 24;
constexpr int kMaxHookGrades = 3;
constexpr int kMaxHookDiameters = 3;

const wchar_t* const kStandards[] = {
    L"ISO 4066",     L"NF P 02-016",         L"CSA A23 M",    L"DIN 1045-1",
    L"CSN 731201",   L"NBN A 24-302",        L"ACI",          L"SIA 162",
    L"AS3600",       L"CSA A23 I",           L"PN-B-03264",   L"DM96",
    L"NEN 6008",     L"SS-ENV 10 080",       L"BBK 79",       L"STAS 438/1,3-89",
    L"BS 8666 2005", L"\u00D6NORM B 4200/7", L"BS 8666 2000", L"BS 4466 1989",
};

std::vector<CString> toVector(const CStringList& list, std::size_t limit) {
    std::vector<CString> values;
    for (POSITION pos = list.GetHeadPosition(); pos && values.size() < limit;)
        values.push_back(list.GetNext(pos));
    return values;
}

// Reads everything the container serves, every way it serves it.
void walkContainer(VNTLMdbContainer& container, std::vector<CString>& tableNames) {
    CStringArray tables;
    if (!container.getTableList(tables)) return;
    for (INT_PTR t = 0; t < tables.GetSize() && t < kMaxTables; ++t) {
        const CString& table = tables[t];
        tableNames.push_back(table);
        CStringArray fields;
        int rows = 0, columns = 0;
        if (!container.getTableFiends(table, fields) ||
            !container.getTableLinesColumnsCount(table, rows, columns))
            continue;
        require(columns == fields.GetSize(), "the column count matches the column names");
        require(rows >= 0, "a row count is never negative");
        for (INT_PTR c = 0; c < fields.GetSize(); ++c) {
            CStringArray texts;
            std::vector<double> doubles;
            CDWordArray longs;
            if (container.getColumnAsString(table, fields[c], texts))
                require(texts.GetSize() == rows, "a text column has one cell per row");
            if (container.getColumnAsDouble(table, fields[c], doubles))
                require(doubles.size() == static_cast<std::size_t>(rows),
                        "a number column has one cell per row");
            if (container.getColumnAsLong(table, fields[c], longs))
                require(longs.GetSize() == rows, "an integer column has one cell per row");
        }
        const int shownRows = std::min(rows, kMaxRows);
        for (int i = 0; i < shownRows; ++i) {
            VNTLMdbContainer::Row row;
            if (!container.getTableLine(table, i, row)) continue;
            require(row.size() <= static_cast<std::size_t>(fields.GetSize()),
                    "a row has no cells beyond the table's columns");
            // A row is found again by one of its cells. Numbers and empty cells come back
            // exactly, so the match is this row or an earlier one. Texts pass through the
            // variant as C strings and integers beyond 2^53 as the nearest double, so only the
            // call itself is checked for them.
            if (!row.empty() && i < 8) {
                VNTLMdbContainer::Row again;
                const auto& [column, value] = *row.begin();
                const int found = container.getTableLine(table, column, value, again);
                const bool exact = value.vt == VT_I4 || value.vt == VT_EMPTY ||
                                   (value.vt == VT_R8 && std::fabs(value.dblVal) < 0x1p53);
                if (exact)
                    require(found >= 0 && found <= i,
                            "a number or an empty cell is found again at or before its row");
            }
        }
        VNTLMdbContainer::Row outside;
        require(!container.getTableLine(table, -1, outside), "row -1 is refused");
        require(!container.getTableLine(table, rows, outside), "the row past the end is refused");
        (void)container.getTableLine(table, L"no such column", COleVariant(L"x"), outside);
    }
    CStringArray none;
    (void)container.getTableFiends(L"no such table", none);
}

std::vector<bool> nothingInUse(std::wstring, std::vector<std::wstring> names) {
    return std::vector<bool>(names.size(), false);
}

void askAboutBars(CVnRebarSteelGradeCatalog& catalog, const CString& family) {
    CStringList sorted, diameters, names, distinct;
    bool fixedDiameter = false, spare = false, found = false;
    catalog.GetFamilySteelgrade(sorted, family);
    catalog.GetDiametersForFamilySteelgrade(diameters, family, fixedDiameter);
    catalog.GetDiameterNamesForFamilySteelgrade(names, family, fixedDiameter, spare);
    catalog.GetNameForFamilySteelgrade(distinct, family);
    catalog.CheckSteelgradeFamilyForFixedDiameter(family);
    catalog.IsFixedDiameter(family);
    CString adherence;
    catalog.GetAdherence(family, adherence, found);
    double limit = 0.0;
    catalog.GetSteelLimit(family, limit);
    catalog.GetStandardFromSteelGrade(family);
    CVnUnit unit;
    catalog.GetParameterUnit(family, L"Diameter_Real", unit, 1.0);
    catalog.GetParameterUnit(family, L"Weight", unit, 1000.0);

    for (const CString& name : toVector(names, kMaxBarsPerFamily)) {
        catalog.GetSteelgrade(name, family, 1.0, found);
        catalog.GetSteelgrade(name, family, 1000.0, found);
        catalog.FindSteelgrade(name, nullptr);
        double diameter = 0.0;
        if (catalog.getNominalDiameterFromName(family, name, diameter) == 1) {
            CString back;
            catalog.getNameFromNominalDiameter(family, back, diameter);
        }
    }
    // Edits stay in memory (nothing is saved): change the first bar, add a copy of it under a
    // new name, then take the copy away again.
    if (const std::vector<CString> bars = toVector(names, 1); !bars.empty()) {
        CVnRebarSteelGrade record = catalog.GetSteelgrade(bars.front(), family, 1.0, found);
        if (found) {
            catalog.ModifySteelgrade(bars.front(), family, &record);
            record.setName(L"fuzz copy");
            record.setFamily(family);
            catalog.InsertSteelgrade(&record, false);
            catalog.RemoveSteelgradeIfUnused(L"fuzz copy", family, nothingInUse);
            catalog.RemoveSteelgrade(L"fuzz copy", family);
        }
    }
    for (const CString& diameter : toVector(diameters, kMaxBarsPerFamily)) {
        catalog.GetSteelgradeByDiameter(diameter, family, 1.0, found);
        catalog.GetSteelgradeByDiameter(diameter, nullptr, 0.001, found);
        CString name;
        catalog.GetPatternNameForDiameter(family, diameter, name);
    }
}

// Radians, as the host hands them: a right angle, a bend the tables list, and one the wrong
// way round.
const double kAngles[] = {M_PI / 2, 3 * M_PI / 4, -M_PI};

void askAboutHook(CVnRebarSteelGradeCatalog& catalog, const std::wstring& standard,
                  const std::wstring& grade, const std::wstring& diameter,
                  const std::vector<std::wstring>& kinds) {
    double length = 0.0;
    catalog.getDefaultHookLength(standard, grade, diameter, length, 1.0);
    catalog.getDefaultUnfoldLength(standard, grade, diameter, length, 1000.0);
    catalog.getDefaultHookLegLength(standard, grade, diameter, length, 1.0);
    for (double angle : kAngles) {
        catalog.getDefaultHookLength(angle, standard, grade, diameter, length, 1.0);
        catalog.getDefaultUnfoldLength(angle, standard, grade, diameter, length, 1.0);
        catalog.getDefaultHookLegLength(angle, standard, grade, diameter, length, 0.001);
    }
    for (const std::wstring& kind : kinds)
        catalog.getMinimalHookLength(M_PI / 2, standard, grade, diameter, length, kind, 1.0);
}

// Every standard is asked once for a grade it cannot have; the grades the catalogue lists
// under a standard are asked for their own diameters and one that is no number.
void askAboutHooks(CVnRebarSteelGradeCatalog& catalog) {
    std::vector<std::wstring> kinds{L"Standard", L"Sismique", L"Cadre", L""};
    for (UINT id : {40384u, 40385u, 40386u})
        kinds.emplace_back(VnPrompts::getPrompt(id, L"REBARPROPERTIESUI", 0).GetString());
    for (const wchar_t* standardName : kStandards) {
        const std::wstring standard = standardName;
        askAboutHook(catalog, standard, L"", L"8", kinds);
        CStringList listed;
        catalog.GetSteelgradeFamilies(listed, standardName);
        for (const CString& family : toVector(listed, kMaxHookGrades)) {
            CStringList diameters;
            bool fixedDiameter = false;
            catalog.GetDiametersForFamilySteelgrade(diameters, family, fixedDiameter);
            std::vector<CString> asked = toVector(diameters, kMaxHookDiameters);
            asked.emplace_back(L"abc");
            for (const CString& diameter : asked)
                askAboutHook(catalog, standard, family.GetString(), diameter.GetString(), kinds);
        }
        CMap<CString, LPCTSTR, double, double> all;
        bool byValue = false;
        catalog.GetAllDiametersForStandard(all, byValue, standardName);
    }
}

void askTheCatalogue(VNTLMdbContainer& container, const std::vector<CString>& tables) {
    CVnRebarSteelGradeCatalog catalog(&container);
    (void)catalog.Version();
    (void)catalog.Name();
    (void)catalog.EditorName();
    (void)catalog.DefComment();
    (void)catalog.LastUpdate();
    (void)catalog.DefType();
    (void)catalog.IsValidCatalog(catalog.GetTypeName());
    catalog.FillUnitsPool();

    // The families the list names, then every other table: a family can be asked for by a
    // name the list does not hold.
    CStringList listed;
    catalog.GetSteelgradeFamilies(listed, CString());
    std::vector<CString> families = toVector(listed, kMaxFamilies);
    for (const CString& table : tables)
        if (families.size() < 2 * kMaxFamilies) families.push_back(table);
    for (const CString& family : families) askAboutBars(catalog, family);
    askAboutBars(catalog, CString());

    askAboutHooks(catalog);
    CMap<CString, LPCTSTR, double, double> all;
    bool byValue = false;
    catalog.GetAllDiametersForStandard(all, byValue, L"");
}

cadhost::DocumentId g_document;
bool g_fromSql = false;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::keepCrashReportsInMemory();
    const char* mode = std::getenv("REBAR_FUZZ_CATALOG_SQL");
    g_fromSql = mode != nullptr && *mode == '1';
    cadhost::reset();
    VnProjectSettings::Register();
    VnProjectSettings::SetCurrentStandard(L"NF P 02-016");
    // The per-drawing caches need a current drawing; its own "Bars" binding is never used.
    g_document = cadhost::createDocument(L"Fuzz.dwg");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = fuzzsupport::writeInput(data, size);
    if (g_fromSql && !fuzzsupport::buildFromSql(data, size, path)) return 0;
    {
        VNTLMdbContainer container;
        if (container.Initialize(CString(path.c_str()))) {
            // The store judges a table's statement without always making SQLite parse them
            // all: what it accepts, SQLite must read.
            require(fuzzsupport::sqliteReadsSchema(path), "an accepted file's schema reads");
            std::vector<CString> tables;
            walkContainer(container, tables);
            askTheCatalogue(container, tables);
        } else {
            require(!container.getLastError().IsEmpty(), "a refused file says why");
        }
    }
    // Each input is a new catalogue: forget what the drawing cached of the last one.
    CVnRebarSteelGradeCatalog::clearMaps(cadhost::document(g_document));
    fuzzsupport::abortOnCrashReport("fuzz_catalog");
    return 0;
}
