// Comma-separated values as spreadsheets write them: a cell holding a comma, a quote, a line
// break or blanks at either end is quoted, and a quote inside a quoted cell is doubled.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace rebarcat {

using CsvRow = std::vector<std::string>;

// One row read from a file, with the line it starts on.
struct CsvRecord {
    size_t line;
    CsvRow cells;
};

std::string csvLine(const CsvRow& cells);
// Reads every row of `in`, skipping blank lines; false (with the line where it went wrong)
// for a quote left open.
bool readCsv(std::istream& in, std::vector<CsvRecord>& rows, std::string& error);

}  // namespace rebarcat
