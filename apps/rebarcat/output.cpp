#include "output.h"

#include <algorithm>
#include <cstdio>
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

void printJsonRecord(const Record& record, std::ostream& out) {
    out << "{";
    for (size_t i = 0; i < record.size(); ++i)
        out << (i ? ", " : "") << jsonString(record[i].first) << ": "
            << jsonString(record[i].second);
    out << "}\n";
}

int checkNoMoreArguments(const Arguments& arguments, std::ostream& err) {
    if (!arguments.missingValue().empty()) {
        err << "rebarcat: option --" << arguments.missingValue() << " needs a value\n";
        return kUsage;
    }
    if (!arguments.rest().empty()) {
        err << "rebarcat: unexpected argument '" << arguments.rest().front() << "'\n";
        return kUsage;
    }
    return kSuccess;
}

}  // namespace rebarcat
