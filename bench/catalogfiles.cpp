#include "catalogfiles.h"

#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace bench {

namespace {

// The bar columns of a family table, in the order the bundled catalogue declares them.
constexpr std::array<const char*, 16> kBarColumns = {"Name",
                                                     "Diameter_Nominal",
                                                     "Diameter_Real",
                                                     "Stirrup/Hook",
                                                     "Anchor",
                                                     "Bend",
                                                     "LengthAnchor",
                                                     "Weight",
                                                     "Section",
                                                     "Perimeter",
                                                     "MinimalEndLeg",
                                                     "MinimalInterLeg",
                                                     "MinimalStraightBar",
                                                     "MillStockLength",
                                                     "MaxStockLength",
                                                     "LegLength"};

// The parameter columns of "Units" with the unit each generated family stores them in.
struct UnitColumn {
    const char* column;
    const char* unit;
};
constexpr std::array<UnitColumn, 18> kUnitColumns = {{
    {"Diameter_Real", "mm"},
    {"Stirrup/Hook", "mm"},
    {"Anchor", "mm"},
    {"Bend", "mm"},
    {"LengthAnchor", "mm"},
    {"Weight", "kg/m"},
    {"Section", "mm2"},
    {"Perimeter", "mm"},
    {"MinimalEndLeg", "mm"},
    {"MinimalInterLeg", "mm"},
    {"MinimalStraightBar", "mm"},
    {"MillStockLength", "mm"},
    {"MaxStockLength", "mm"},
    {"UnfoldHookLength", "mm"},
    {"LegLength", "mm"},
    {"MinimalStdLength", "mm"},
    {"MinimalSeismicLength", "mm"},
    {"MinimalTieLength", "mm"},
}};

constexpr double kNotGiven = -1.0;

std::string quoted(const std::string& name) {
    std::string sql = "\"";
    for (char c : name) sql += c == '"' ? std::string("\"\"") : std::string(1, c);
    return sql + "\"";
}

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(std::string("generating the catalogue: ") + sqlite3_errmsg(db));
}

void exec(sqlite3* db, const std::string& sql) {
    check(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), db);
}

Statement prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), db);
    return Statement(stmt);
}

void bindText(sqlite3_stmt* stmt, int index, const std::string& text) {
    sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void run(sqlite3* db, sqlite3_stmt* stmt) {
    check(sqlite3_step(stmt), db);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
}

double rounded(double value, double step) {
    return std::round(value / step) * step;
}

// One bar's numeric cells after its name, in column order; NaN stands for an empty cell.
std::array<double, 15> barCells(int bar) {
    const double d = 4.0 + bar;  // 4 mm to 63 mm, one bar per millimetre
    const double mandrel = d <= 16.0 ? 4.0 * d : 7.0 * d;
    const double empty = std::nan("");
    return {
        d,
        d,
        mandrel,
        mandrel,
        rounded(20.0 * d, 1.0),
        bar % 2 == 0 ? 40.0 * d : kNotGiven,
        rounded(0.00616538 * d * d, 0.001),
        rounded(std::numbers::pi * d * d / 4.0, 0.1),
        rounded(std::numbers::pi * d, 0.1),
        bar % 3 == 0 ? kNotGiven : 5.0 * d,
        bar % 3 == 1 ? kNotGiven : 10.0 * d,
        bar % 4 == 0 ? kNotGiven : 150.0,
        12000.0,
        bar % 7 == 6 ? empty : 15000.0,  // some bars leave the longest stock length open
        kNotGiven,
    };
}

void writeSchema(sqlite3* db, const GeneratedShape& shape) {
    exec(db,
         "CREATE TABLE \"Definition\" (\"Def_version\" TEXT, \"Def_name\" TEXT, "
         "\"Def_editorname\" TEXT, \"Def_type\" INTEGER, \"Def_comment\" TEXT, "
         "\"Def_lastupdate\" TEXT);"
         "INSERT INTO \"Definition\" VALUES ('{0B5A8C1E-5D0A-4C59-9E57-6B1C2D3E4F50}', "
         "'Arrangements', 'Benchmark generator', 1, 'Generated for timing', '2026/12/05');"
         "CREATE TABLE \"SteelGradeList\" (\"Name\" TEXT, \"Standard\" TEXT, "
         "\"RadiusDisplay\" TEXT, \"Adherence\" TEXT, \"SteelLimit\" REAL);");
    std::string units = "CREATE TABLE \"Units\" (\"Family\" TEXT";
    for (const UnitColumn& column : kUnitColumns) units += ", " + quoted(column.column) + " TEXT";
    exec(db, units + ");");
    for (int family = 0; family < shape.families; ++family) {
        std::string table = "CREATE TABLE " + quoted(generatedFamilyName(family)) + " (";
        for (std::size_t c = 0; c < kBarColumns.size(); ++c)
            table += (c ? ", " : "") + quoted(kBarColumns[c]) + (c ? " REAL" : " TEXT");
        exec(db, table + ");");
    }
}

void writeFamilies(sqlite3* db, const GeneratedShape& shape) {
    Statement grade = prepare(db, "INSERT INTO \"SteelGradeList\" VALUES (?1, ?2, ?3, 'HA', ?4)");
    std::string unitSql = "INSERT INTO \"Units\" VALUES (?1";
    for (std::size_t c = 0; c < kUnitColumns.size(); ++c) unitSql += ", ?" + std::to_string(c + 2);
    Statement units = prepare(db, unitSql + ")");
    for (int family = 0; family < shape.families; ++family) {
        const std::string name = generatedFamilyName(family);
        bindText(grade.get(), 1, name);
        bindText(grade.get(), 2, "Standard " + std::to_string(family % 10));
        bindText(grade.get(), 3, family % 4 == 3 ? "Fixed Diameter" : "Diameter");
        sqlite3_bind_double(grade.get(), 4, 400.0 + 10.0 * (family % 20));
        run(db, grade.get());

        bindText(units.get(), 1, name);
        for (std::size_t c = 0; c < kUnitColumns.size(); ++c)
            bindText(units.get(), static_cast<int>(c + 2), kUnitColumns[c].unit);
        run(db, units.get());
    }
}

void writeBars(sqlite3* db, const GeneratedShape& shape) {
    std::string parameters = "?1";
    for (std::size_t c = 1; c < kBarColumns.size(); ++c)
        parameters += ", ?" + std::to_string(c + 1);
    for (int family = 0; family < shape.families; ++family) {
        Statement insert = prepare(db, "INSERT INTO " + quoted(generatedFamilyName(family)) +
                                           " VALUES (" + parameters + ")");
        for (int bar = 0; bar < shape.barsPerFamily; ++bar) {
            bindText(insert.get(), 1, generatedBarName(bar));
            const auto cells = barCells(bar);
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const int index = static_cast<int>(c + 2);
                if (std::isnan(cells[c]))
                    sqlite3_bind_null(insert.get(), index);
                else
                    sqlite3_bind_double(insert.get(), index, cells[c]);
            }
            run(db, insert.get());
        }
    }
}

}  // namespace

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rebar-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string generatedFamilyName(int family) {
    char name[32];
    std::snprintf(name, sizeof name, "G%03d B500/HA", family);
    return name;
}

std::string generatedBarName(int bar) {
    return "HA" + std::to_string(4 + bar);
}

void writeGeneratedCatalog(const std::filesystem::path& file, const GeneratedShape& shape) {
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database db(raw);
    check(rc, db.get());
    exec(db.get(), "BEGIN");
    writeSchema(db.get(), shape);
    writeFamilies(db.get(), shape);
    writeBars(db.get(), shape);
    exec(db.get(), "COMMIT");
}

}  // namespace bench
