// What the harnesses share: the input as a file on disk (the catalogue is read from files, never
// from memory) and the oracle that turns a failure the code absorbed into a crash the fuzzer
// can report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzsupport {

// Writes the input over this process's scratch file and returns its path. The file lives in
// /dev/shm when there is one, so an execution costs no disk writes; it is removed at exit.
// `extension` is kept on the name (".mdb"), as the host's file dialogs would.
const std::string& writeInput(const std::uint8_t* data, std::size_t size,
                              const char* extension = ".mdb");

// Builds a catalogue file at `path` from the input read as SQL text, so that a fuzzer explores
// what a well-formed file may hold rather than how a damaged one breaks. Statements run until
// the first error; what they built stays. Statements that reach outside the file (ATTACH,
// VACUUM INTO) are refused and long-running ones are cut short. False when no file was made.
bool buildFromSql(const std::uint8_t* data, std::size_t size, const std::string& path);

// Whether SQLite itself reads the schema of the database file at `path` (its first query parses
// every table's statement). Files SQLite does not hold in its rollback-journal form (an Access
// file, a write-ahead log) answer true: the store lets SQLite judge those itself.
bool sqliteReadsSchema(const std::string& path);

// Sends crash reports to memory only: a fuzzing run must not fill the user's crash log.
void keepCrashReportsInMemory();

// A guarded member absorbed an exception while the input was processed: that is a failure the
// user would see as a crash report, so it aborts with the report. Otherwise does nothing.
void abortOnCrashReport(const char* harness);

// Aborts with a message when `holds` is false: a property the harness checks failed.
void require(bool holds, const char* what);

}  // namespace fuzzsupport
