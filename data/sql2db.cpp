// sql2db: builds a catalogue file from SQL scripts at build time.
//
//   sql2db OUT.mdb IN1.sql [IN2.sql ...]
//
// The scripts run in the order given, all inside one transaction, on a fresh
// database written next to OUT under a temporary name; only a complete build
// is renamed onto OUT, so a failed build never leaves a half-filled catalogue
// behind. A failing statement is reported with its file, line and SQLite's
// own message.

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using DbHandle = std::unique_ptr<sqlite3, DbCloser>;

bool readFile(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

int lineOf(const std::string& text, const char* at) {
    int line = 1;
    for (const char* p = text.data(); p < at; ++p)
        if (*p == '\n') ++line;
    return line;
}

// The first character of the next statement, past blanks and comments, so
// that an error names the line where the failing statement really starts.
const char* skipBlanksAndComments(const char* p, const char* end) {
    while (p < end) {
        if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') {
            ++p;
        } else if (p + 1 < end && p[0] == '-' && p[1] == '-') {
            while (p < end && *p != '\n') ++p;
        } else if (p + 1 < end && p[0] == '/' && p[1] == '*') {
            p += 2;
            while (p + 1 < end && !(p[0] == '*' && p[1] == '/')) ++p;
            p = p + 1 < end ? p + 2 : end;
        } else {
            break;
        }
    }
    return p;
}

// Runs every statement of one script; on failure fills `error` with
// "file:line: message" and returns false.
bool runScript(sqlite3* db, const fs::path& path, std::string& error) {
    std::string text;
    if (!readFile(path, text)) {
        error = path.string() + ": cannot read the file";
        return false;
    }
    const char* p = text.data();
    const char* end = text.data() + text.size();
    while (true) {
        p = skipBlanksAndComments(p, end);
        if (p >= end) return true;
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        const int line = lineOf(text, p);
        int rc = sqlite3_prepare_v2(db, p, static_cast<int>(end - p), &stmt, &tail);
        if (rc == SQLITE_OK && stmt != nullptr) {
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            }
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        if (rc != SQLITE_OK) {
            error = path.string() + ":" + std::to_string(line) + ": " + sqlite3_errmsg(db);
            sqlite3_finalize(stmt);
            return false;
        }
        sqlite3_finalize(stmt);
        if (tail == nullptr || tail <= p) return true;
        p = tail;
    }
}

bool exec(sqlite3* db, const char* sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
    error = std::string(sql) + ": " + (message != nullptr ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    return false;
}

bool build(const fs::path& temp, const std::vector<fs::path>& scripts, std::string& error) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(temp.string().c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    DbHandle db(raw);
    if (rc != SQLITE_OK) {
        error = temp.string() + ": " + (raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(rc));
        return false;
    }
    if (!exec(db.get(), "BEGIN", error)) return false;
    for (const fs::path& script : scripts) {
        if (!runScript(db.get(), script, error)) {
            std::string ignored;
            exec(db.get(), "ROLLBACK", ignored);
            return false;
        }
    }
    if (!exec(db.get(), "COMMIT", error)) return false;
    if (sqlite3_close(db.release()) != SQLITE_OK) {
        error = temp.string() + ": the database could not be closed";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: sql2db OUT.mdb IN1.sql [IN2.sql ...]\n";
        return 2;
    }
    const fs::path out = argv[1];
    const std::vector<fs::path> scripts(argv + 2, argv + argc);
    fs::path temp = out;
    temp += ".tmp";

    fs::path journal = temp;
    journal += "-journal";
    const auto discardTemp = [&] {
        std::error_code ignored;
        fs::remove(temp, ignored);
        fs::remove(journal, ignored);
    };

    discardTemp();
    std::string error;
    if (!build(temp, scripts, error)) {
        discardTemp();
        std::cerr << "sql2db: " << error << "\n";
        return 1;
    }
    std::error_code ec;
    fs::rename(temp, out, ec);
    if (ec) {
        const std::string reason = ec.message();
        discardTemp();
        std::cerr << "sql2db: cannot replace " << out.string() << ": " << reason << "\n";
        return 1;
    }
    return 0;
}
