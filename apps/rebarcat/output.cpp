#include "output.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "win/utf8.h"

namespace rebarcat {

std::string utf8(const CString& text) {
    return WideToUtf8(std::wstring_view(text.GetString(), text.GetLength()));
}

CString wide(const std::string& text) {
    return CString(Utf8ToWide(text).c_str());
}

Value Value::number(std::optional<double> number, std::string unit) {
    Value value;
    if (!number || std::isnan(*number)) return value;  // NaN is no value at all
    value.m_kind = Kind::Number;
    value.m_number = *number;
    value.m_text = std::move(unit);
    return value;
}

Value Value::text(std::string text) {
    Value value;
    value.m_kind = Kind::Text;
    value.m_text = std::move(text);
    return value;
}

Value Value::boolean(bool flag) {
    Value value;
    value.m_kind = Kind::Boolean;
    value.m_number = flag ? 1.0 : 0.0;
    return value;
}

std::string Value::shown(bool withUnit) const {
    switch (m_kind) {
        case Kind::None:
            return "-";
        case Kind::Boolean:
            return m_number != 0.0 ? "yes" : "no";
        case Kind::Number:
            return formatNumber(m_number) + (withUnit && !m_text.empty() ? " " + m_text : "");
        case Kind::Text:
            break;
    }
    return m_text;
}

std::string Value::json() const {
    switch (m_kind) {
        case Kind::None:
            return "null";
        case Kind::Boolean:
            return m_number != 0.0 ? "true" : "false";
        case Kind::Number:
            // JSON has no infinity; an infinite stored value is as unusable as a missing one.
            return std::isfinite(m_number) ? shortestNumber(m_number) : "null";
        case Kind::Text:
            break;
    }
    return jsonString(m_text);
}

void printRecord(const Record& record, bool json, std::ostream& out) {
    if (json) {
        Record units;
        for (const auto& [key, value] : record)
            if (!value.unit().empty()) units.emplace_back(key, Value::text(value.unit()));
        std::string object = jsonObject(record);
        if (!units.empty()) object.insert(object.size() - 1, ", \"units\": " + jsonObject(units));
        out << object << "\n";
        return;
    }
    size_t width = 0;
    for (const auto& [key, value] : record) width = std::max(width, key.size());
    for (const auto& [key, value] : record)
        out << key << std::string(width - key.size() + 2, ' ') << value.shown() << "\n";
}

std::string jsonObject(const Record& record) {
    std::string json = "{";
    for (size_t i = 0; i < record.size(); ++i)
        json +=
            (i ? ", " : "") + jsonString(jsonKey(record[i].first)) + ": " + record[i].second.json();
    return json + "}";
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

std::string jsonArray(const Table& table) {
    std::string json = "[";
    for (size_t r = 0; r < table.rows.size(); ++r) {
        Record record;
        for (size_t c = 0; c < table.rows[r].size() && c < table.headings.size(); ++c)
            record.emplace_back(table.headings[c], table.rows[r][c]);
        json += (r ? ",\n " : "") + jsonObject(record);
    }
    return json + "]";
}

void printTable(const Table& table, bool json, std::ostream& out) {
    if (json) {
        out << jsonArray(table) << "\n";
        return;
    }
    std::vector<TableRow> rows = {table.headings};
    if (!table.units.empty()) rows.push_back(table.units);
    for (const auto& values : table.rows) {
        TableRow row;
        for (const Value& value : values) row.push_back(value.shown(false));
        rows.push_back(row);
    }
    printTable(rows, out);
}

std::string jsonKey(const std::string& words) {
    std::string key;
    bool upper = false;
    for (char c : words) {
        if (c == ' ' || c == '-') {
            upper = !key.empty();
            continue;
        }
        key += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        upper = false;
    }
    return key;
}

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

std::string shortestNumber(double value) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

double withoutConversionNoise(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return std::strtod(text, nullptr);
}

std::string formatNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

int checkNoMoreOptions(const Arguments& arguments, std::ostream& err) {
    std::string problem = arguments.problem();
    if (problem.empty()) return kSuccess;
    err << "rebarcat: " << problem << "\n";
    return kUsage;
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
