#include "vntl/tablestore.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wctype.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <unordered_map>
#include <utility>

#include "vntl/sqlitedb.h"

// How reading stays cheap. The catalogue reads whole columns far more often than it writes, so
// every query shape (one column of a table, one row by row id, the row ids of a table) is
// prepared once and kept by the connection for its whole life; a column read is then one walk
// of the table's b-tree in row-id order, with no SQL parsing or planning. The row ids of each
// table are kept as well, because every index-addressed call needs them; adding or deleting
// rows drops them. A layer that keeps decoded columns in memory keys them on revision(), which
// every change of content moves.

namespace vntl {

namespace {

// The failure of a store operation, with the reason the caller will show.
struct Failure {
    std::wstring reason;
};

[[noreturn]] void fail(std::wstring reason) {
    throw Failure{std::move(reason)};
}

std::wstring inQuotes(const std::wstring& name) {
    return L"\"" + name + L"\"";
}

std::wstring wide(const std::string& utf8) {
    return sqlite::fromUtf8(utf8);
}

// SQLite folds only ASCII letters when it matches identifiers; names here match the same way.
wchar_t asciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c;
}

std::wstring identifierKey(std::wstring_view name) {
    std::wstring key(name);
    for (wchar_t& c : key) c = asciiLower(c);
    return key;
}

bool sameIdentifier(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

// Cell texts, unlike names, match ignoring case in every script ("Ö" = "ö", "Ж" = "ж"). The C
// library's Unicode tables come from the "C.UTF-8" locale, independent of the user's own; where
// no UTF-8 locale exists a built-in fold covers Latin-1, Greek and Cyrillic.
locale_t unicodeCtype() {
    static const locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t found = newlocale(LC_CTYPE_MASK, name, locale_t{})) return found;
        }
        return locale_t{};
    }();
    return locale;
}

wchar_t builtInFold(wchar_t c) {
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c == 0x3C2) return 0x3C3;  // final sigma
    return c;
}

wchar_t foldCase(wchar_t c) {
    if (c < 0x80) return asciiLower(c);
    // Upper then lower also unites letters with two lower forms (final sigma, long s).
    if (locale_t locale = unicodeCtype())
        return static_cast<wchar_t>(towlower_l(towupper_l(static_cast<wint_t>(c), locale), locale));
    return builtInFold(c);
}

bool sameTextIgnoringCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;  // simple case folding keeps the length
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && foldCase(a[i]) != foldCase(b[i])) return false;
    return true;
}

// Exact: 3 matches 3.0, but 2^53 + 1 does not match the double nearest to it.
bool sameNumber(long long integer, double real) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (!std::isfinite(real) || real != std::trunc(real) || real < -kLimit || real >= kLimit)
        return false;
    return static_cast<long long>(real) == integer;
}

bool cellMatches(const Cell& cell, const Cell& value) {
    if (cell.index() == 0 || value.index() == 0) return cell.index() == value.index();
    if (const auto* text = std::get_if<std::wstring>(&value)) {
        const auto* other = std::get_if<std::wstring>(&cell);
        return other != nullptr && sameTextIgnoringCase(*other, *text);
    }
    if (std::holds_alternative<std::wstring>(cell)) return false;
    const auto* ci = std::get_if<long long>(&cell);
    const auto* vi = std::get_if<long long>(&value);
    if (ci != nullptr && vi != nullptr) return *ci == *vi;
    if (ci != nullptr) return sameNumber(*ci, std::get<double>(value));
    if (vi != nullptr) return sameNumber(*vi, std::get<double>(cell));
    return std::get<double>(cell) == std::get<double>(value);
}

bool isBlank(const Cell& cell) {
    if (cell.index() == 0) return true;
    const auto* text = std::get_if<std::wstring>(&cell);
    return text != nullptr && text->find_first_not_of(L" \t\r\n") == std::wstring::npos;
}

std::wstring describe(const Cell& value) {
    if (const auto* text = std::get_if<std::wstring>(&value)) return inQuotes(*text);
    if (const auto* integer = std::get_if<long long>(&value)) return std::to_wstring(*integer);
    if (const auto* real = std::get_if<double>(&value)) {
        std::array<char, 32> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *real).ptr;
        return wide(std::string(buffer.data(), end));
    }
    return L"an empty cell";
}

Cell readCell(const sqlite::Statement& stmt, int index) {
    switch (stmt.columnType(index)) {
        case SQLITE_INTEGER:
            return stmt.columnInt64(index);
        case SQLITE_FLOAT:
            return stmt.columnDouble(index);
        case SQLITE_TEXT:
            return stmt.columnText(index);
        default:
            return std::monostate{};  // NULL, and BLOBs, which a catalogue does not hold
    }
}

void bindCell(sqlite::Statement& stmt, int index, const Cell& value) {
    if (const auto* text = std::get_if<std::wstring>(&value)) return stmt.bind(index, *text);
    if (const auto* integer = std::get_if<long long>(&value)) return stmt.bind(index, *integer);
    if (const auto* real = std::get_if<double>(&value)) return stmt.bind(index, *real);
    stmt.bindNull(index);
}

struct TableInfo {
    std::wstring name;
    std::string sqlName;  // quoted for SQL text
    std::vector<std::wstring> columns;
    std::vector<std::string> sqlColumns;
    std::string rowid;                             // a name of the row id that no column shadows
    std::optional<std::vector<long long>> rowids;  // in order; dropped when rows come or go
    std::vector<sqlite::Statement*> columnReads;   // per column, once used; owned by the db

    const std::string& rowidName() const {
        if (rowid.empty()) fail(L"the rows of table " + inQuotes(name) + L" cannot be addressed");
        return rowid;
    }
};

// For each column of the table, the cell `values` gives it, or null. Names that match no column
// are left out; of two names for one column, the first in the row's order wins.
std::vector<const Cell*> namedCells(const TableInfo& info, const Row& values) {
    std::vector<const Cell*> assigned(info.columns.size(), nullptr);
    for (const auto& [name, value] : values) {
        for (std::size_t i = 0; i < info.columns.size(); ++i)
            if (assigned[i] == nullptr && sameIdentifier(info.columns[i], name))
                assigned[i] = &value;
    }
    return assigned;
}

// The first 100 bytes of a database file: enough to tell what it is and whether it is whole.
struct FileHeader {
    std::array<unsigned char, 100> bytes{};
    std::size_t size = 0;

    [[nodiscard]] bool has(std::size_t offset, std::string_view text) const {
        return size >= offset + text.size() &&
               std::memcmp(bytes.data() + offset, text.data(), text.size()) == 0;
    }
    [[nodiscard]] unsigned long bigEndian(std::size_t offset, int width) const {
        unsigned long value = 0;
        for (int i = 0; i < width; ++i) value = (value << 8) | bytes[offset + i];
        return value;
    }
};

// Refuses, with a reason a person can act on, anything that cannot be a whole catalogue
// database, before SQLite sees it; SQLite itself would take an empty file for a new database.
void inspectFile(const std::wstring& path, const std::string& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            fail(L"the file " + inQuotes(path) + L" does not exist");
        fail(L"cannot open " + inQuotes(path) + L": " + wide(sqlite::systemError(errno)));
    }
    if (S_ISDIR(status.st_mode)) fail(inQuotes(path) + L" is a folder, not a catalogue file");
    if (!S_ISREG(status.st_mode)) fail(inQuotes(path) + L" is not a regular file");
    if (status.st_size == 0) fail(L"the file " + inQuotes(path) + L" is empty");

    FileHeader header;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail(L"cannot open " + inQuotes(path) + L": " + wide(sqlite::systemError(errno)));
    const ssize_t got = ::read(fd, header.bytes.data(), header.bytes.size());
    ::close(fd);
    header.size = got > 0 ? static_cast<std::size_t>(got) : 0;

    using namespace std::string_view_literals;
    if (header.has(4, "Standard Jet DB"sv) || header.has(4, "Standard ACE DB"sv)) {
        fail(inQuotes(path) +
             L" is an Access database; Access files are read-only and not supported yet");
    }
    if (!header.has(0, "SQLite format 3\0"sv))
        fail(inQuotes(path) + L" is not a catalogue database");
    const std::wstring damaged = L"the catalogue " + inQuotes(path) + L" is damaged: ";
    if (header.size < header.bytes.size()) fail(damaged + L"its header is cut short");
    unsigned long pageSize = header.bigEndian(16, 2);
    if (pageSize == 1) pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        fail(damaged + L"its header is invalid");
    const auto size = static_cast<unsigned long long>(status.st_size);
    // The page count in the header is trustworthy only when the file's last writer kept it.
    const unsigned long long pages = header.bigEndian(28, 4);
    const bool pagesKnown = pages != 0 && header.bigEndian(24, 4) == header.bigEndian(92, 4);
    if (pagesKnown && size < pages * pageSize) {
        fail(damaged + L"it is cut short (" + std::to_wstring(size) + L" of " +
             std::to_wstring(pages * pageSize) + L" bytes)");
    }
    if (size % pageSize != 0) fail(damaged + L"it is cut short");
}

// The copy in memory must read back whole before it replaces what the store serves.
void verifyContent(sqlite::Database& db, const std::wstring& path) {
    auto check = db.prepare("PRAGMA quick_check(1)");
    std::wstring verdict = check.step() ? check.columnText(0) : L"no verdict";
    if (verdict == L"ok") return;
    const std::wstring banner = L"*** in database main ***\n";  // says nothing to a person
    if (verdict.rfind(banner, 0) == 0) verdict.erase(0, banner.size());
    fail(L"the catalogue " + inQuotes(path) + L" is damaged (" + verdict + L")");
}

}  // namespace

struct TableStore::Impl {
    explicit Impl(sqlite::Database database);

    TableInfo& table(const std::wstring& name);
    int columnIndex(const TableInfo& table, const std::wstring& col) const;
    const std::vector<long long>& rowids(TableInfo& table);
    long long rowidAt(TableInfo& table, int index);
    Row readRow(const TableInfo& table, long long rowid);
    // Indices and row ids of the rows whose cell in `col` matches `value`, in row order.
    std::vector<std::pair<int, long long>> matching(TableInfo& table, int col, const Cell& value,
                                                    bool firstOnly);

    sqlite::Database db;
    std::string file;  // absolute, so a later change of working folder cannot redirect a save
    std::vector<TableInfo> tables;
    std::unordered_map<std::wstring, std::size_t> byKey;  // identifierKey(name) -> index
};

TableStore::Impl::Impl(sqlite::Database database) : db(std::move(database)) {
    // sqlite_master lists tables in creation order; its own and SQLite's internals are hidden.
    auto names = db.prepare(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' "
        "ESCAPE '!' ORDER BY rowid");
    while (names.step()) {
        TableInfo& info = tables.emplace_back();
        info.name = names.columnText(0);
        info.sqlName = sqlite::quoteIdentifier(info.name);
        byKey.emplace(identifierKey(info.name), tables.size() - 1);
    }
    auto columns = db.prepare("SELECT name FROM pragma_table_info(?1) ORDER BY cid");
    for (TableInfo& info : tables) {
        columns.bind(1, info.name);
        while (columns.step()) {
            info.columns.push_back(columns.columnText(0));
            info.sqlColumns.push_back(sqlite::quoteIdentifier(info.columns.back()));
        }
        columns.reset();
        for (const wchar_t* alias : {L"rowid", L"_rowid_", L"oid"}) {
            bool shadowed = false;
            for (const auto& col : info.columns) shadowed = shadowed || sameIdentifier(col, alias);
            if (!shadowed) {
                info.rowid = sqlite::toUtf8(alias);
                break;
            }
        }
    }
}

TableInfo& TableStore::Impl::table(const std::wstring& name) {
    const auto found = byKey.find(identifierKey(name));
    if (found == byKey.end()) fail(L"the catalogue has no table " + inQuotes(name));
    return tables[found->second];
}

int TableStore::Impl::columnIndex(const TableInfo& info, const std::wstring& col) const {
    for (std::size_t i = 0; i < info.columns.size(); ++i)
        if (sameIdentifier(info.columns[i], col)) return static_cast<int>(i);
    fail(L"table " + inQuotes(info.name) + L" has no column " + inQuotes(col));
}

const std::vector<long long>& TableStore::Impl::rowids(TableInfo& info) {
    if (!info.rowids) {
        auto select = db.cached("SELECT " + info.rowidName() + " FROM " + info.sqlName +
                                " ORDER BY " + info.rowidName());
        std::vector<long long> ids;
        while (select->step()) ids.push_back(select->columnInt64(0));
        info.rowids = std::move(ids);
    }
    return *info.rowids;
}

long long TableStore::Impl::rowidAt(TableInfo& info, int index) {
    const auto& ids = rowids(info);
    if (index < 0 || static_cast<std::size_t>(index) >= ids.size()) {
        fail(L"row " + std::to_wstring(index) + L" is out of range: table " + inQuotes(info.name) +
             L" has " + std::to_wstring(ids.size()) + L" rows");
    }
    return ids[static_cast<std::size_t>(index)];
}

Row TableStore::Impl::readRow(const TableInfo& info, long long rowid) {
    std::string list;
    for (const auto& col : info.sqlColumns) list += (list.empty() ? "" : ", ") + col;
    auto select = db.cached("SELECT " + list + " FROM " + info.sqlName + " WHERE " +
                            info.rowidName() + " = ?1");
    select->bind(1, rowid);
    if (!select->step()) fail(L"a row of table " + inQuotes(info.name) + L" has vanished");
    Row row;
    for (std::size_t i = 0; i < info.columns.size(); ++i)
        row.emplace(info.columns[i], readCell(*select, static_cast<int>(i)));
    return row;
}

std::vector<std::pair<int, long long>> TableStore::Impl::matching(TableInfo& info, int col,
                                                                  const Cell& value,
                                                                  bool firstOnly) {
    const std::string& rowid = info.rowidName();
    auto select = db.cached("SELECT " + rowid + ", " + info.sqlColumns[col] + " FROM " +
                            info.sqlName + " ORDER BY " + rowid);
    std::vector<std::pair<int, long long>> found;
    for (int index = 0; select->step(); ++index) {
        if (!cellMatches(readCell(*select, 1), value)) continue;
        found.emplace_back(index, select->columnInt64(0));
        if (firstOnly) break;
    }
    return found;
}

TableStore::TableStore() = default;
TableStore::~TableStore() = default;
TableStore::TableStore(TableStore&&) noexcept = default;
TableStore& TableStore::operator=(TableStore&&) noexcept = default;

template <typename Body>
bool TableStore::guarded(Body&& body) noexcept {
    std::wstring reason;
    try {
        try {
            body();
            lastError_.clear();
            return true;
        } catch (Failure& failure) {
            reason = std::move(failure.reason);
        } catch (const sqlite::Error& error) {
            reason = L"database error: " + wide(error.what());
        } catch (const std::bad_alloc&) {
            reason = L"out of memory";
        } catch (const std::exception& error) {
            reason = wide(error.what());
        }
    } catch (...) {
        reason.clear();  // building the reason itself failed; an empty reason still says false
    }
    lastError_ = std::move(reason);
    return false;
}

TableStore::Impl& TableStore::impl() {
    if (!impl_) fail(L"no catalogue file is open");
    return *impl_;
}

bool TableStore::open(const std::wstring& path) {
    return guarded([&] {
        const std::string file = sqlite::toUtf8(path);
        inspectFile(path, file);
        std::unique_ptr<Impl> loaded;
        try {
            sqlite::Database memory = sqlite::Database::memory();
            {
                sqlite::Database source = sqlite::Database::file(file, SQLITE_OPEN_READONLY);
                sqlite3_busy_timeout(source.handle(), 2000);  // another program may be writing
                memory.copyFrom(source);
            }  // the file is closed here; from now on the catalogue lives in memory
            verifyContent(memory, path);
            loaded = std::make_unique<Impl>(std::move(memory));
        } catch (const sqlite::Error& error) {
            fail(L"cannot read the catalogue " + inQuotes(path) + L": " + wide(error.what()));
        }
        if (loaded->tables.empty()) fail(L"the file " + inQuotes(path) + L" holds no tables");
        loaded->file = std::filesystem::absolute(file).string();
        std::wstring newPath = path;
        impl_ = std::move(loaded);
        path_ = std::move(newPath);
        ++revision_;
    });
}

bool TableStore::save() {
    return guarded([&] {
        Impl& store = impl();
        try {
            sqlite::saveAtomically(store.db, store.file);
        } catch (const sqlite::Error& error) {
            fail(L"cannot save the catalogue " + inQuotes(path_) + L": " + wide(error.what()));
        }
    });
}

bool TableStore::tables(std::vector<std::wstring>& out) {
    return guarded([&] {
        std::vector<std::wstring> names;
        for (const auto& info : impl().tables) names.push_back(info.name);
        out = std::move(names);
    });
}

bool TableStore::columns(const std::wstring& table, std::vector<std::wstring>& out) {
    return guarded([&] { out = impl().table(table).columns; });
}

bool TableStore::counts(const std::wstring& table, int& rows, int& cols) {
    return guarded([&] {
        TableInfo& info = impl().table(table);
        const auto rowCount = static_cast<int>(impl_->rowids(info).size());
        rows = rowCount;
        cols = static_cast<int>(info.columns.size());
    });
}

bool TableStore::column(const std::wstring& table, const std::wstring& col,
                        std::vector<Cell>& out) {
    return guarded([&] {
        Impl& store = impl();
        TableInfo& info = store.table(table);
        const auto index = static_cast<std::size_t>(store.columnIndex(info, col));
        // The hottest call of all: its statement is found without building any SQL text.
        info.columnReads.resize(info.columns.size());
        sqlite::Statement*& reader = info.columnReads[index];
        if (reader == nullptr) {
            reader = &store.db.statement("SELECT " + info.sqlColumns[index] + " FROM " +
                                         info.sqlName + " ORDER BY " + info.rowidName());
        }
        sqlite::StatementLease select(*reader);
        std::vector<Cell> cells;
        if (info.rowids) cells.reserve(info.rowids->size());
        while (select->step()) cells.push_back(readCell(*select, 0));
        out = std::move(cells);
    });
}

bool TableStore::setColumn(const std::wstring& table, const std::wstring& col,
                           const std::vector<Cell>& values) {
    return guarded([&] {
        Impl& store = impl();
        TableInfo& info = store.table(table);
        const int index = store.columnIndex(info, col);
        const auto& ids = store.rowids(info);
        if (values.size() != ids.size()) {
            fail(L"table " + inQuotes(info.name) + L" has " + std::to_wstring(ids.size()) +
                 L" rows but " + std::to_wstring(values.size()) +
                 L" values were given; nothing was changed");
        }
        sqlite::Transaction transaction(store.db);
        auto update = store.db.cached("UPDATE " + info.sqlName + " SET " + info.sqlColumns[index] +
                                      " = ?1 WHERE " + info.rowidName() + " = ?2");
        for (std::size_t i = 0; i < ids.size(); ++i) {
            bindCell(*update, 1, values[i]);
            update->bind(2, ids[i]);
            update->step();
            update->reset();
        }
        transaction.commit();
        ++revision_;
    });
}

bool TableStore::row(const std::wstring& table, int index, Row& out) {
    return guarded([&] {
        Impl& store = impl();
        TableInfo& info = store.table(table);
        out = store.readRow(info, store.rowidAt(info, index));
    });
}

int TableStore::findRow(const std::wstring& table, const std::wstring& col, const Cell& value,
                        Row& out) {
    int found = -1;
    const bool ok = guarded([&] {
        Impl& store = impl();
        TableInfo& info = store.table(table);
        const auto matches = store.matching(info, store.columnIndex(info, col), value, true);
        if (matches.empty()) {
            fail(L"no row of table " + inQuotes(info.name) + L" has " + describe(value) +
                 L" in column " + inQuotes(col));
        }
        out = store.readRow(info, matches.front().second);
        found = matches.front().first;
    });
    return ok ? found : -1;
}

bool TableStore::setRow(const std::wstring& table, int index, const Row& values) {
    return guarded([&] {
        Impl& store = impl();
        TableInfo& info = store.table(table);
        const long long rowid = store.rowidAt(info, index);
        const auto assigned = namedCells(info, values);
        std::string sets;
        int parameter = 0;
        for (std::size_t i = 0; i < assigned.size(); ++i) {
            if (assigned[i] == nullptr) continue;
            sets += (sets.empty() ? "" : ", ") + info.sqlColumns[i] + " = ?" +
                    std::to_string(++parameter);
        }
        if (parameter == 0) return;  // nothing this table holds was named
        auto update = store.db.prepare("UPDATE " + info.sqlName + " SET " + sets + " WHERE " +
                                       info.rowidName() + " = ?" + std::to_string(parameter + 1));
        parameter = 0;
        for (const Cell* value : assigned)
            if (value != nullptr) bindCell(update, ++parameter, *value);
        update.bind(parameter + 1, rowid);
        update.step();
        ++revision_;
    });
}

bool TableStore::addRow(const std::wstring& table, const Row& values,
                        const std::wstring& keyColumn) {
    return guarded([&] {
        Impl& store = impl();
        TableInfo& info = store.table(table);
        const int key = store.columnIndex(info, keyColumn);
        const auto assigned = namedCells(info, values);
        if (assigned[key] == nullptr || isBlank(*assigned[key])) {
            fail(L"a new row of table " + inQuotes(info.name) + L" needs a value in column " +
                 inQuotes(info.columns[key]));
        }
        std::string names;
        std::string parameters;
        for (std::size_t i = 0; i < assigned.size(); ++i) {
            if (assigned[i] == nullptr) continue;
            names += (names.empty() ? "" : ", ") + info.sqlColumns[i];
            parameters += parameters.empty() ? "?" : ", ?";
        }
        auto insert = store.db.prepare("INSERT INTO " + info.sqlName + " (" + names + ") VALUES (" +
                                       parameters + ")");
        int parameter = 0;
        for (const Cell* value : assigned)
            if (value != nullptr) bindCell(insert, ++parameter, *value);
        insert.step();
        info.rowids.reset();
        ++revision_;
    });
}

bool TableStore::deleteRows(const std::wstring& table, const std::wstring& col, const Cell& value) {
    return guarded([&] {
        Impl& store = impl();
        TableInfo& info = store.table(table);
        const auto matches = store.matching(info, store.columnIndex(info, col), value, false);
        if (matches.empty()) {
            fail(L"no row of table " + inQuotes(info.name) + L" has " + describe(value) +
                 L" in column " + inQuotes(col) + L"; nothing was deleted");
        }
        sqlite::Transaction transaction(store.db);
        auto remove =
            store.db.cached("DELETE FROM " + info.sqlName + " WHERE " + info.rowidName() + " = ?1");
        for (const auto& match : matches) {
            remove->bind(1, match.second);
            remove->step();
            remove->reset();
        }
        transaction.commit();
        info.rowids.reset();
        ++revision_;
    });
}

}  // namespace vntl
