#pragma once

// Reading genuine Access databases (Jet 3, Jet 4 and ACE files) into the table store. Users hold
// catalogues in that format; we read them through libmdb, never write them, and serve their
// tables from the same in-memory SQLite database as our own catalogue files.
//
// What a table becomes: one SQLite table of the same name, its columns in their declared order,
// its rows in the file's order. Texts, memos and replication ids are TEXT (UTF-8); Byte, Integer,
// Long Integer and Yes/No columns are INTEGER (Yes/No as 0/1), so whole numbers stay exact;
// Single, Double, Currency and Decimal columns are REAL: a Double or Currency value from its
// stored bits (libmdb's text of it is rounded), a Single as the shortest decimal that reads back
// as it (0.1, as Access shows it), a Decimal from its full text. Dates are TEXT
// "YYYY-MM-DD HH:MM:SS" ("YYYY-MM-DD" for a column formatted as a short date). Empty cells, and
// every cell of a binary, OLE or attachment column, are SQL NULL. The system tables (MSys...)
// are left out. A file whose rows cannot all be read is refused, never served in part.

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>

namespace vntl::sqlite {
class Database;
}

namespace vntl::access {

// Why an Access file cannot be read, in words for a person (UTF-8), phrased to follow
// "cannot read the Access file X: ".
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How long a reader may take before the file is taken for damaged: generous for a healthy file
// of any size a catalogue reaches, short enough that a looping reader does not stall the user.
std::chrono::milliseconds defaultTimeLimit(unsigned long long fileSize);

// Copies every user table of the Access file `file` (a UTF-8 path) into `db`, which must be
// empty; raises Error when the file cannot be read, leaving `db` unchanged. libmdb runs in this
// process, so a damaged file may crash or stall it: use importTablesIsolated for files from
// users.
void importTables(const std::string& file, sqlite::Database& db);

// The same, with libmdb in a child process that hands the finished database back: a crash, an
// exhausted memory limit or a run past `limit` (by default defaultTimeLimit of the file's size)
// in the reader becomes an Error that says the file is damaged, and this process carries on
// untouched.
void importTablesIsolated(const std::string& file, sqlite::Database& db,
                          std::optional<std::chrono::milliseconds> limit = std::nullopt);

}  // namespace vntl::access
