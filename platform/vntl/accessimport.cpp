#include "vntl/accessimport.h"

// glib first: mdbtools.h uses its types without including it.
#include <glib.h>
#include <mdbtools.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "vntl/sqlitedb.h"

namespace vntl::access {

namespace {

// Room libmdb gets for the text of one cell. A Text column holds at most 255 characters, three
// UTF-8 bytes each at most; memos typed in Access stay below 64 K characters. A longer text would
// come back cut short, so it is refused instead.
constexpr std::size_t kBindSize = 4 * 1024;
constexpr std::size_t kMemoBindSize = 256 * 1024;

[[noreturn]] void damaged(const std::string& what) {
    throw Error("the file is damaged (" + what + ")");
}

std::string inQuotes(std::string_view name) {
    // Built by appending: GCC 12 at -O3 takes "\"" + std::string for an overlapping copy.
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted.append(1, '"').append(name).append(1, '"');
    return quoted;
}

struct CloseDatabase {
    void operator()(MdbHandle* mdb) const noexcept { mdb_close(mdb); }
};
struct FreeTable {
    void operator()(MdbTableDef* table) const noexcept { mdb_free_tabledef(table); }
};

// What a column's cells become in SQLite.
enum class Kind { integer, real, text, date, shortDate, boolean, none };

Kind kindOf(MdbColumn& column) {
    switch (column.col_type) {
        case MDB_BYTE:
        case MDB_INT:
        case MDB_LONGINT:
            return Kind::integer;
        case MDB_BOOL:
            return Kind::boolean;
        case MDB_MONEY:
        case MDB_FLOAT:
        case MDB_DOUBLE:
        case MDB_NUMERIC:
            return Kind::real;
        case MDB_DATETIME:
            return mdb_col_is_shortdate(&column) ? Kind::shortDate : Kind::date;
        case MDB_TEXT:
        case MDB_MEMO:
        case MDB_REPID:
            return Kind::text;
        default:
            return Kind::none;  // binary, OLE objects, attachments: nothing a catalogue holds
    }
}

const char* declaredType(Kind kind) {
    switch (kind) {
        case Kind::integer:
        case Kind::boolean:
            return "INTEGER";
        case Kind::real:
            return "REAL";
        case Kind::none:
            return "BLOB";
        default:
            return "TEXT";
    }
}

struct Column {
    MdbColumn* mdb = nullptr;
    std::string name;
    Kind kind = Kind::none;
    std::vector<char> bound;  // libmdb's text of the current cell
    int length = 0;
};

// The current cell's stored bytes, little-endian, straight from the page libmdb located them
// on: its texts of numbers carry too few digits to give the stored value back.
std::uint64_t storedBits(const MdbHandle& mdb, const Column& column, int width,
                         const std::string& table) {
    const int start = column.mdb->cur_value_start;
    const auto pageSize = static_cast<int>(
        std::min<std::size_t>(std::size(mdb.pg_buf), static_cast<std::size_t>(mdb.fmt->pg_size)));
    if (column.mdb->cur_value_len != width || start < 0 || start > pageSize - width)
        damaged("a value of column " + inQuotes(column.name) + " of " + inQuotes(table) +
                " lies outside its page");
    std::uint64_t bits = 0;
    for (int i = width - 1; i >= 0; --i) bits = (bits << 8) | mdb.pg_buf[start + i];
    return bits;
}

template <typename Signed>
long long signedValue(std::uint64_t bits) {
    return static_cast<Signed>(static_cast<std::make_unsigned_t<Signed>>(bits));
}

// A Single as the decimal Access shows for it, so 0.1 stays 0.1 rather than 0.100000001490116.
double singleAsDouble(std::uint32_t bits) {
    const float value = std::bit_cast<float>(bits);
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    double widened = value;
    std::from_chars(text.data(), end, widened);
    return widened;
}

std::optional<double> parseNumber(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';  // whatever the locale libmdb was built to print with
    double value = 0;
    const char* first = text.data();
    if (!text.empty() && text.front() == '+') ++first;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Access counts days from 1899-12-30; the fraction is the time of day, for days before that
// one too (-1.25 is 1899-12-29 06:00). Dates outside the years 100 to 9999 cannot be stored.
std::optional<std::string> isoDate(double stored, bool dateOnly) {
    constexpr double kFirst = -657434.0, kLast = 2958466.0;
    if (!std::isfinite(stored) || stored < kFirst || stored >= kLast) return std::nullopt;
    const double whole = std::trunc(stored);
    long long days = static_cast<long long>(whole);
    long long seconds = std::llround(std::fabs(stored - whole) * 86400.0);
    if (seconds >= 86400) seconds -= 86400, ++days;
    // Civil date from days since 1970-01-01 (proleptic Gregorian).
    const long long z = days - 25569 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    std::array<char, 160> text{};  // room for any long long, so the compiler sees no cut
    std::snprintf(text.data(), text.size(), "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", year,
                  month, day, seconds / 3600, seconds / 60 % 60, seconds % 60);
    return std::string(text.data(), dateOnly ? 10 : 19);
}

void bindCell(const MdbHandle& mdb, const Column& column, sqlite::Statement& insert, int index,
              const std::string& table) {
    const std::string_view text(
        column.bound.data(),
        std::min(static_cast<std::size_t>(std::max(column.length, 0)), column.bound.size()));
    if (column.kind == Kind::boolean) return insert.bind(index, text == "1" ? 1LL : 0LL);
    if (column.kind == Kind::none || text.empty()) return insert.bindNull(index);
    if (static_cast<std::size_t>(column.length) >= column.bound.size() - 1)
        throw Error("a text in column " + inQuotes(column.name) + " of " + inQuotes(table) +
                    " is longer than the " + std::to_string(column.bound.size() / 1024) +
                    " KB a cell may hold");
    switch (column.mdb->col_type) {
        case MDB_BYTE:
            return insert.bind(index, static_cast<long long>(storedBits(mdb, column, 1, table)));
        case MDB_INT:
            return insert.bind(index, signedValue<std::int16_t>(storedBits(mdb, column, 2, table)));
        case MDB_LONGINT:
            return insert.bind(index, signedValue<std::int32_t>(storedBits(mdb, column, 4, table)));
        case MDB_MONEY:  // a count of ten-thousandths; one division rounds it correctly
            return insert.bind(
                index,
                static_cast<double>(signedValue<std::int64_t>(storedBits(mdb, column, 8, table))) /
                    10000.0);
        case MDB_FLOAT:
            return insert.bind(
                index,
                singleAsDouble(static_cast<std::uint32_t>(storedBits(mdb, column, 4, table))));
        case MDB_DOUBLE:
            return insert.bind(index, std::bit_cast<double>(storedBits(mdb, column, 8, table)));
        case MDB_DATETIME: {
            const auto date = isoDate(std::bit_cast<double>(storedBits(mdb, column, 8, table)),
                                      column.kind == Kind::shortDate);
            if (!date) damaged("a date in " + inQuotes(table) + " is out of range");
            return insert.bind(index, sqlite::fromUtf8(*date));
        }
        case MDB_NUMERIC: {  // a scaled decimal, which libmdb prints in full
            const auto number = parseNumber(std::string(text));
            if (!number) damaged("a number in " + inQuotes(table) + " is unreadable");
            return insert.bind(index, *number);
        }
        default:
            return insert.bind(index, sqlite::fromUtf8(text));
    }
}

std::vector<Column> readColumns(MdbTableDef& table) {
    std::vector<Column> columns(table.columns->len);
    for (guint i = 0; i < table.columns->len; ++i) {
        columns[i].mdb = static_cast<MdbColumn*>(g_ptr_array_index(table.columns, i));
        columns[i].name = columns[i].mdb->name;
        columns[i].kind = kindOf(*columns[i].mdb);
    }
    return columns;
}

void createTable(sqlite::Database& db, const std::string& sqlName,
                 const std::vector<Column>& columns) {
    std::string definition;
    for (const Column& column : columns) {
        definition += (definition.empty() ? "" : ", ") +
                      sqlite::quoteIdentifier(sqlite::fromUtf8(column.name)) + " " +
                      declaredType(column.kind);
    }
    db.exec("CREATE TABLE " + sqlName + " (" + definition + ")");
}

// Gives libmdb room for the text of every cell it converts; `columns` must not move afterwards.
void bindColumns(MdbHandle& mdb, MdbTableDef& table, std::vector<Column>& columns) {
    bool memos = false;
    for (const Column& column : columns) memos = memos || column.mdb->col_type == MDB_MEMO;
    const std::size_t bindSize = memos ? kMemoBindSize : kBindSize;
    mdb_set_bind_size(&mdb, bindSize);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].kind == Kind::none) continue;  // never converted, so never read
        columns[i].bound.assign(bindSize, '\0');
        mdb_bind_column(&table, static_cast<int>(i + 1), columns[i].bound.data(),
                        &columns[i].length);
    }
}

void copyRows(MdbHandle& mdb, MdbTableDef& table, std::vector<Column>& columns,
              const std::string& name, sqlite::Statement& insert) {
    // The table's definition counts its rows. A lost data page is skipped without a word by
    // libmdb, so fewer rows mean a damaged file; a damaged page chain can serve rows for ever,
    // so far more rows do too.
    const unsigned long long declared = table.num_rows;
    unsigned long long fetched = 0;
    mdb_rewind_table(&table);
    for (; mdb_fetch_row(&table); ++fetched) {
        if (fetched >= 2 * declared + 10000)
            damaged("table " + inQuotes(name) + " yields more rows than it holds");
        for (std::size_t i = 0; i < columns.size(); ++i)
            bindCell(mdb, columns[i], insert, static_cast<int>(i + 1), name);
        insert.step();
        insert.reset();
        for (Column& column : columns) column.length = 0;
    }
    if (fetched < declared) {
        damaged("only " + std::to_string(fetched) + " of the " + std::to_string(declared) +
                " rows of table " + inQuotes(name) + " can be read");
    }
}

// libmdb lists the tables from the rows of MSysObjects and passes over a row it cannot read, so
// a damaged list could lose a table without a word; its row count tells.
void checkTableListWhole(MdbHandle& mdb) {
    for (guint i = 0; i < mdb.num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb.catalog, i));
        if (std::string_view(entry->object_name) != "MSysObjects") continue;
        std::unique_ptr<MdbTableDef, FreeTable> table(mdb_read_table(entry));
        if (!table || mdb_read_columns(table.get()) == nullptr) break;
        mdb_rewind_table(table.get());
        unsigned long long rows = 0;
        while (rows <= table->num_rows && mdb_fetch_row(table.get())) ++rows;
        if (rows == table->num_rows) return;
        break;
    }
    damaged("its list of tables is incomplete");
}

void importTable(MdbHandle& mdb, MdbCatalogEntry& entry, sqlite::Database& db) {
    const std::string name = entry.object_name;
    std::unique_ptr<MdbTableDef, FreeTable> table(mdb_read_table(&entry));
    if (!table || mdb_read_columns(table.get()) == nullptr || table->columns == nullptr)
        damaged("the definition of table " + inQuotes(name) + " is unreadable");
    if (table->columns->len == 0) damaged("table " + inQuotes(name) + " has no columns");
    std::vector<Column> columns = readColumns(*table);
    const std::string sqlName = sqlite::quoteIdentifier(sqlite::fromUtf8(name));
    createTable(db, sqlName, columns);
    bindColumns(mdb, *table, columns);
    std::string parameters;
    for (std::size_t i = 0; i < columns.size(); ++i) parameters += i == 0 ? "?" : ", ?";
    auto insert = db.prepare("INSERT INTO " + sqlName + " VALUES (" + parameters + ")");
    copyRows(mdb, *table, columns, name, insert);
}

}  // namespace

void importTables(const std::string& file, sqlite::Database& db) {
    std::unique_ptr<MdbHandle, CloseDatabase> mdb(mdb_open(file.c_str(), MDB_NOFLAGS));
    if (!mdb) throw Error("it is not an Access database that can be read");
    // Texts reach SQLite as UTF-8 only; libmdb converts to whatever MDBICONV names.
    if (std::string_view(mdb_target_charset(mdb.get())) != "UTF-8")
        throw Error("texts cannot be read as UTF-8 while MDBICONV names another character set");
    // Pages are written whole: a file that ends inside one was cut short.
    std::error_code unknown;
    const auto size = std::filesystem::file_size(file, unknown);
    if (!unknown && mdb->fmt->pg_size > 0 &&
        size % static_cast<std::uintmax_t>(mdb->fmt->pg_size) != 0)
        damaged("it is cut short");
    mdb_set_boolean_fmt_numbers(mdb.get());
    if (mdb_read_catalog(mdb.get(), MDB_TABLE) == nullptr)
        damaged("its list of tables is unreadable");
    checkTableListWhole(*mdb);
    try {
        sqlite::Transaction transaction(db);
        for (guint i = 0; i < mdb->num_catalog; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
            if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
                importTable(*mdb, *entry, db);
        }
        transaction.commit();
    } catch (const sqlite::Error& error) {
        throw Error(std::string("its tables cannot be copied: ") + error.what());
    }
}

}  // namespace vntl::access
