// The Access reader run apart from the host. libmdb trusts the file it reads: on a damaged one
// it has been seen to loop for ever while it parses column properties, some of those loops
// allocating memory without end. A child process does the reading and hands the finished SQLite
// database back through a pipe; whatever becomes of the child, the host gets a database or a
// reason, and never waits longer than the time limit.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "vntl/accessimport.h"
#include "vntl/sqlitedb.h"

#if defined(__SANITIZE_ADDRESS__)
#define VNTL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VNTL_ADDRESS_SANITIZER 1
#endif
#endif

namespace vntl::access {

namespace {

[[noreturn]] void damaged(const std::string& what) {
    throw Error("the file is damaged (" + what + ")");
}

// The child answers with one frame: a tag, a length, then that many bytes. 'D' carries the
// serialised database, 'E' the reason the file cannot be read.
constexpr char kDatabase = 'D';
constexpr char kFailure = 'E';
constexpr std::size_t kFrameHeader = 1 + sizeof(std::uint64_t);

void writeAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) _exit(3);  // the parent went away; nobody is left to answer
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

void writeFrame(int fd, char tag, const void* data, std::uint64_t size) {
    std::array<char, kFrameHeader> header{};
    header[0] = tag;
    std::memcpy(header.data() + 1, &size, sizeof size);
    writeAll(fd, header.data(), header.size());
    writeAll(fd, data, size);
}

// A reader gone astray on a damaged file may ask for absurd amounts of memory; it gets a budget
// so that the machine's out-of-memory killer never has to choose, possibly our host, instead.
void limitMemory(unsigned long long fileSize) {
#ifndef VNTL_ADDRESS_SANITIZER  // the sanitiser reserves terabytes of address space up front
    unsigned long long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%llu", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    if (pages == 0) return;
    const unsigned long long used = pages * static_cast<unsigned long long>(sysconf(_SC_PAGESIZE));
    const rlim_t limit = used + (1ULL << 30) + 64 * fileSize;
    const rlimit budget{limit, limit};
    setrlimit(RLIMIT_AS, &budget);
#else
    (void)fileSize;
#endif
}

[[noreturn]] void runChild(const std::string& file, int out, unsigned long long fileSize) {
    signal(SIGPIPE, SIG_DFL);
    // libmdb reports what it stumbles over on standard error, and dumps pages on standard
    // output; neither belongs in the host's output, and the reason we send says it better.
    if (const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC); null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::close(null);
    }
    limitMemory(fileSize);
    // Texts must reach SQLite as UTF-8, whatever the user's own mdbtools setting asks for.
    ::setenv("MDBICONV", "UTF-8", 1);
    try {
        sqlite::Database memory = sqlite::Database::memory();
        importTables(file, memory);
        sqlite3_int64 size = 0;
        unsigned char* bytes = sqlite3_serialize(memory.handle(), "main", &size, 0);
        if (bytes == nullptr && size > 0) throw Error("out of memory");
        writeFrame(out, kDatabase, bytes, bytes == nullptr ? 0 : static_cast<std::uint64_t>(size));
        sqlite3_free(bytes);
    } catch (const std::exception& error) {
        const std::string reason = error.what();
        writeFrame(out, kFailure, reason.data(), reason.size());
    } catch (...) {
        const std::string reason = "the file is damaged (its reader failed)";
        writeFrame(out, kFailure, reason.data(), reason.size());
    }
    // _exit: nothing of the parent's (buffered output, destructors, leak checks) runs twice.
    _exit(0);
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) noexcept : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const noexcept { return fd_; }
    void reset() noexcept {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// The child, killed and reaped unless its end was collected: no path leaves a zombie behind.
class ChildProcess {
public:
    explicit ChildProcess(pid_t pid) noexcept : pid_(pid) {}
    ~ChildProcess() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        wait();
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    void kill() noexcept { ::kill(pid_, SIGKILL); }
    // The wait status; nullopt when it cannot be had (a host that ignores SIGCHLD reaps its
    // children itself).
    std::optional<int> wait() noexcept {
        int status = 0;
        pid_t got;
        do got = ::waitpid(pid_, &status, 0);
        while (got < 0 && errno == EINTR);
        pid_ = -1;
        if (got < 0) return std::nullopt;
        return status;
    }

private:
    pid_t pid_;
};

std::string seconds(std::chrono::milliseconds limit) {
    const auto count = static_cast<double>(limit.count()) / 1000.0;
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%g", count);
    return text.data();
}

// Everything the child writes until it closes its end, or nullopt when `limit` ran out first.
std::optional<std::string> readUntilClosed(int fd, std::chrono::milliseconds limit) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + limit;
    std::string received;
    std::array<char, 64 * 1024> buffer{};
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return std::nullopt;
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(
            &ready, 1, static_cast<int>(std::min<long long>(left.count() + 1, 60 * 60 * 1000)));
        if (polled < 0 && errno != EINTR)
            throw Error(std::string("its reader cannot be waited for: ") + std::strerror(errno));
        if (polled <= 0) continue;
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0)
            throw Error(std::string("its reader cannot be heard: ") + std::strerror(errno));
        if (got == 0) return received;
        received.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

std::string describeEnd(std::optional<int> status) {
    if (status && WIFSIGNALED(*status)) {
        const char* name = strsignal(WTERMSIG(*status));
        return std::string("its reader crashed: ") + (name != nullptr ? name : "signal");
    }
    if (status && WIFEXITED(*status) && WEXITSTATUS(*status) != 0)
        return "its reader failed with status " + std::to_string(WEXITSTATUS(*status));
    return "its reader stopped before it finished";
}

void loadSerialised(sqlite::Database& db, const char* bytes, std::uint64_t size) {
    if (size == 0) return;  // no user tables: an empty database
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(size));
    if (copy == nullptr) throw Error("out of memory");
    std::memcpy(copy, bytes, size);
    // SQLite owns the copy from here on, also when the call fails.
    const int rc =
        sqlite3_deserialize(db.handle(), "main", copy, static_cast<sqlite3_int64>(size),
                            static_cast<sqlite3_int64>(size),
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    if (rc != SQLITE_OK)
        throw Error(std::string("its tables cannot be taken over: ") + sqlite3_errstr(rc));
}

}  // namespace

std::chrono::milliseconds defaultTimeLimit(unsigned long long fileSize) {
    // Healthy files read at tens of megabytes a second; a second more per megabyte is ample.
    return std::chrono::seconds(20 + fileSize / 1'000'000);
}

void importTablesIsolated(const std::string& file, sqlite::Database& db,
                          std::optional<std::chrono::milliseconds> timeLimit) {
    struct stat facts {};
    const unsigned long long fileSize =
        ::stat(file.c_str(), &facts) == 0 ? static_cast<unsigned long long>(facts.st_size) : 0;
    const std::chrono::milliseconds limit = timeLimit.value_or(defaultTimeLimit(fileSize));
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        throw Error(std::string("no reader can be started: ") + std::strerror(errno));
    Descriptor readEnd(ends[0]), writeEnd(ends[1]);
    const pid_t pid = ::fork();
    if (pid < 0) throw Error(std::string("no reader can be started: ") + std::strerror(errno));
    if (pid == 0) {
        readEnd.reset();
        runChild(file, writeEnd.get(), fileSize);
    }
    ChildProcess child(pid);
    writeEnd.reset();  // so the read sees the end of the stream when the child is gone

    const std::optional<std::string> received = readUntilClosed(readEnd.get(), limit);
    if (!received) {
        child.kill();
        child.wait();
        damaged("its reader did not finish within " + seconds(limit) + " seconds");
    }
    const std::optional<int> status = child.wait();
    const bool exited = !status || (WIFEXITED(*status) && WEXITSTATUS(*status) == 0);
    std::uint64_t size = 0;
    if (received->size() >= kFrameHeader) std::memcpy(&size, received->data() + 1, sizeof size);
    if (!exited || received->size() < kFrameHeader || received->size() - kFrameHeader != size)
        damaged(describeEnd(status));
    const char* payload = received->data() + kFrameHeader;
    if ((*received)[0] == kFailure) throw Error(std::string(payload, size));
    if ((*received)[0] != kDatabase) damaged(describeEnd(status));
    loadSerialised(db, payload, size);
}

}  // namespace vntl::access
