// What a host programmer would write instead of asking the catalogue module: the catalogue file
// copied into an in-memory SQLite database, one prepared statement per family and query kept
// for the life of the object, the "Units" table read once up front. It answers the same two
// questions as the module and returns the same converted values, so the two can be timed side
// by side.
#pragma once

#include <sqlite3.h>

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace bench {

// The numeric values of one bar in the order the module fills its record: nominal diameter,
// real diameter, stirrup mandrel, anchorage mandrel, bend mandrel, anchorage length, weight,
// section, perimeter, the three minimal lengths, mill stock length, longest stock length.
inline constexpr std::size_t kBarValueCount = 14;

struct BarValues {
    std::wstring name;
    std::wstring family;
    std::array<double, kBarValueCount> values{};
};

class PlainSqliteCatalog {
public:
    // Copies the file into memory and prepares everything; throws with SQLite's message.
    explicit PlainSqliteCatalog(const std::string& file);
    ~PlainSqliteCatalog();
    PlainSqliteCatalog(const PlainSqliteCatalog&) = delete;
    PlainSqliteCatalog& operator=(const PlainSqliteCatalog&) = delete;

    // The families of "SteelGradeList" that have a table, in list order, and the bar names of
    // one of them in row order: what the benchmarks draw their look-ups from.
    const std::vector<std::string>& families() const { return m_familyOrder; }
    std::vector<std::string> barNames(const std::string& family);

    // The first bar of `family` whose name equals `name` ignoring ASCII case, converted with
    // `scale` and the family's units; false when there is none.
    bool bar(const std::string& family, const std::string& name, double scale, BarValues& out);
    // Appends the family's non-empty bar names, largest nominal diameter first.
    bool namesByDiameter(const std::string& family, std::vector<std::wstring>& names);
    // Appends the family's nominal diameters as "%g" texts in row order, and tells whether the
    // family's "SteelGradeList" row (the first whose name equals it ignoring ASCII case) says
    // "Fixed Diameter".
    bool diameterTexts(const std::string& family, std::vector<std::wstring>& diameters,
                       bool& fixedDiameter);

private:
    struct Family;
    struct CloseDatabase {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };

    void readUnits();

    std::unique_ptr<sqlite3, CloseDatabase> m_db;
    sqlite3_stmt* m_radiusDisplay = nullptr;  // finalized before the connection closes
    std::vector<std::string> m_familyOrder;
    std::unordered_map<std::string, std::unique_ptr<Family>> m_families;
};

}  // namespace bench
