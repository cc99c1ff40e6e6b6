#pragma once

// A thin RAII layer over the SQLite C API, seen only by the table store's implementation.
// Inside this layer every failure is an `sqlite::Error` exception raised by `check`; the store
// catches it at its public boundary and turns it into a result and a reason.

#include <sqlite3.h>

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vntl::sqlite {

class Error : public std::runtime_error {
public:
    Error(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    [[nodiscard]] int code() const noexcept { return code_; }

private:
    int code_;
};

// Passes SQLITE_OK, SQLITE_ROW and SQLITE_DONE through; raises Error for every other code,
// with the connection's own message when there is one.
int check(int rc, sqlite3* db);

// The C library's text for an errno value, for reasons shown to people.
std::string systemError(int errnum);

// SQLite speaks UTF-8; the store speaks wchar_t (UTF-32 here). Malformed input becomes U+FFFD.
std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);

// `name` as a double-quoted SQL identifier (inner quotes doubled), in UTF-8.
std::string quoteIdentifier(std::wstring_view name);

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);
    Statement(Statement&&) noexcept = default;
    Statement& operator=(Statement&&) noexcept = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1, as in SQLite.
    void bindNull(int index);
    void bind(int index, long long value);
    void bind(int index, double value);
    void bind(int index, std::wstring_view value);

    // True while a row is available; false once the statement is done.
    bool step();
    // Back to the start with all parameters unbound; safe to call at any time.
    void reset() noexcept;

    // Columns are numbered from 0, as in SQLite.
    [[nodiscard]] int columnType(int index) const noexcept;
    [[nodiscard]] long long columnInt64(int index) const noexcept;
    [[nodiscard]] double columnDouble(int index) const noexcept;
    [[nodiscard]] std::wstring columnText(int index) const;

private:
    struct Finalize {
        void operator()(sqlite3_stmt* stmt) const noexcept { sqlite3_finalize(stmt); }
    };
    std::unique_ptr<sqlite3_stmt, Finalize> stmt_;
    sqlite3* db_ = nullptr;
};

class Database;

// Borrowed use of a cached statement; resets it on the way out so no read stays open.
class StatementLease {
public:
    explicit StatementLease(Statement& stmt) noexcept : stmt_(&stmt) {}
    ~StatementLease() { stmt_->reset(); }
    StatementLease(const StatementLease&) = delete;
    StatementLease& operator=(const StatementLease&) = delete;
    Statement* operator->() const noexcept { return stmt_; }
    Statement& operator*() const noexcept { return *stmt_; }

private:
    Statement* stmt_;
};

class Database {
public:
    // A private, empty in-memory database.
    static Database memory();
    // A database file; `flags` are SQLITE_OPEN_* flags. The path is never read as a URI.
    static Database file(const std::string& path, int flags);

    Database(Database&&) noexcept = default;
    Database& operator=(Database&&) = delete;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database() = default;

    void exec(const std::string& sql);
    [[nodiscard]] Statement prepare(const std::string& sql);
    // The statement for `sql`, prepared once and kept for the life of the connection: the
    // reference stays valid as long as this Database.
    [[nodiscard]] Statement& statement(const std::string& sql);
    [[nodiscard]] StatementLease cached(const std::string& sql) {
        return StatementLease(statement(sql));
    }
    // Replaces this database's content with `source`'s, page by page (sqlite3_backup).
    void copyFrom(Database& source);
    // A database in memory made of the bytes of the file at `path`, read in one go while
    // SQLite's shared lock on the file keeps writers out. Nothing checks the bytes: SQLite
    // reads them as they come, so the caller checks them (image()) before relying on them.
    static Database snapshot(const std::string& path);
    // The content of a database made by snapshot(), in place: exactly what its file would
    // hold. Empty for any other database.
    [[nodiscard]] std::span<const unsigned char> image() const noexcept;
    [[nodiscard]] sqlite3* handle() const noexcept { return db_.get(); }

private:
    explicit Database(sqlite3* db) noexcept : db_(db) {}

    struct Close {
        // close_v2 defers the close until the last statement is finalised, so member order
        // cannot turn into a use-after-free.
        void operator()(sqlite3* db) const noexcept { sqlite3_close_v2(db); }
    };
    std::unique_ptr<sqlite3, Close> db_;
    std::unordered_map<std::string, Statement> cache_;  // destroyed before db_
};

// Writes `source` over the file at `path` all or nothing: into a temporary file in the same
// folder, flushed to disk, renamed over `path` (a symbolic link is followed to its file), then
// the folder is flushed. On failure the temporary file is removed and `path` is untouched.
// The new file keeps the old one's owner, group and permissions; a file that is read-only for
// the user, or whose owner or group the user cannot keep, is not replaced (fileowner.h).
void saveAtomically(Database& source, const std::string& path);

// BEGIN on construction; ROLLBACK in the destructor unless commit() succeeded.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

}  // namespace vntl::sqlite
