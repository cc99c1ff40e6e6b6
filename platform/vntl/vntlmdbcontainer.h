// The host's table container: a drawing-database object that holds one catalogue database as
// tables of rows and columns. Initialize loads a file into memory; every change stays there
// until SaveDatabase writes the whole database back atomically.
//
// Matching by value (getTableLine and deleteLine with a value): texts compare ignoring case,
// numbers compare exactly; a text never matches a number. Empty cells read as empty variants
// (VT_EMPTY), as empty texts from getColumnAsString and as 0 from the numeric column reads.
// Every operation answers false (or -1) on failure and says why through getLastError().
//
// The catalogue reads whole columns at every question and never keeps what it read, so the
// container keeps it instead: the table list, each table's column names and counts, and each
// column's cells, decoded once and kept until the content changes. Everything kept belongs to
// one revision of the store, which moves with every successful Initialize and every change of
// content, so a write through any path (or another file) is seen by the next read. Only
// successful reads are kept; a failing read asks the store again and reports what it says.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "cad/dbobject.h"
#include "win/arrays.h"
#include "win/cstring.h"
#include "win/strcoll.h"
#include "win/variant.h"

namespace vntl {
class TableStore;
class LoadedFile;
}  // namespace vntl

class VNTLMdbContainer : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(VNTLMdbContainer);

    using Row = std::map<CString, COleVariant>;

    VNTLMdbContainer();
    ~VNTLMdbContainer() override;

    // Serves the database file at `path`. On failure the container keeps serving what it
    // served before.
    bool Initialize(const CString& path);
    // The attached file's path; empty before a successful Initialize.
    CString getName() const;

    bool getTableList(CStringArray& tables);
    bool getTableFiends(const CString& table, CStringArray& columns);
    bool getTableLinesColumnsCount(const CString& table, int& rows, int& columns);

    bool getColumnAsString(const CString& table, const CString& column, CStringArray& values);
    bool getColumnAsDouble(const CString& table, const CString& column,
                           std::vector<double>& values);
    bool getColumnAsLong(const CString& table, const CString& column, CDWordArray& values);
    // Cell i of the column takes value i; the count must equal the table's row count.
    bool setColumnAsString(const CString& table, const CString& column, const CStringArray& values);

    bool getTableLine(const CString& table, int index, Row& row);
    // Index of the first row whose cell in `column` equals `value`, or -1; fills `row`.
    int getTableLine(const CString& table, const CString& column, const COleVariant& value,
                     Row& row);
    // Overwrites the named cells of the row; names that are no column of the table are ignored.
    bool setTableLine(const CString& table, int index, const Row& row);
    // Appends the row; columns it does not name stay empty. The key column must hold a value.
    bool addLine(const CString& table, const Row& row, const CString& keyColumn);
    // Removes every row whose cell in `column` equals `value`; false when none does.
    bool deleteLine(const CString& table, const CString& column, const COleVariant& value);

    // Writes the whole database to its file: a temporary file in the same folder, flushed,
    // then renamed over the file, so a failed or interrupted save leaves the previous file
    // intact. The flags are reserved (0).
    //
    // Refused, with the file left as it is and every edit kept in memory, when another program
    // changed or removed the file since it was loaded or last saved here (getLastError() says
    // what it holds now and who owns it; Initialize again to take those changes in), when the
    // file is read-only for the user, or when its owner or group could not be kept. The save
    // holds the catalogue's lock (see cataloguelock.h) for the moment it checks and writes.
    bool SaveDatabase(unsigned long flags);

    // Why the last failing operation failed.
    CString getLastError() const;

private:
    struct Cache;
    struct DecodedTable;
    struct DecodedColumn;
    struct RowLayout;
    struct MissedLookup;

    // What is kept for the store's current revision; emptied first when the revision moved.
    Cache& cache();
    DecodedTable* keptTable(const CString& table);
    DecodedTable& keptTableForFilling(const CString& table);
    const std::vector<CString>* columnNames(const CString& table);
    DecodedColumn* decodedColumn(const CString& table, const CString& column);
    const RowLayout* rowLayout(const CString& table);

    // Outcome of a call the store answered, and of one answered from what is kept.
    bool stored(bool ok);
    bool served();

    std::unique_ptr<vntl::TableStore> m_store;
    std::unique_ptr<vntl::LoadedFile> m_loadedFile;  // what the store's file was when loaded
    std::unique_ptr<Cache> m_cache;
    mutable CString m_lastError;
    // A by-value look-up answered -1 from kept cells: the store words the reason when asked.
    mutable std::unique_ptr<MissedLookup> m_missed;
};
