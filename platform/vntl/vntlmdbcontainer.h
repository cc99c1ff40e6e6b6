// The host's table container: a drawing-database object that holds one catalogue database as
// tables of rows and columns. Initialize loads a file into memory; every change stays there
// until SaveDatabase writes the whole database back atomically.
//
// Matching by value (getTableLine and deleteLine with a value): texts compare ignoring case,
// numbers compare exactly; a text never matches a number. Empty cells read as empty variants
// (VT_EMPTY), as empty texts from getColumnAsString and as 0 from the numeric column reads.
// Every operation answers false (or -1) on failure and says why through getLastError().
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
}

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
    bool SaveDatabase(unsigned long flags);

    // Why the last failing operation failed.
    CString getLastError() const;

private:
    std::unique_ptr<vntl::TableStore> m_store;
    CString m_lastError;
};
