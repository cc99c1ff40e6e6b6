#include "vntl/loadedfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iterator>

#include "vntl/cataloguelock.h"
#include "vntl/fileowner.h"
#include "vntl/sqlitedb.h"

namespace vntl {

namespace {

// "it now holds version {…} of 2024/05/02; ": the definition record the file holds now, when it
// holds exactly one; a file that is no catalogue any more says nothing.
std::wstring definitionNow(const std::string& file) {
    try {
        sqlite::Database db = sqlite::Database::file(file, SQLITE_OPEN_READONLY);
        sqlite::Statement row =
            db.prepare(R"(SELECT "Def_version", "Def_lastupdate" FROM "Definition" LIMIT 2)");
        if (!row.step()) return {};
        const std::wstring text =
            L"it now holds version " + row.columnText(0) + L" of " + row.columnText(1) + L"; ";
        return row.step() ? std::wstring() : text;
    } catch (const sqlite::Error&) {
        return {};
    }
}

std::wstring localTime(const timespec& time) {
    std::tm parts{};
    char text[32] = {};
    if (!::localtime_r(&time.tv_sec, &parts) ||
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts) == 0)
        return L"an unknown time";
    return sqlite::fromUtf8(text);
}

}  // namespace

LoadedFile::LoadedFile(const std::wstring& path) : path_(path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(sqlite::toUtf8(path), error);
    file_ = error ? sqlite::toUtf8(path) : absolute.string();
    identity_ = identify(file_);
}

bool LoadedFile::Identity::operator==(const Identity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           changeCounter == other.changeCounter && database == other.database;
}

std::optional<LoadedFile::Identity> LoadedFile::identify(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    unsigned char header[28] = {};
    const bool known = ::fstat(fd, &status) == 0;
    // A file too short for a database header reads as zeros: no database, counter zero.
    if (known && ::pread(fd, header, sizeof header, 0) != sizeof header)
        std::fill(std::begin(header), std::end(header), 0);
    ::close(fd);
    if (!known) return std::nullopt;
    const unsigned char* counter = header + 24;
    const std::uint32_t changeCounter = (std::uint32_t{counter[0]} << 24) |
                                        (std::uint32_t{counter[1]} << 16) |
                                        (std::uint32_t{counter[2]} << 8) | counter[3];
    const bool database = std::memcmp(header, "SQLite format 3", 16) == 0;
    return Identity{status.st_dev,  status.st_ino, status.st_size,
                    status.st_mtim, changeCounter, database};
}

std::wstring LoadedFile::change() const {
    const std::wstring catalogue = L"the catalogue \"" + path_ + L"\"";
    struct stat now {};
    if (::stat(file_.c_str(), &now) != 0) {
        return catalogue +
               L" no longer exists: it was removed or renamed since it was loaded; nothing was "
               L"saved, so that it does not come back behind the back of whoever removed it";
    }
    const std::optional<Identity> current = identify(file_);
    if (identity_ && current && *identity_ == *current) return {};
    return catalogue + L" was changed by another program since it was loaded (" +
           definitionNow(file_) + L"the file was written " + localTime(now.st_mtim) +
           L" and belongs to " + sqlite::fromUtf8(fileowner::userName(now.st_uid)) +
           L"); nothing was saved: load it again and repeat the changes";
}

bool LoadedFile::save(const std::function<bool()>& write, std::wstring& refusal) {
    // A file of another kind (an Access file) is never written: the store refuses it, and no
    // lock file is left beside it for nothing.
    refusal.clear();
    if (identity_ && !identity_->database) return write();
    // A file already changed or removed is refused at once, without waiting for the lock (or
    // leaving a lock file beside a catalogue that is gone); the look that counts comes under it.
    if (!(refusal = change()).empty()) return false;
    const CatalogueLock lock = CatalogueLock::acquire(path_);
    refusal = lock.ok() ? change() : lock.note();
    if (!refusal.empty() || !write()) return false;
    // Under the lock no other save can come between the rename and this look.
    identity_ = identify(file_);
    return true;
}

}  // namespace vntl
