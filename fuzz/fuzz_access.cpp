// Any file a user opens through the table store, above all the Access (.mdb, Jet) files that
// older catalogues come as: the bytes become a file, the store opens it and every table, column
// and row is read, and a few look-ups by value run. Nothing may crash, leak, read out of bounds
// or take undefined behaviour; a refused file says why, and what a table says of itself agrees.
//
// The store reads Access files in a child process, so that a reader crash costs the user a
// refusal, not the host: in that child a crash must end the child as it would in the host, not
// as a fuzzer finding. REBAR_FUZZ_ACCESS_INPROCESS=1 instead runs the Access reader in the
// fuzzer's own process, where its crashes, leaks and stalls are findings: the way to look for
// faults in the reader itself.
#include <pthread.h>
#include <sanitizer/common_interface_defs.h>
#include <signal.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzzsupport.h"
#include "vntl/accessimport.h"
#include "vntl/sqlitedb.h"
#include "vntl/tablestore.h"
#include "win/utf8.h"

namespace {

using fuzzsupport::require;

// Bounds that keep one execution short whatever the file declares.
constexpr std::size_t kMaxTables = 48;
constexpr int kMaxRows = 256;

bool g_inProcess = false;

void walk(vntl::TableStore& store) {
    std::vector<std::wstring> tables;
    require(store.tables(tables), "an open store lists its tables");
    require(!tables.empty(), "an open store has a table");
    for (std::size_t t = 0; t < tables.size() && t < kMaxTables; ++t) {
        const std::wstring& table = tables[t];
        std::vector<std::wstring> columns;
        int rows = 0, cols = 0;
        if (!store.columns(table, columns) || !store.counts(table, rows, cols)) continue;
        require(static_cast<std::size_t>(cols) == columns.size(),
                "the column count matches the column names");
        require(rows >= 0, "a row count is never negative");
        for (const std::wstring& column : columns) {
            std::vector<vntl::Cell> cells;
            if (store.column(table, column, cells))
                require(cells.size() == static_cast<std::size_t>(rows),
                        "a column has one cell per row");
        }
        for (int i = 0; i < std::min(rows, kMaxRows); ++i) {
            vntl::Row row;
            if (!store.row(table, i, row)) continue;
            require(row.size() <= columns.size(), "a row has no cells beyond the columns");
            if (i < 8 && !row.empty()) {
                const auto& [column, value] = *row.begin();
                vntl::Row found;
                const int index = store.findRow(table, column, value, found);
                // A cell is found again at its own row or an earlier one that matches it.
                require(index >= 0 && index <= i, "a cell is found again");
            }
        }
        vntl::Row outside;
        require(!store.row(table, rows, outside), "the row past the end is refused");
        require(!store.lastError().empty(), "a refusal says why");
        (void)store.findRow(table, L"no such column", vntl::Cell{std::wstring(L"x")}, outside);
    }
}

// In a child the store forks, a crash is the child's end as the host would see it: the default
// action of the signal, and a sanitizer report without the fuzzer's crash artifact.
void inForkedChild() {
    for (int signal : {SIGSEGV, SIGBUS, SIGABRT, SIGFPE, SIGILL}) ::signal(signal, SIG_DFL);
    __sanitizer_set_death_callback(nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::keepCrashReportsInMemory();
    const char* mode = std::getenv("REBAR_FUZZ_ACCESS_INPROCESS");
    g_inProcess = mode != nullptr && *mode == '1';
    if (!g_inProcess) pthread_atfork(nullptr, nullptr, inForkedChild);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = fuzzsupport::writeInput(data, size);
    if (g_inProcess) {
        try {
            vntl::sqlite::Database db = vntl::sqlite::Database::memory();
            vntl::access::importTables(path, db);
        } catch (const vntl::access::Error&) {
            // a refusal is an answer
        } catch (const vntl::sqlite::Error&) {
        }
        return 0;
    }
    vntl::TableStore store;
    if (store.open(Utf8ToWide(path))) {
        walk(store);
    } else {
        require(!store.lastError().empty(), "a refused file says why");
    }
    return 0;
}
