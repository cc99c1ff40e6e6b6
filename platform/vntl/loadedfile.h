// The catalogue file a table container serves, as it was on disk when the container loaded it
// or last saved it. The container saves over the file only while it is still that file, so
// that edits another program saved meanwhile are never lost: it tells a file replaced by
// another save (a new file), written in place (a new size, modification time to the nanosecond
// the file system keeps, or change counter in the database header, which every writing
// transaction moves even within one tick of the file system's clock) and removed.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vntl {

class LoadedFile {
public:
    // Notes what the file at `path` is now. Taken before the file is read, so that a change
    // while it is read counts as a change.
    explicit LoadedFile(const std::wstring& path);

    // Under the catalogue's lock, and only while the file is still the one noted, saves through
    // `write` (which reports its own failure) and notes the file it made. Otherwise nothing is
    // written and `refusal` says why: the file changed or was removed (a removed file is not
    // made again behind the back of whoever removed it), or the lock cannot be taken.
    bool save(const std::function<bool()>& write, std::wstring& refusal);

private:
    struct Identity {
        dev_t device;
        ino_t inode;
        off_t size;
        timespec modified;
        std::uint32_t changeCounter;
        bool database;  // an SQLite database, which is what a save writes

        bool operator==(const Identity&) const;
    };

    static std::optional<Identity> identify(const std::string& file);
    // Why the file is no longer the one noted, in words for the user; empty when it is.
    std::wstring change() const;

    std::wstring path_;
    std::string file_;  // absolute: a later change of working folder must not redirect the check
    std::optional<Identity> identity_;
};

}  // namespace vntl
