#pragma once

// Opening a catalogue file for the table store: what kind of file it is, whether it is whole,
// and the reading of Access files. Private to the store.

#include <optional>
#include <string>
#include <vector>

namespace vntl::sqlite {
class Database;
}

namespace vntl::storefile {

// The failure of a store operation, with the reason the caller will show.
struct Failure {
    std::wstring reason;
};

[[noreturn]] void fail(std::wstring reason);
std::wstring inQuotes(const std::wstring& name);
std::wstring wide(const std::string& utf8);

enum class FileKind { catalogue, access };

// Refuses, with a reason a person can act on, anything that cannot be a whole catalogue
// database, before SQLite sees it; SQLite itself would take an empty file for a new database.
// Access files are recognised by their header and left to libmdb to judge.
FileKind inspectFile(const std::wstring& path, const std::string& file);

// Reads the Access file into the empty database `db`, in a helper process: a damaged file that
// crashes or stalls libmdb costs the user a refusal, never the host.
void importAccessFile(const std::wstring& path, const std::string& file, sqlite::Database& db);

// Fails unless the copy in memory reads back whole; it must before it replaces what is served.
void verifyContent(sqlite::Database& db, const std::wstring& path);

// Reads the catalogue file into a database in memory and fails unless its structure is whole.
// Sets `tables` to the user tables in creation order when the check listed them on the way.
sqlite::Database loadCatalogue(const std::wstring& path, const std::string& file,
                               std::optional<std::vector<std::wstring>>& tables);

}  // namespace vntl::storefile
