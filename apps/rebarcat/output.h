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
// A usage error for words left over after a command took its arguments.
int checkNoMoreArguments(const Arguments& arguments, std::ostream& err);

}  // namespace rebarcat
