// The messages several rebarcat commands give alike, with their exit codes.
#pragma once

#include <iosfwd>
#include <string>

#include "barcheck.h"
#include "win/cstring.h"

namespace rebarcat {

int familyNotFound(const CString& family, std::ostream& err);
int barNotFound(const CString& family, const std::string& name, std::ostream& err);
// Says why a change was refused, and that nothing was saved; returns the verdict's exit code.
int refuse(const Verdict& verdict, std::ostream& err);
// Says why a value given to a reading command cannot be used; a value out of its limits is a
// usage error there, as nothing is being changed.
int reject(const Verdict& verdict, std::ostream& err);

// Which catalogue an editing command changes when no --catalog is given.
extern const char kEditingCatalogHelp[];

}  // namespace rebarcat
