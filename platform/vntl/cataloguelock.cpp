#include "vntl/cataloguelock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "vntl/sqlitedb.h"

namespace vntl {

namespace {

std::wstring quoted(const std::string& file) {
    return L"\"" + sqlite::fromUtf8(file) + L"\"";
}

std::wstring duration(std::chrono::milliseconds time) {
    if (time.count() % 1000 == 0) return std::to_wstring(time.count() / 1000) + L" s";
    return std::to_wstring(time.count()) + L" ms";
}

// The answers of a file system that keeps no locks, as opposed to a lock held by someone else.
bool cannotLock(int errnum) {
    return errnum == ENOLCK || errnum == EOPNOTSUPP || errnum == ENOSYS || errnum == EINVAL;
}

// Opens the lock file, making it when it is missing. A new one may be locked by whoever may
// write the catalogue, so that a colleague who shares the catalogue is not locked out by the
// file another user made.
int openLockFile(const std::string& file, const std::string& catalogue) {
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) return ::open(file.c_str(), O_RDWR | O_CLOEXEC);
    struct stat status {};
    if (fd >= 0 && ::stat(catalogue.c_str(), &status) == 0) {
        const mode_t writers = status.st_mode & 0222;
        if (::fchown(fd, static_cast<uid_t>(-1), status.st_gid) != 0) {
            // Not a member of the catalogue's group: its members rely on the "other" bits.
        }
        if (::fchmod(fd, 0600 | writers | (writers << 1)) != 0) {
            // The file is ours and usable; only others may find it closed to them.
        }
    }
    return fd;
}

// Locks the whole file for writing, polling until `deadline`: a wait with a time limit without
// signals, which a library must not take over from its host. Returns 0 or the errno value.
int lockBefore(int fd, std::chrono::steady_clock::time_point deadline) {
    using namespace std::chrono_literals;
#ifdef F_OFD_SETLK
    int command = F_OFD_SETLK;  // belongs to this open file, not to the whole process
#else
    int command = F_SETLK;
#endif
    std::chrono::milliseconds pause = 1ms;
    for (;;) {
        struct flock region {};
        region.l_type = F_WRLCK;
        region.l_whence = SEEK_SET;
        if (::fcntl(fd, command, &region) == 0) return 0;
        const int errnum = errno;
        if (errnum == EINVAL && command != F_SETLK) {
            command = F_SETLK;  // a kernel without open-file-description locks
            continue;
        }
        if (errnum == EINTR) continue;
        if (errnum != EAGAIN && errnum != EACCES) return errnum;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return EAGAIN;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(10));
    }
}

// One lock file held by this process, shared by every CatalogueLock taken on it; closing the
// descriptor releases the lock.
class Holding {
public:
    explicit Holding(int fd) : fd_(fd) {}
    ~Holding() { ::close(fd_); }
    Holding(const Holding&) = delete;
    Holding& operator=(const Holding&) = delete;

private:
    int fd_;
};

struct Registry {
    std::mutex mutex;
    std::map<std::string, std::weak_ptr<Holding>> held;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

}  // namespace

CatalogueLock::CatalogueLock() = default;
CatalogueLock::~CatalogueLock() = default;
CatalogueLock::CatalogueLock(CatalogueLock&&) noexcept = default;
CatalogueLock& CatalogueLock::operator=(CatalogueLock&&) noexcept = default;

std::string CatalogueLock::lockFile(const std::wstring& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path file = fs::absolute(fs::path(sqlite::toUtf8(path)), error);
    fs::path resolved = fs::weakly_canonical(file, error);
    if (!error) file = resolved;
    return file.string() + ".lock";
}

CatalogueLock CatalogueLock::acquire(const std::wstring& path, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    CatalogueLock lock;
    const std::string file = lockFile(path);
    Registry& shared = registry();
    std::lock_guard guard(shared.mutex);
    std::weak_ptr<Holding>& entry = shared.held[file];
    if (std::shared_ptr<Holding> held = entry.lock()) {
        lock.holding_ = std::move(held);
        lock.ok_ = true;
        return lock;
    }
    const std::wstring catalogue = L"the catalogue \"" + path + L"\"";
    const auto cannotTake = [&](int errnum) {
        return L"cannot take the lock " + quoted(file) + L" of " + catalogue + L": " +
               sqlite::fromUtf8(sqlite::systemError(errnum));
    };
    const int fd = openLockFile(file, file.substr(0, file.size() - 5));
    if (fd < 0) {
        lock.note_ = cannotTake(errno);
        return lock;
    }
    auto holding = std::make_shared<Holding>(fd);
    const int errnum = lockBefore(fd, deadline);
    if (errnum == 0) {
        lock.holding_ = holding;
        entry = holding;
        lock.ok_ = true;
    } else if (cannotLock(errnum)) {
        lock.ok_ = true;
        lock.note_ = L"the folder of " + catalogue + L" cannot lock files (" +
                     sqlite::fromUtf8(sqlite::systemError(errnum)) +
                     L"): programs changing it at the same time are not kept apart";
    } else if (errnum == EAGAIN) {
        lock.note_ = catalogue + L" is being changed by another program: its lock " + quoted(file) +
                     L" was still taken after " + duration(timeout) +
                     L"; try again when that program has finished";
    } else {
        lock.note_ = cannotTake(errnum);
    }
    return lock;
}

}  // namespace vntl
