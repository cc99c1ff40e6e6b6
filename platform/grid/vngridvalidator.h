// The columns of a CVnGridCore and the check of what a person types into them: a text column
// takes texts of its characters up to its length, a choice column one of its entries, a unit
// column "-" or -1 (not given) or a number in its unit within its range. Columns are counted
// from 0, the first data column.
#pragma once

#include <memory>
#include <vector>

#include "grid/vngridcolumn.h"

class CVnGridValidator {
public:
    CVnGridValidator() = default;
    CVnGridValidator(const CVnGridValidator&) = delete;
    CVnGridValidator& operator=(const CVnGridValidator&) = delete;
    virtual ~CVnGridValidator() = default;

    // The descriptor of a column, or null when no column was added there.
    CVnGridColumn* GetGridColumn(int nCol) const;
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    // Appends a column and returns its number.
    int AddGridColumn(std::unique_ptr<CVnGridColumn> column);
    void RemoveAllColumns() { m_columns.clear(); }
    // Drops the descriptors of columns nFrom..nTo, as the grid drops those columns.
    void RemoveColumns(int nFrom, int nTo);

    // Whether the column accepts the text. Columns without a descriptor accept anything.
    virtual BOOL IsValid(int nCol, const CString& text) const;

private:
    std::vector<std::unique_ptr<CVnGridColumn>> m_columns;
};
