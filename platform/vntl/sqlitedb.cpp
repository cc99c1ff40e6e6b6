#include "vntl/sqlitedb.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>

#include "vntl/fileowner.h"

namespace vntl::sqlite {

int check(int rc, sqlite3* db) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return rc;
    // The connection's message is only meaningful when it describes this very code.
    std::string message = sqlite3_errstr(rc);
    if (db != nullptr && sqlite3_errcode(db) == rc) message = sqlite3_errmsg(db);
    // For file trouble the operating system's word ("File too large") says more than SQLite's.
    const int primary = rc & 0xFF;
    const int errnum = db != nullptr ? sqlite3_system_errno(db) : 0;
    if (errnum != 0 && (primary == SQLITE_IOERR || primary == SQLITE_FULL ||
                        primary == SQLITE_CANTOPEN || primary == SQLITE_READONLY)) {
        message += " (" + systemError(errnum) + ")";
    }
    throw Error(rc, message);
}

std::string systemError(int errnum) {
    char buffer[256] = {};
    return strerror_r(errnum, buffer, sizeof buffer);  // the GNU variant returns the text
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isScalarValue(char32_t c) {
    return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
}

void appendUtf8(std::string& out, char32_t c) {
    if (!isScalarValue(c)) c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one sequence at `i` and advances past it; a malformed sequence yields U+FFFD and
// consumes a single byte so decoding resynchronises on the next one.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + extra >= s.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(s[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || !isScalarValue(c)) {
        ++i;
        return kReplacement;
    }
    i += extra + 1;
    return c;
}

}  // namespace

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) appendUtf8(out, static_cast<char32_t>(c));
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) out += static_cast<wchar_t>(decodeUtf8(text, i));
    return out;
}

std::string quoteIdentifier(std::wstring_view name) {
    std::string quoted = "\"";
    for (char c : toUtf8(name)) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
    sqlite3_stmt* raw = nullptr;
    const int rc =
        sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size() + 1), &raw, nullptr);
    stmt_.reset(raw);
    check(rc, db);
    if (raw == nullptr) throw Error(SQLITE_MISUSE, "empty SQL statement");
}

void Statement::bindNull(int index) {
    check(sqlite3_bind_null(stmt_.get(), index), db_);
}

void Statement::bind(int index, long long value) {
    check(sqlite3_bind_int64(stmt_.get(), index, value), db_);
}

void Statement::bind(int index, double value) {
    check(sqlite3_bind_double(stmt_.get(), index, value), db_);
}

void Statement::bind(int index, std::wstring_view value) {
    const std::string utf8 = toUtf8(value);
    check(sqlite3_bind_text64(stmt_.get(), index, utf8.data(), utf8.size(), SQLITE_TRANSIENT,
                              SQLITE_UTF8),
          db_);
}

bool Statement::step() {
    return check(sqlite3_step(stmt_.get()), db_) == SQLITE_ROW;
}

void Statement::reset() noexcept {
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
}

int Statement::columnType(int index) const noexcept {
    return sqlite3_column_type(stmt_.get(), index);
}

long long Statement::columnInt64(int index) const noexcept {
    return sqlite3_column_int64(stmt_.get(), index);
}

double Statement::columnDouble(int index) const noexcept {
    return sqlite3_column_double(stmt_.get(), index);
}

std::wstring Statement::columnText(int index) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_.get(), index));
    const int size = sqlite3_column_bytes(stmt_.get(), index);
    if (text == nullptr) return {};
    return fromUtf8(std::string_view(text, static_cast<std::size_t>(size)));
}

Database Database::memory() {
    return file(":memory:", SQLITE_OPEN_READWRITE);
}

Database Database::file(const std::string& path, int flags) {
    // This SQLite honours "file:" URIs in every open; a relative file whose name starts that
    // way is made explicit so it is taken as a plain path.
    const std::string name = path.rfind("file:", 0) == 0 ? "./" + path : path;
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(name.c_str(), &raw, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    Database db(raw);  // owns the handle even when the open failed
    if (raw == nullptr) throw Error(SQLITE_NOMEM, "out of memory opening a database");
    check(rc, raw);
    return db;
}

void Database::exec(const std::string& sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, &message);
    const std::string text = message != nullptr ? message : "";
    sqlite3_free(message);
    if (rc != SQLITE_OK) throw Error(rc, text.empty() ? sqlite3_errstr(rc) : text);
}

Statement Database::prepare(const std::string& sql) {
    return Statement(db_.get(), sql);
}

Statement& Database::statement(const std::string& sql) {
    auto found = cache_.find(sql);
    if (found == cache_.end()) found = cache_.emplace(sql, Statement(db_.get(), sql)).first;
    return found->second;
}

void Database::copyFrom(Database& source) {
    sqlite3_backup* backup = sqlite3_backup_init(db_.get(), "main", source.db_.get(), "main");
    if (backup == nullptr) check(sqlite3_errcode(db_.get()), db_.get());
    if (backup == nullptr) throw Error(SQLITE_ERROR, "cannot start copying the database");
    const int stepped = sqlite3_backup_step(backup, -1);
    // finish reports the first error of the copy and releases it either way.
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE && stepped != SQLITE_OK) {
        // A failure while reading the source is reported by the source connection.
        sqlite3* reporter =
            sqlite3_errcode(source.db_.get()) == stepped ? source.db_.get() : db_.get();
        check(stepped, reporter);
    }
    check(finished, db_.get());
}

namespace {

Error fileError(const std::string& what, int errnum) {
    return Error(SQLITE_IOERR, what + ": " + systemError(errnum));
}

// Memory from SQLite's allocator, which a deserialised database takes over.
struct SqliteFree {
    void operator()(unsigned char* data) const noexcept { sqlite3_free(data); }
};
using SqliteBuffer = std::unique_ptr<unsigned char, SqliteFree>;

SqliteBuffer readWhole(const std::string& path, sqlite3_int64& size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw fileError("cannot open the file", errno);
    struct stat status {};
    SqliteBuffer data;
    sqlite3_int64 done = 0;
    int errnum = ::fstat(fd, &status) == 0 ? 0 : errno;
    if (errnum == 0) {
        size = status.st_size;
        data.reset(static_cast<unsigned char*>(sqlite3_malloc64(size > 0 ? size : 1)));
        errnum = data ? 0 : ENOMEM;
    }
    while (errnum == 0 && done < size) {
        const ssize_t got = ::read(fd, data.get() + done, static_cast<std::size_t>(size - done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) errnum = got < 0 ? errno : EIO;  // the file shrank while it was read
        done += got > 0 ? got : 0;
    }
    ::close(fd);
    if (errnum != 0) throw fileError("cannot read the file", errnum);
    return data;
}

// Writes every byte, whatever the kernel takes at a time.
void writeWhole(int fd, std::span<const unsigned char> bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(fd, bytes.data(), bytes.size());
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) throw fileError("cannot write the new file", wrote < 0 ? errno : EIO);
        bytes = bytes.subspan(static_cast<std::size_t>(wrote));
    }
}

// A file made beside the target that removes itself unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pattern) : path_(std::move(pattern)) {
        fd_ = mkstemp(path_.data());
        if (fd_ < 0) throw fileError("cannot create a file in its folder", errno);
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    [[nodiscard]] const std::string& path() const noexcept { return path_; }
    [[nodiscard]] int fd() const noexcept { return fd_; }
    void close() {
        const int fd = std::exchange(fd_, -1);
        // Some file systems report a failed write only here.
        if (::close(fd) != 0) throw fileError("cannot finish writing", errno);
    }
    void keep() noexcept { kept_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw fileError("the file was replaced, but its folder cannot be flushed", errno);
    const int rc = ::fsync(fd);
    const int errnum = errno;
    ::close(fd);
    // Some file systems cannot flush a folder at all; the rename is as safe as they allow.
    if (rc != 0 && errnum != EINVAL && errnum != ENOTSUP)
        throw fileError("the file was replaced, but its folder cannot be flushed", errnum);
}

// The temporary file of a save is named after the catalogue, the machine and the process:
// "<file>.saving-<host>-<pid>-XXXXXX". A save killed before its rename leaves it behind; the
// name lets a later save recognise it as abandoned and remove it.
std::string temporaryPrefix(const std::string& fileName) {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
    return fileName + ".saving-" + host + "-";
}

// Removes the temporary files left beside the catalogue by saves on this machine whose process
// is gone. Files of live processes (a save under way elsewhere) and of other machines sharing
// the folder are left alone, as is anything that does not parse.
void removeAbandonedSaves(const std::filesystem::path& folder, const std::string& prefix) {
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos || dash > 9) continue;
        if (rest.substr(0, dash).find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(std::string(rest.substr(0, dash))));
        if (pid <= 0 || pid == ::getpid()) continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
}

}  // namespace

Database Database::snapshot(const std::string& path) {
    Database source = file(path, SQLITE_OPEN_READONLY);
    sqlite3_busy_timeout(source.handle(), 2000);  // another program may be writing
    // Reading the schema version takes the shared lock without parsing the schema.
    source.exec("BEGIN; PRAGMA schema_version");
    sqlite3_int64 size = 0;
    SqliteBuffer data = readWhole(path, size);
    source.exec("COMMIT");
    Database copy = memory();
    const unsigned flags = SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE;
    // The database owns the buffer from here on, even when it refuses it.
    check(sqlite3_deserialize(copy.handle(), "main", data.release(), size, size, flags),
          copy.handle());
    return copy;
}

std::span<const unsigned char> Database::image() const noexcept {
    sqlite3_int64 size = 0;
    const unsigned char* data =
        sqlite3_serialize(db_.get(), "main", &size, SQLITE_SERIALIZE_NOCOPY);
    if (data == nullptr || size <= 0) return {};
    return {data, static_cast<std::size_t>(size)};
}

void saveAtomically(Database& source, const std::string& path) {
    namespace fs = std::filesystem;
    fs::path target(path);
    std::error_code ignored;
    if (fs::is_symlink(target, ignored)) {
        fs::path resolved = fs::canonical(target, ignored);
        if (!resolved.empty()) target = resolved;
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing) fileowner::checkWritable(target.string(), existing);
    const std::string prefix = temporaryPrefix(target.filename().string());
    removeAbandonedSaves(folder, prefix);
    TemporaryFile temp((folder / (prefix + std::to_string(::getpid()) + "-XXXXXX")).string());

    // The new file takes the place of the old one with its owner, group and permissions
    // (mkstemp makes it the saver's and private); a new catalogue is readable by all.
    if (replacing) {
        fileowner::keepOwnership(temp.fd(), existing);
    } else if (::fchmod(temp.fd(), 0644) != 0) {
        // Not worth failing a save over: the content is what matters.
    }
    if (const auto image = source.image(); !image.empty()) {
        // A database held as its file's bytes is written as they are, in one go.
        writeWhole(temp.fd(), image);
    } else {
        // No journal and no syncs: the temporary file has no previous state worth protecting;
        // it is flushed once, as a whole, below.
        Database out = Database::file(temp.path(), SQLITE_OPEN_READWRITE);
        out.exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF");
        out.copyFrom(source);
    }
    if (::fsync(temp.fd()) != 0) throw fileError("cannot flush the new file to disk", errno);
    temp.close();
    if (::rename(temp.path().c_str(), target.c_str()) != 0)
        throw fileError("cannot replace the file", errno);
    temp.keep();
    syncFolder(folder.string());
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.exec("BEGIN");
}

Transaction::~Transaction() {
    if (done_) return;
    // Rolling back cannot usefully fail here; the connection stays usable either way.
    sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    db_.exec("COMMIT");
    done_ = true;
}

}  // namespace vntl::sqlite
