// Printing for rebarcat: aligned records and tables for people, JSON for programs.
#pragma once

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "cli.h"
#include "win/cstring.h"

namespace rebarcat {

using Record = std::vector<std::pair<std::string, std::string>>;

std::string utf8(const CString& text);
void printRecord(const Record& record, std::ostream& out);
void printJsonRecord(const Record& record, std::ostream& out);
std::string jsonString(const std::string& text);

using TableRow = std::vector<std::string>;
// Columns aligned on the widest cell, two blanks apart; the first row is the heading.
void printTable(const std::vector<TableRow>& rows, std::ostream& out);
// The same as a JSON array of objects keyed by the headings; numbers stay numbers and "-"
// (not given) becomes null.
void printJsonTable(const std::vector<TableRow>& rows, std::ostream& out);
std::string jsonValue(const std::string& text);
// A usage error for words left over after a command took its arguments.
int checkNoMoreArguments(const Arguments& arguments, std::ostream& err);
// A usage error for an option given without its value or an unknown "--option" left over;
// plain words may remain.
int checkNoMoreOptions(const Arguments& arguments, std::ostream& err);

}  // namespace rebarcat
