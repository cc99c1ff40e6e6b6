// Printing for rebarcat: aligned records and tables for people, JSON for programs.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli.h"
#include "win/cstring.h"

namespace rebarcat {

std::string utf8(const CString& text);
CString wide(const std::string& text);

// One value as rebarcat prints it: not given, a yes/no answer, a number (with the unit text
// shows after it) or a text. Each command builds its answer from these once and prints it
// either way, so text and JSON never disagree.
class Value {
public:
    Value() = default;  // not given
    static Value number(std::optional<double> number, std::string unit = {});
    static Value text(std::string text);
    static Value boolean(bool flag);

    // "-" when not given, "yes"/"no", six significant digits (and the unit when asked), or
    // the text.
    std::string shown(bool withUnit = true) const;
    // null when not given or not finite, true/false, the shortest digits that read back as the
    // same double, or a JSON string.
    std::string json() const;
    // The unit of a number, empty for anything else.
    std::string unit() const { return m_kind == Kind::Number ? m_text : std::string(); }

private:
    enum class Kind { None, Boolean, Number, Text } m_kind = Kind::None;
    double m_number = 0.0;
    std::string m_text;  // the text, or the unit of a number
};

using Record = std::vector<std::pair<std::string, Value>>;
// Aligned "key  value" lines, or one JSON object whose keys are the camelCase of the keys,
// with a "units" object naming the unit of each number that has one.
void printRecord(const Record& record, bool json, std::ostream& out);
std::string jsonObject(const Record& record);

using TableRow = std::vector<std::string>;
// Columns aligned on the widest cell, two blanks apart; the first row is the heading.
void printTable(const std::vector<TableRow>& rows, std::ostream& out);

// Headings, an optional row of units under them, and rows of values.
struct Table {
    std::vector<std::string> headings;
    std::vector<std::string> units;  // empty: no unit row
    std::vector<std::vector<Value>> rows;
};
// Aligned text, or a JSON array of objects keyed by the camelCase of the headings.
void printTable(const Table& table, bool json, std::ostream& out);
std::string jsonArray(const Table& table);

// "min end leg" -> "minEndLeg": the one key style of rebarcat's JSON.
std::string jsonKey(const std::string& words);
std::string jsonString(const std::string& text);
// The shortest decimal text that reads back as the same double ("0.1", "1e+300").
std::string shortestNumber(double value);
// A value converted between units, rounded to 15 significant digits so that the last-digit
// noise of the conversion does not show (19.05 mm is 0.75 in, not 0.7500000000000001 in).
double withoutConversionNoise(double value);
// Up to six significant digits, no trailing zeros: what the published tables print.
std::string formatNumber(double value);

// A usage error for words left over after a command took its arguments.
int checkNoMoreArguments(const Arguments& arguments, std::ostream& err);
// A usage error for an option given without its value, a repeated option or an unknown
// "--option" left over; plain words may remain.
int checkNoMoreOptions(const Arguments& arguments, std::ostream& err);

}  // namespace rebarcat
