#pragma once

// Whether SQLite will read a catalogue's schema, decided without making it parse every
// statement. Private to the store.
//
// SQLite parses the statement of every table the first time a database is queried and refuses
// the whole database when one does not read. A catalogue holds hundreds of tables made by the
// same few statements, differing only in the table's name: each distinct statement is parsed
// once, and what SQLite checks beyond the statement (the name it makes agrees with the row's,
// no name twice, a schema format it knows) is checked here. Anything this check does not know
// leaves it unsure, and the caller lets SQLite parse the schema itself.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "vntl/pagecheck.h"

struct sqlite3;

namespace vntl::schemacheck {

// Is handed the rows of the schema table in order, as the page walk meets them.
class Judge {
public:
    Judge() = default;
    Judge(const Judge&) = delete;
    Judge& operator=(const Judge&) = delete;
    ~Judge();

    void add(const pagecheck::SchemaRow& row);

    // True when every row handed over is a table SQLite is sure to load; false when unsure,
    // which a sound but unusual schema may be.
    [[nodiscard]] bool surelyLoads(std::uint32_t schemaFormat) const;

private:
    bool parses(std::string_view rest);

    bool unsure_ = false;
    std::unordered_set<std::string> names_;  // folded as SQLite folds them
    std::vector<std::string> parsed_;        // the distinct statements, after the table's name
    sqlite3* scratch_ = nullptr;             // opened at the first statement not yet proven
};

}  // namespace vntl::schemacheck
