#include "vntl/tablestore.h"

#include <array>
#include <charconv>
#include <exception>
#include <filesystem>
#include <optional>
#include <unordered_map>
#include <utility>

#include "vntl/cellmatch.h"
#include "vntl/sqlitedb.h"
#include "vntl/storefile.h"

// How reading stays cheap. The catalogue reads whole columns far more often than it writes, so
// every query shape (one column of a table, one row by row id, the row ids of a table) is
// prepared once and kept by the connection for its whole life; a column read is then one walk
// of the table's b-tree in row-id order, with no SQL parsing or planning. The row ids of each
// table are kept as well, because every index-addressed call needs them; adding or deleting
// rows drops them. A layer that keeps decoded columns in memory keys them on revision(), which
// every change of content moves.

namespace vntl {

using storefile::fail;
using storefile::Failure;
using storefile::FileKind;
using storefile::importAccessFile;
using storefile::inQuotes;
using storefile::inspectFile;
using storefile::verifyContent;
using storefile::wide;

namespace {

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
    bool described = false;                        // columns and row-id name read yet
    std::string rowid;                             // a name of the row id that no column shadows
    std::optional<std::vector<long long>> rowids;  // in order; dropped when rows come or go

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

}  // namespace

struct TableStore::Impl {
    // `tableNames` when the caller already knows them, in creation order.
    Impl(sqlite::Database database, std::optional<std::vector<std::wstring>> tableNames);

    // The table of that name, its columns read on first use.
    TableInfo& table(const std::wstring& name);
    void readColumns(TableInfo& table);
    int columnIndex(const TableInfo& table, const std::wstring& col) const;
    const std::vector<long long>& rowids(TableInfo& table);
    long long rowidAt(TableInfo& table, int index);
    Row readRow(const TableInfo& table, long long rowid);
    // Indices and row ids of the rows whose cell in `col` matches `value`, in row order.
    std::vector<std::pair<int, long long>> matching(TableInfo& table, int col, const Cell& value,
                                                    bool firstOnly);

    sqlite::Database db;
    std::string file;  // absolute, so a later change of working folder cannot redirect a save
    bool fromAccess = false;  // read from an Access file, which is never written back
    std::vector<TableInfo> tables;
    std::unordered_map<std::wstring, std::size_t> byKey;  // identifierKey(name) -> index
};

TableStore::Impl::Impl(sqlite::Database database,
                       std::optional<std::vector<std::wstring>> tableNames)
    : db(std::move(database)) {
    if (!tableNames) {
        // sqlite_master lists tables in creation order; SQLite's internals are hidden.
        tableNames.emplace();
        auto names = db.prepare(
            "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' "
            "ESCAPE '!' ORDER BY rowid");
        while (names.step()) tableNames->push_back(names.columnText(0));
    }
    for (std::wstring& name : *tableNames) {
        TableInfo& info = tables.emplace_back();
        info.name = std::move(name);
        info.sqlName = sqlite::quoteIdentifier(info.name);
        byKey.emplace(identifierKey(info.name), tables.size() - 1);
    }
}

// A table's columns are read when the table is first used, not at open: a catalogue holds a
// table per family and a drawing asks about a few of them.
void TableStore::Impl::readColumns(TableInfo& info) {
    std::vector<std::wstring> names;
    std::vector<std::string> sqlNames;
    auto columns = db.cached("SELECT name FROM pragma_table_info(?1) ORDER BY cid");
    columns->bind(1, info.name);
    while (columns->step()) {
        names.push_back(columns->columnText(0));
        sqlNames.push_back(sqlite::quoteIdentifier(names.back()));
    }
    info.columns = std::move(names);
    info.sqlColumns = std::move(sqlNames);
    for (const wchar_t* alias : {L"rowid", L"_rowid_", L"oid"}) {
        bool shadowed = false;
        for (const auto& col : info.columns) shadowed = shadowed || sameIdentifier(col, alias);
        if (!shadowed) {
            info.rowid = sqlite::toUtf8(alias);
            break;
        }
    }
    info.described = true;
}

TableInfo& TableStore::Impl::table(const std::wstring& name) {
    const auto found = byKey.find(identifierKey(name));
    if (found == byKey.end()) fail(L"the catalogue has no table " + inQuotes(name));
    TableInfo& info = tables[found->second];
    if (!info.described) readColumns(info);
    return info;
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
        if (!cellMatchesValue(readCell(*select, 1), value)) continue;
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
        const bool fromAccess = inspectFile(path, file) == FileKind::access;
        std::unique_ptr<Impl> loaded;
        try {
            // The file is closed once read; from then on the catalogue lives in memory.
            std::optional<std::vector<std::wstring>> names;
            if (fromAccess) {
                sqlite::Database memory = sqlite::Database::memory();
                importAccessFile(path, file, memory);
                verifyContent(memory, path);
                loaded = std::make_unique<Impl>(std::move(memory), std::move(names));
            } else {
                sqlite::Database memory = storefile::loadCatalogue(path, file, names);
                loaded = std::make_unique<Impl>(std::move(memory), std::move(names));
            }
        } catch (const sqlite::Error& error) {
            fail(L"cannot read the catalogue " + inQuotes(path) + L": " + wide(error.what()));
        }
        if (loaded->tables.empty()) fail(L"the file " + inQuotes(path) + L" holds no tables");
        loaded->file = std::filesystem::absolute(file).string();
        loaded->fromAccess = fromAccess;
        std::wstring newPath = path;
        impl_ = std::move(loaded);
        path_ = std::move(newPath);
        ++revision_;
    });
}

bool TableStore::save() {
    return guarded([&] {
        Impl& store = impl();
        if (store.fromAccess) {
            fail(inQuotes(path_) +
                 L" is an Access file, which is read-only here; convert it with rebarcat convert");
        }
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
        // Not kept for the next read: the container keeps what it read until the table changes,
        // and a catalogue of thousands of families would keep megabytes of statements.
        auto select = store.db.prepare("SELECT " + info.sqlColumns[index] + " FROM " +
                                       info.sqlName + " ORDER BY " + info.rowidName());
        std::vector<Cell> cells;
        if (info.rowids) cells.reserve(info.rowids->size());
        while (select.step()) cells.push_back(readCell(select, 0));
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

bool TableStore::saveAs(const std::wstring& path) {
    return guarded([&] {
        Impl& store = impl();
        const std::string file = sqlite::toUtf8(path);
        std::error_code ignored;
        if (store.fromAccess && std::filesystem::equivalent(file, store.file, ignored)) {
            fail(L"the Access file " + inQuotes(path) +
                 L" is read-only here; save the catalogue as another file");
        }
        try {
            sqlite::saveAtomically(store.db, file);
        } catch (const sqlite::Error& error) {
            fail(L"cannot save the catalogue as " + inQuotes(path) + L": " + wide(error.what()));
        }
        store.file = std::filesystem::absolute(file).string();
        store.fromAccess = false;
        path_ = path;
    });
}

}  // namespace vntl
