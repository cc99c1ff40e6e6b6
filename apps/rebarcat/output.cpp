#include "output.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "win/utf8.h"

namespace rebarcat {

std::string utf8(const CString& text) {
    return WideToUtf8(std::wstring_view(text.GetString(), text.GetLength()));
}

void printRecord(const Record& record, std::ostream& out) {
    size_t width = 0;
    for (const auto& [key, value] : record) width = std::max(width, key.size());
    for (const auto& [key, value] : record)
        out << key << std::string(width - key.size() + 2, ' ') << value << "\n";
}

namespace {

// Width on a terminal: code points, not bytes.
size_t displayWidth(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

void printTable(const std::vector<TableRow>& rows, std::ostream& out) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(widths[c] - displayWidth(row[c]) + 2, ' ');
        }
        out << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
    }
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    quoted += escaped;
                } else {
                    quoted += static_cast<char>(c);
                }
        }
    }
    return quoted + "\"";
}

std::string jsonValue(const std::string& text) {
    if (text == "-") return "null";
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    bool number = !text.empty() && end == text.c_str() + text.size() &&
                  text.find_first_of("xXnN") == std::string::npos;
    return number ? text : jsonString(text);
}

void printJsonTable(const std::vector<TableRow>& rows, std::ostream& out) {
    out << "[";
    for (size_t r = 1; r < rows.size(); ++r) {
        out << (r > 1 ? ",\n " : "") << "{";
        for (size_t c = 0; c < rows[r].size() && c < rows[0].size(); ++c)
            out << (c ? ", " : "") << jsonString(rows[0][c]) << ": " << jsonValue(rows[r][c]);
        out << "}";
    }
    out << "]\n";
}

void printJsonRecord(const Record& record, std::ostream& out) {
    out << "{";
    for (size_t i = 0; i < record.size(); ++i)
        out << (i ? ", " : "") << jsonString(record[i].first) << ": "
            << jsonString(record[i].second);
    out << "}\n";
}

int checkNoMoreOptions(const Arguments& arguments, std::ostream& err) {
    if (!arguments.missingValue().empty()) {
        err << "rebarcat: option --" << arguments.missingValue() << " needs a value\n";
        return kUsage;
    }
    for (const std::string& word : arguments.rest()) {
        if (word.size() > 2 && word.rfind("--", 0) == 0) {
            err << "rebarcat: unknown option '" << word << "'\n";
            return kUsage;
        }
    }
    return kSuccess;
}

int checkNoMoreArguments(const Arguments& arguments, std::ostream& err) {
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (!arguments.rest().empty()) {
        err << "rebarcat: unexpected argument '" << arguments.rest().front() << "'\n";
        return kUsage;
    }
    return kSuccess;
}

}  // namespace rebarcat
