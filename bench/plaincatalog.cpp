#include "plaincatalog.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

#include "rebar/host/vntl.h"
#include "rebar/rebarvalues.h"
#include "win/utf8.h"

namespace bench {

namespace {

struct FinalizeStatement {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// The value columns of a bar in record order, and the "Units" column each is converted with:
// the nominal diameter is stored in the unit of the real one.
struct ValueColumn {
    const char* column;
    const char* unitColumn;
};
constexpr std::array<ValueColumn, kBarValueCount> kValueColumns = {{
    {"Diameter_Nominal", "Diameter_Real"},
    {"Diameter_Real", "Diameter_Real"},
    {"Stirrup/Hook", "Stirrup/Hook"},
    {"Anchor", "Anchor"},
    {"Bend", "Bend"},
    {"LengthAnchor", "LengthAnchor"},
    {"Weight", "Weight"},
    {"Section", "Section"},
    {"Perimeter", "Perimeter"},
    {"MinimalEndLeg", "MinimalEndLeg"},
    {"MinimalInterLeg", "MinimalInterLeg"},
    {"MinimalStraightBar", "MinimalStraightBar"},
    {"MillStockLength", "MillStockLength"},
    {"MaxStockLength", "MaxStockLength"},
}};
constexpr std::size_t kWeight = 6;
constexpr std::size_t kSection = 7;
constexpr std::size_t kFirstMinimalLength = 9;
constexpr std::size_t kFirstStockLength = 12;

std::string quoted(const std::string& name) {
    std::string sql = "\"";
    for (char c : name) sql += c == '"' ? std::string("\"\"") : std::string(1, c);
    return sql + "\"";
}

void check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw std::runtime_error(std::string("plain SQLite catalogue: ") + sqlite3_errmsg(db));
}

Statement prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr), db);
    return Statement(stmt);
}

std::string columnUtf8(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))
                : std::string();
}

std::wstring columnWide(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? Utf8ToWide({text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column))})
                : std::wstring();
}

bool sameAsciiNoCase(const std::string& a, const char* b) {
    std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The SI coefficient of a unit text, when the host's unit services know it.
std::optional<double> unitCoefficient(const std::string& text) {
    if (text.empty()) return std::nullopt;
    const std::wstring wide = Utf8ToWide(text);
    CVnUnit unit;
    if (CVnUnitManager::UnitFromString(wide.c_str(), unit, 1.0) != 0) return std::nullopt;
    return unit.GetCoef();
}

}  // namespace

struct PlainSqliteCatalog::Family {
    std::wstring name;
    Statement byName;
    Statement byDiameter;
    // What each value is divided by; 1 where the family names no unit, which leaves it as is.
    std::array<double, kBarValueCount> coefficients;
};

PlainSqliteCatalog::PlainSqliteCatalog(const std::string& file) {
    sqlite3* memory = nullptr;
    check(sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE, nullptr), memory);
    m_db.reset(memory);
    {
        sqlite3* source = nullptr;
        const int rc = sqlite3_open_v2(file.c_str(), &source, SQLITE_OPEN_READONLY, nullptr);
        std::unique_ptr<sqlite3, CloseDatabase> closeSource(source);
        check(rc, source);
        sqlite3_backup* backup = sqlite3_backup_init(memory, "main", source, "main");
        if (!backup)
            throw std::runtime_error(std::string("plain SQLite catalogue: ") +
                                     sqlite3_errmsg(memory));
        sqlite3_backup_step(backup, -1);
        check(sqlite3_backup_finish(backup), memory);
    }

    std::string values;
    for (const ValueColumn& column : kValueColumns) values += ", " + quoted(column.column);
    Statement list =
        prepare(memory,
                "SELECT \"Name\" FROM \"SteelGradeList\" WHERE \"Name\" IN "
                "(SELECT name FROM sqlite_master WHERE type = 'table') ORDER BY rowid");
    while (sqlite3_step(list.get()) == SQLITE_ROW) {
        const std::string name = columnUtf8(list.get(), 0);
        if (m_families.count(name)) continue;
        auto family = std::make_unique<Family>();
        family->name = columnWide(list.get(), 0);
        family->byName = prepare(memory, "SELECT \"Name\"" + values + " FROM " + quoted(name) +
                                             " WHERE \"Name\" = ?1 COLLATE NOCASE ORDER BY rowid "
                                             "LIMIT 1");
        family->byDiameter = prepare(memory, "SELECT \"Name\", \"Diameter_Nominal\" FROM " +
                                                 quoted(name) + " ORDER BY rowid");
        family->coefficients.fill(1.0);
        m_families.emplace(name, std::move(family));
        m_familyOrder.push_back(name);
    }
    readUnits();
    m_radiusDisplay = prepare(memory,
                              "SELECT \"RadiusDisplay\" FROM \"SteelGradeList\" WHERE \"Name\" = "
                              "?1 COLLATE NOCASE ORDER BY rowid LIMIT 1")
                          .release();
}

PlainSqliteCatalog::~PlainSqliteCatalog() {
    sqlite3_finalize(m_radiusDisplay);  // statements go before the connection
    m_families.clear();
}

void PlainSqliteCatalog::readUnits() {
    Statement units = prepare(m_db.get(), "SELECT * FROM \"Units\" ORDER BY rowid");
    const int columns = sqlite3_column_count(units.get());
    int familyColumn = -1;
    for (int c = 0; c < columns && familyColumn < 0; ++c)
        if (sameAsciiNoCase(sqlite3_column_name(units.get(), c), "Family")) familyColumn = c;
    if (familyColumn < 0) return;
    // For each family and value, the first row that gives the family a unit for it wins.
    std::map<std::string, std::array<bool, kBarValueCount>> settled;
    while (sqlite3_step(units.get()) == SQLITE_ROW) {
        auto family = m_families.find(columnUtf8(units.get(), familyColumn));
        if (family == m_families.end()) continue;
        auto& done = settled[family->first];
        for (std::size_t v = 0; v < kValueColumns.size(); ++v) {
            for (int c = 0; c < columns && !done[v]; ++c) {
                if (sqlite3_column_name(units.get(), c) != std::string(kValueColumns[v].unitColumn))
                    continue;
                if (auto coefficient = unitCoefficient(columnUtf8(units.get(), c))) {
                    family->second->coefficients[v] = *coefficient;
                    done[v] = true;
                }
            }
        }
    }
}

std::vector<std::string> PlainSqliteCatalog::barNames(const std::string& family) {
    std::vector<std::string> names;
    Statement select =
        prepare(m_db.get(), "SELECT \"Name\" FROM " + quoted(family) + " ORDER BY rowid");
    while (sqlite3_step(select.get()) == SQLITE_ROW) names.push_back(columnUtf8(select.get(), 0));
    return names;
}

bool PlainSqliteCatalog::bar(const std::string& family, const std::string& name, double scale,
                             BarValues& out) {
    auto found = m_families.find(family);
    if (found == m_families.end()) return false;
    Family& grade = *found->second;
    sqlite3_stmt* select = grade.byName.get();
    sqlite3_bind_text(select, 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    const bool hit = sqlite3_step(select) == SQLITE_ROW;
    if (hit) {
        out.name = columnWide(select, 0);
        out.family = grade.name;
        for (std::size_t v = 0; v < kBarValueCount; ++v) {
            const int column = static_cast<int>(v + 1);
            double value = sqlite3_column_double(select, column);
            if (v >= kFirstStockLength) {
                // A stock length may be left empty; -1 has no special meaning there.
                value = sqlite3_column_type(select, column) == SQLITE_NULL
                            ? rebar::kUndefinedValue
                            : value * scale / grade.coefficients[v];
            } else if (value == rebar::kNotGiven) {
                value = v >= kFirstMinimalLength ? 0.0 : rebar::kUndefinedValue;
            } else {
                value = v == kWeight    ? value / scale
                        : v == kSection ? value * scale * scale
                                        : value * scale;
                value /= grade.coefficients[v];
            }
            out.values[v] = value;
        }
    }
    sqlite3_reset(select);
    return hit;
}

bool PlainSqliteCatalog::namesByDiameter(const std::string& family,
                                         std::vector<std::wstring>& names) {
    auto found = m_families.find(family);
    if (found == m_families.end()) return false;
    sqlite3_stmt* select = found->second->byDiameter.get();
    std::vector<std::pair<double, std::wstring>> bars;
    while (sqlite3_step(select) == SQLITE_ROW) {
        bars.emplace_back(sqlite3_column_double(select, 1), columnWide(select, 0));
    }
    sqlite3_reset(select);
    std::sort(bars.begin(), bars.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    for (auto& bar : bars)
        if (!bar.second.empty()) names.push_back(std::move(bar.second));
    return true;
}

bool PlainSqliteCatalog::diameterTexts(const std::string& family,
                                       std::vector<std::wstring>& diameters, bool& fixedDiameter) {
    fixedDiameter = false;
    auto found = m_families.find(family);
    if (found == m_families.end()) return false;
    sqlite3_stmt* mark = m_radiusDisplay;
    sqlite3_bind_text(mark, 1, family.data(), static_cast<int>(family.size()), SQLITE_STATIC);
    if (sqlite3_step(mark) == SQLITE_ROW)
        fixedDiameter = sameAsciiNoCase(columnUtf8(mark, 0), "Fixed Diameter");
    sqlite3_reset(mark);
    sqlite3_stmt* select = found->second->byDiameter.get();
    while (sqlite3_step(select) == SQLITE_ROW) {
        char text[32];
        const int length = std::snprintf(text, sizeof text, "%g", sqlite3_column_double(select, 1));
        diameters.emplace_back(text, text + length);
    }
    sqlite3_reset(select);
    return true;
}

}  // namespace bench
