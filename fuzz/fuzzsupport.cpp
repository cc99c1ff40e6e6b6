#include "fuzzsupport.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vntl/vncrashhandler.h"
#include "win/utf8.h"

namespace fuzzsupport {

namespace {

std::string scratchFolder() {
    struct stat status {};
    if (::stat("/dev/shm", &status) == 0 && S_ISDIR(status.st_mode) &&
        ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

std::string& scratchPath() {
    static std::string path;
    return path;
}

void removeScratch() {
    if (!scratchPath().empty()) ::unlink(scratchPath().c_str());
}

}  // namespace

const std::string& writeInput(const std::uint8_t* data, std::size_t size, const char* extension) {
    std::string& path = scratchPath();
    if (path.empty()) {
        path = scratchFolder() + "/rebar-fuzz-" + std::to_string(::getpid()) + extension;
        std::atexit(removeScratch);
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::perror(path.c_str());
        std::abort();  // the harness cannot work at all; better loud than silently idle
    }
    for (std::size_t done = 0; done < size;) {
        const ssize_t wrote = ::write(fd, data + done, size - done);
        if (wrote <= 0) {
            std::perror(path.c_str());
            std::abort();
        }
        done += static_cast<std::size_t>(wrote);
    }
    ::close(fd);
    return path;
}

namespace {

// Only the file being built may be written: no other database is attached.
int authorize(void*, int action, const char*, const char*, const char*, const char*) {
    return action == SQLITE_ATTACH || action == SQLITE_DETACH ? SQLITE_DENY : SQLITE_OK;
}

// A statement that runs this many virtual-machine steps (a recursive query, a huge blob) is cut
// short: one execution must stay well under a second.
int progress(void* steps) {
    return ++*static_cast<int*>(steps) > 200 ? 1 : 0;
}

}  // namespace

bool sqliteReadsSchema(const std::string& path) {
    char header[20] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return true;
    const std::size_t read = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    if (read < sizeof header || std::memcmp(header, "SQLite format 3", 16) != 0) return true;
    if (header[18] != 1 || header[19] != 1) return true;
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const bool reads =
        opened == SQLITE_OK && sqlite3_exec(db, "SELECT 1 FROM sqlite_master LIMIT 1", nullptr,
                                            nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return reads;
}

bool buildFromSql(const std::uint8_t* data, std::size_t size, const std::string& path) {
    std::string sql(reinterpret_cast<const char*>(data), size);
    // VACUUM INTO writes a file of the input's choosing.
    std::string lower = sql;
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (lower.find("vacuum") != std::string::npos) return false;
    ::unlink(path.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 100000);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_set_authorizer(db, authorize, nullptr);
    int steps = 0;
    sqlite3_progress_handler(db, 1000, progress, &steps);
    sqlite3_exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr,
                 nullptr);
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    return sqlite3_close(db) == SQLITE_OK;
}

void keepCrashReportsInMemory() {
    CVnCrashHandler::setLogPath("");
}

void abortOnCrashReport(const char* harness) {
    const auto& reports = CVnCrashHandler::reports();
    if (reports.empty()) return;
    const CVnCrashReport& report = reports.front();
    std::fprintf(stderr, "%s: a guarded call absorbed a failure at %s:%d: %s\n", harness,
                 WideToUtf8(report.sourceFile).c_str(), report.line,
                 WideToUtf8(report.what).c_str());
    for (const auto& entry : report.trace)
        std::fprintf(stderr, "    in %s\n", WideToUtf8(entry).c_str());
    std::abort();
}

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

}  // namespace fuzzsupport
