// Who may replace a catalogue file, and what the file that replaces it keeps of the old one.
// Private to the table store's saving.
#pragma once

#include <sys/stat.h>

#include <string>

namespace vntl::fileowner {

// The user's login name, or the number when the system knows no name for it.
std::string userName(uid_t user);

// Raises sqlite::Error unless the user may replace the file that `existing` describes: a file
// whose mode has no write bit is refused even to an administrator, whom the system would let
// write anything, because someone made it read-only on purpose.
void checkWritable(const std::string& file, const struct stat& existing);

// Gives the new file open as `fd` the owner, group and mode of the file it replaces. Raises
// sqlite::Error when the owner or the group cannot be kept (only an administrator may give a
// file away): saving would take another user's catalogue from them, or hand it to a group.
void keepOwnership(int fd, const struct stat& existing);

}  // namespace vntl::fileowner
