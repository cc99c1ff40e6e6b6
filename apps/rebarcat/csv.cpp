#include "csv.h"

#include <iterator>

namespace rebarcat {

namespace {

bool needsQuotes(const std::string& cell) {
    return cell.find_first_of(",\"\r\n") != std::string::npos ||
           (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
}

std::string quoted(const std::string& cell) {
    std::string text = "\"";
    for (char c : cell) text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

}  // namespace

std::string csvLine(const CsvRow& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i)
        line += (i ? "," : "") + (needsQuotes(cells[i]) ? quoted(cells[i]) : cells[i]);
    return line + "\n";
}

bool readCsv(std::istream& in, std::vector<CsvRecord>& rows, std::string& error) {
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Spreadsheets save "CSV UTF-8" with a byte-order mark; it is no part of the first heading.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    CsvRow row;
    std::string cell;
    bool inQuotes = false;
    size_t line = 1, start = 1;
    auto endRow = [&] {
        row.push_back(cell);
        cell.clear();
        if (row.size() > 1 || !row.front().empty()) rows.push_back({start, row});
        row.clear();
        start = line;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n') ++line;
        if (inQuotes) {
            if (c != '"')
                cell += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                cell += text[++i];
            else
                inQuotes = false;
        } else if (c == '"') {
            inQuotes = true;
        } else if (c == ',') {
            row.push_back(cell);
            cell.clear();
        } else if (c == '\n') {
            endRow();
        } else if (c != '\r') {
            cell += c;
        }
    }
    if (inQuotes) {
        error = "a quote opened before line " + std::to_string(line) + " is never closed";
        return false;
    }
    if (!cell.empty() || !row.empty()) endRow();
    return true;
}

}  // namespace rebarcat
