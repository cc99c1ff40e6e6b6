#include "vntl/fileowner.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "vntl/sqlitedb.h"

namespace vntl::fileowner {

namespace {

std::string groupName(gid_t group) {
    std::vector<char> buffer(16384);
    struct group entry {};
    struct group* found = nullptr;
    if (::getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->gr_name;
    return std::to_string(group);
}

// "rw-r-----": the permissions as ls shows them.
std::string permissions(mode_t mode) {
    const char letters[] = "rwx";
    std::string text;
    for (int bit = 8; bit >= 0; --bit) text += (mode >> bit) & 1 ? letters[2 - bit % 3] : '-';
    return text;
}

sqlite::Error refusal(const std::string& why) {
    return sqlite::Error(SQLITE_PERM, why);
}

}  // namespace

std::string userName(uid_t user) {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return std::to_string(user);
}

void checkWritable(const std::string& file, const struct stat& existing) {
    const bool writeBits = (existing.st_mode & 0222) != 0;
    if (writeBits && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0) return;
    const std::string system = writeBits ? ": " + sqlite::systemError(errno) : "";
    throw refusal("it is read-only for " + userName(::geteuid()) + " (" +
                  permissions(existing.st_mode) + ", owner " + userName(existing.st_uid) + system +
                  "); make it writable first if it is meant to change");
}

void keepOwnership(int fd, const struct stat& existing) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) throw refusal("cannot read the new file's owner");
    const bool sameOwners = made.st_uid == existing.st_uid && made.st_gid == existing.st_gid;
    if (!sameOwners && ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        const std::string saver = userName(::geteuid());
        if (made.st_uid != existing.st_uid) {
            throw refusal("it belongs to " + userName(existing.st_uid) + ", and a save by " +
                          saver + " would take it from them; only its owner can save it");
        }
        throw refusal("it belongs to the group " + groupName(existing.st_gid) + ", which " + saver +
                      " is not a member of; only a member can save it");
    }
    const mode_t mode = existing.st_mode & 07777;
    // File systems without permissions (FAT, some shares) refuse the change but give every
    // file the same mode anyway; only a mode that really differs is worth a refusal.
    if (::fchmod(fd, mode) == 0) return;
    const int errnum = errno;
    if (::fstat(fd, &made) != 0 || (made.st_mode & 07777) != mode)
        throw refusal("cannot give the new file the permissions of the old one (" +
                      permissions(mode) + "): " + sqlite::systemError(errnum));
}

}  // namespace vntl::fileowner
