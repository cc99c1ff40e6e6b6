#include "vntl/schemacheck.h"

#include <sqlite3.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vntl::schemacheck {

namespace {

constexpr std::string_view kCreateTable = "CREATE TABLE ";
constexpr std::uint32_t kNewestSchemaFormat = 4;

// The name a statement gives its table: a `"quoted"` identifier or a bare word that is no
// keyword, and what follows it.
struct Split {
    std::string name;
    std::string_view rest;
};

std::optional<Split> quotedName(std::string_view text) {
    Split split;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != '"') {
            split.name += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            split.name += '"';
            ++i;
        } else {
            split.rest = text.substr(i + 1);
            return split;
        }
    }
    return std::nullopt;
}

bool isWordCharacter(char c, bool first) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || u == '_' || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
           (!first && ((u >= '0' && u <= '9') || u == '$'));
}

std::optional<Split> bareName(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && isWordCharacter(text[length], length == 0)) ++length;
    if (length == 0) return std::nullopt;
    if (sqlite3_keyword_check(text.data(), static_cast<int>(length))) return std::nullopt;
    return Split{std::string(text.substr(0, length)), text.substr(length)};
}

std::optional<Split> tableName(std::string_view text) {
    if (text.empty()) return std::nullopt;
    auto split = text.front() == '"' ? quotedName(text) : bareName(text);
    // Blanks may stand before the column list; comments make the check unsure.
    if (split) {
        const std::size_t open = split->rest.find_first_not_of(" \t\n\f\r");
        if (open == std::string_view::npos || split->rest[open] != '(') return std::nullopt;
    }
    return split;
}

// SQLite compares names folding ASCII letters only; so must this.
char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

std::string asciiFolded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) c = asciiLower(c);
    return folded;
}

bool holdsNul(std::string_view text) {
    return text.find('\0') != std::string_view::npos;
}

// The table's statement after its name, when SQLite will take the row as a plain table.
std::optional<std::string_view> definition(const pagecheck::SchemaRow& row,
                                           std::unordered_set<std::string>& names) {
    // SQLite reads more of its own tables than their statements.
    if (!row.plain || row.internal || row.type != "table") return std::nullopt;
    if (holdsNul(row.sql) || holdsNul(row.name) || holdsNul(row.tableName)) return std::nullopt;
    const std::string_view sql = row.sql;
    if (sql.substr(0, kCreateTable.size()) != kCreateTable) return std::nullopt;
    auto split = tableName(sql.substr(kCreateTable.size()));
    if (!split) return std::nullopt;
    if (!sameName(split->name, row.name) || !sameName(split->name, row.tableName))
        return std::nullopt;
    if (!names.insert(asciiFolded(split->name)).second) return std::nullopt;
    return split->rest;
}

// The statements SQLite read for earlier catalogues of this process. Catalogues make their
// families' tables with the same few statements, so a host opening drawing after drawing has
// them parsed once. Kept short: a process meets a handful.
class ProvenStatements {
public:
    bool contains(std::string_view rest) {
        const std::lock_guard lock(mutex_);
        return std::find(texts_.begin(), texts_.end(), rest) != texts_.end();
    }
    void add(std::string_view rest) {
        const std::lock_guard lock(mutex_);
        if (texts_.size() < kKept) texts_.emplace_back(rest);
    }

private:
    static constexpr std::size_t kKept = 64;
    std::mutex mutex_;
    std::vector<std::string> texts_;
};

ProvenStatements& proven() {
    static ProvenStatements statements;
    return statements;
}

}  // namespace

Judge::~Judge() {
    sqlite3_close(scratch_);
}

void Judge::add(const pagecheck::SchemaRow& row) {
    if (unsure_) return;
    const auto rest = definition(row, names_);
    if (!rest) {
        unsure_ = true;
    } else if (std::find(parsed_.begin(), parsed_.end(), *rest) == parsed_.end()) {
        if (!proven().contains(*rest) && !parses(*rest)) unsure_ = true;
        parsed_.emplace_back(*rest);
    }
}

bool Judge::surelyLoads(std::uint32_t schemaFormat) const {
    return !unsure_ && schemaFormat >= 1 && schemaFormat <= kNewestSchemaFormat;
}

// Whether SQLite parses `CREATE TABLE "t"` followed by `rest`. Preparing the statement on a
// scratch database checks it without making the table.
bool Judge::parses(std::string_view rest) {
    if (scratch_ == nullptr &&
        sqlite3_open_v2(":memory:", &scratch_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return false;
    const std::string sql = std::string("CREATE TABLE \"t\"").append(rest);
    sqlite3_stmt* statement = nullptr;
    const int prepared = sqlite3_prepare_v2(scratch_, sql.c_str(), static_cast<int>(sql.size()),
                                            &statement, nullptr);
    sqlite3_finalize(statement);
    if (prepared != SQLITE_OK) return false;
    proven().add(rest);
    return true;
}

}  // namespace vntl::schemacheck
