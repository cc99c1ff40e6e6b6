#pragma once

// The storage engine behind the catalogue's table container: a catalogue file (an SQLite
// database) loaded whole into memory, read and edited as named tables of rows and columns, and
// written back to its file atomically on request.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace vntl {

// One cell. monostate is an empty cell (SQL NULL); INTEGER cells read as long long, REAL cells
// as double, TEXT cells as text. BLOB cells are not part of a catalogue and read as empty.
using Cell = std::variant<std::monostate, long long, double, std::wstring>;
// A row, keyed by column name.
using Row = std::map<std::wstring, Cell>;

// Every member reports failure as false (or -1) and leaves the reason in lastError(); nothing
// throws and no failure loses data already loaded. Outputs are replaced only on success.
//
// Table and column names match ignoring case in every script, as texts do. Rows are addressed by their index in row-id order, which is the order the
// catalogue sees everywhere, so cells of two columns of a table pair up by index.
//
// Value matching (findRow, deleteRows): texts compare ignoring case, for all scripts; numbers
// compare exactly, an integer matching a real of equal value; a text never matches a number;
// an empty value matches empty cells.
//
// One thread at a time: the store is an object of the host's document, never shared.
class TableStore {
public:
    TableStore();
    ~TableStore();
    TableStore(TableStore&&) noexcept;
    TableStore& operator=(TableStore&&) noexcept;
    TableStore(const TableStore&) = delete;
    TableStore& operator=(const TableStore&) = delete;

    // Loads the catalogue file at `path` into memory; the file is not kept open. Refuses
    // anything that is not a sound catalogue database (missing, a folder, empty, another file
    // type, damaged, no tables), in which case what was loaded before stays. A genuine Access
    // file is read as well (see accessimport.h), in a helper process so a damaged one cannot
    // bring the caller down; it stays read-only.
    [[nodiscard]] bool open(const std::wstring& path);
    // Writes the whole database over its file: all or nothing, the previous file stays intact
    // on any failure. Refused for an Access file, which is never written.
    [[nodiscard]] bool save();

    // The path given to the last successful open(); empty before.
    [[nodiscard]] const std::wstring& path() const noexcept { return path_; }
    // Why the last call failed; empty after a call that succeeded.
    [[nodiscard]] const std::wstring& lastError() const noexcept { return lastError_; }
    // Changes with every successful open and every change of content, so a caller may keep
    // decoded columns and drop them when it moves.
    [[nodiscard]] std::uint64_t revision() const noexcept { return revision_; }

    // User tables in creation order.
    [[nodiscard]] bool tables(std::vector<std::wstring>& out);
    // Column names in declared order.
    [[nodiscard]] bool columns(const std::wstring& table, std::vector<std::wstring>& out);
    [[nodiscard]] bool counts(const std::wstring& table, int& rows, int& cols);
    // Every cell of the column, in row order.
    [[nodiscard]] bool column(const std::wstring& table, const std::wstring& col,
                              std::vector<Cell>& out);
    // Cell i of the column takes values[i]; a count other than the row count changes nothing.
    [[nodiscard]] bool setColumn(const std::wstring& table, const std::wstring& col,
                                 const std::vector<Cell>& values);
    // Every cell of row `index`; empty cells are present as monostate.
    [[nodiscard]] bool row(const std::wstring& table, int index, Row& out);
    // Index of the first row whose cell in `col` matches `value`, its cells in `out`; or -1.
    [[nodiscard]] int findRow(const std::wstring& table, const std::wstring& col, const Cell& value,
                              Row& out);
    // Overwrites the cells of row `index` named in `values`; names of no column are ignored.
    [[nodiscard]] bool setRow(const std::wstring& table, int index, const Row& values);
    // Appends a row; absent columns are empty. Refuses a row whose `keyColumn` cell is empty.
    [[nodiscard]] bool addRow(const std::wstring& table, const Row& values,
                              const std::wstring& keyColumn);
    // Removes every row whose cell in `col` matches `value`; false when none did.
    [[nodiscard]] bool deleteRows(const std::wstring& table, const std::wstring& col,
                                  const Cell& value);

    // Writes the whole database as a catalogue file at `path`, all or nothing, replacing any
    // file there; the store then belongs to that file, so save() writes there too. This is how
    // an Access file becomes a catalogue file; writing over the Access file itself is refused.
    [[nodiscard]] bool saveAs(const std::wstring& path);

private:
    struct Impl;
    template <typename Body>
    bool guarded(Body&& body) noexcept;
    Impl& impl();

    std::unique_ptr<Impl> impl_;
    std::wstring path_;
    std::wstring lastError_;
    std::uint64_t revision_ = 0;
};

}  // namespace vntl
