#include "savecontenders.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "vntl/vntlconfigtools.h"

namespace bench {

namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

[[noreturn]] void failWith(const std::string& what) {
    throw std::runtime_error("plain SQLite copy: " + what);
}

Database open(const std::filesystem::path& file, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &raw, flags, nullptr);
    Database db(raw);
    if (rc != SQLITE_OK) failWith(raw ? sqlite3_errmsg(raw) : "out of memory");
    return db;
}

void flush(const std::filesystem::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) failWith("cannot open " + path.string() + ": " + std::strerror(errno));
    const int rc = ::fsync(fd);
    ::close(fd);
    if (rc != 0) failWith("cannot flush " + path.string() + ": " + std::strerror(errno));
}

void copyAll(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) failWith(sqlite3_errmsg(to));
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) failWith(sqlite3_errmsg(to));
}

}  // namespace

void backupIntoMemory(const std::filesystem::path& source) {
    Database from = open(source, SQLITE_OPEN_READONLY);
    Database to = open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    copyAll(from.get(), to.get());
}

void backupToNewFile(const std::filesystem::path& source, const std::filesystem::path& target,
                     SyncPolicy policy) {
    ::unlink(target.c_str());
    {
        Database from = open(source, SQLITE_OPEN_READONLY);
        Database to = open(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        if (policy == SyncPolicy::sameAsTheStore &&
            sqlite3_exec(to.get(), "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr,
                         nullptr, nullptr) != SQLITE_OK)
            failWith(sqlite3_errmsg(to.get()));
        copyAll(from.get(), to.get());
    }
    if (policy == SyncPolicy::sameAsTheStore) {
        flush(target, O_RDONLY);
        flush(target.parent_path(), O_RDONLY | O_DIRECTORY);
    }
}

SaveUnderTest::SaveUnderTest(const std::filesystem::path& file, const std::filesystem::path& copy,
                             const std::wstring& drawing)
    : m_path(copy.c_str()) {
    std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing);
    VNTLConfigTools::SetCatalogFile(L"Bars", m_path);
    m_document = cadhost::createDocument(drawing);
    m_module = std::make_unique<Probe>();
    if (m_module->GetDBPath().IsEmpty())
        throw std::runtime_error("the module could not open " + copy.string());
}

SaveUnderTest::~SaveUnderTest() {
    m_module.reset();  // closes the drawing's container before the host forgets the drawing
}

void SaveUnderTest::makeCurrent() const {
    cadhost::setCurrentDocument(m_document);
}

}  // namespace bench
