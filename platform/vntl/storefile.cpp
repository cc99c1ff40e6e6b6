#include "vntl/storefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "vntl/accessimport.h"
#include "vntl/pagecheck.h"
#include "vntl/schemacheck.h"
#include "vntl/sqlitedb.h"

namespace vntl::storefile {

[[noreturn]] void fail(std::wstring reason) {
    throw Failure{std::move(reason)};
}

std::wstring inQuotes(const std::wstring& name) {
    return L"\"" + name + L"\"";
}

std::wstring wide(const std::string& utf8) {
    return sqlite::fromUtf8(utf8);
}

namespace {

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

}  // namespace

FileKind inspectFile(const std::wstring& path, const std::string& file) {
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
    if (header.has(4, "Standard Jet DB"sv) || header.has(4, "Standard ACE DB"sv))
        return FileKind::access;
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
    return FileKind::catalogue;
}

void importAccessFile(const std::wstring& path, const std::string& file, sqlite::Database& db) {
    try {
        access::importTablesIsolated(file, db);
    } catch (const access::Error& error) {
        fail(L"cannot read the Access file " + inQuotes(path) + L": " + wide(error.what()));
    }
}

void verifyContent(sqlite::Database& db, const std::wstring& path) {
    auto check = db.prepare("PRAGMA quick_check(1)");
    std::wstring verdict = check.step() ? check.columnText(0) : L"no verdict";
    if (verdict == L"ok") return;
    const std::wstring banner = L"*** in database main ***\n";  // says nothing to a person
    if (verdict.rfind(banner, 0) == 0) verdict.erase(0, banner.size());
    fail(L"the catalogue " + inQuotes(path) + L" is damaged (" + verdict + L")");
}

sqlite::Database loadCatalogue(const std::wstring& path, const std::string& file,
                               std::optional<std::vector<std::wstring>>& tables) {
    sqlite::Database snapshot = sqlite::Database::snapshot(file);
    schemacheck::Judge statements;
    pagecheck::Result check = pagecheck::checkImage(
        snapshot.image(), [&](const pagecheck::SchemaRow& row) { statements.add(row); });
    if (check.verdict == pagecheck::Verdict::damaged)
        fail(L"the catalogue " + inQuotes(path) + L" is damaged (" + check.reason + L")");
    if (check.verdict == pagecheck::Verdict::sound) {
        // The statements that make the tables must read as SQL too: SQLite parses them all at
        // the first query, and a garbled one would make every query fail from then on. Where
        // the quick check is unsure, SQLite parses them now.
        if (!statements.surelyLoads(check.schemaFormat)) {
            try {
                snapshot.exec("SELECT 1 FROM sqlite_master LIMIT 1");
            } catch (const sqlite::Error& error) {
                fail(L"the catalogue " + inQuotes(path) + L" is damaged (" + wide(error.what()) +
                     L")");
            }
        }
        tables = std::move(check.tables);
        return snapshot;
    }
    // A layout the walk does not know (a write-ahead log may even hold part of the content):
    // SQLite copies the database itself and checks the copy.
    sqlite::Database memory = sqlite::Database::memory();
    {
        sqlite::Database source = sqlite::Database::file(file, SQLITE_OPEN_READONLY);
        sqlite3_busy_timeout(source.handle(), 2000);  // another program may be writing
        memory.copyFrom(source);
    }
    verifyContent(memory, path);
    return memory;
}

}  // namespace vntl::storefile
