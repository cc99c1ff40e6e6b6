// An advisory lock on a catalogue file, so that programs which change one catalogue take turns.
//
// A save replaces the catalogue with a new file (a rename), so a lock on the catalogue itself
// would stay on the replaced file and protect nothing afterwards. The lock is therefore taken
// on "<file>.lock" beside the catalogue (beside the file a symbolic link leads to), an empty
// file that is made on first use and never removed: removing it could let two programs lock two
// different files of that name. It is a POSIX record lock (an open-file-description lock where
// the kernel has them), which network file systems that support locking share between machines.
//
// Only programs that take this lock wait for each other; the table container takes it for the
// moment of each save, editing commands from before they load until after they save. Within a
// process the lock is shared: taking it again while it is held succeeds at once.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace vntl {

class CatalogueLock {
public:
    // How long a program waits for another one to finish with a catalogue before giving up.
    static constexpr std::chrono::milliseconds kDefaultTimeout{30000};

    // Not held, no reason.
    CatalogueLock();
    ~CatalogueLock();
    CatalogueLock(CatalogueLock&&) noexcept;
    CatalogueLock& operator=(CatalogueLock&&) noexcept;
    CatalogueLock(const CatalogueLock&) = delete;
    CatalogueLock& operator=(const CatalogueLock&) = delete;

    // Takes the lock of the catalogue at `path` (which need not exist yet), waiting up to
    // `timeout` while another program holds it.
    static CatalogueLock acquire(const std::wstring& path,
                                 std::chrono::milliseconds timeout = kDefaultTimeout);

    // True when the lock is held, and also where the file system cannot lock at all (a share
    // without lock support): the caller goes ahead then, and note() says the lock is missing.
    [[nodiscard]] bool ok() const noexcept { return ok_; }
    [[nodiscard]] bool held() const noexcept { return holding_ != nullptr; }
    // Why the lock could not be taken (the file named), or what was missing although ok().
    [[nodiscard]] const std::wstring& note() const noexcept { return note_; }

    // The lock file of the catalogue at `path`.
    [[nodiscard]] static std::string lockFile(const std::wstring& path);

private:
    std::shared_ptr<void> holding_;  // the process's hold on the lock file, shared
    bool ok_ = false;
    std::wstring note_;
};

}  // namespace vntl
