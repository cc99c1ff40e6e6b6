#include "messages.h"

#include <ostream>

#include "cli.h"
#include "output.h"

namespace rebarcat {

int familyNotFound(const CString& family, std::ostream& err) {
    err << "rebarcat: no family '" << utf8(family)
        << "' in the catalogue (see rebarcat families)\n";
    return kNotFound;
}

int barNotFound(const CString& family, const std::string& name, std::ostream& err) {
    err << "rebarcat: family '" << utf8(family) << "' has no bar named " << name
        << " (see rebarcat names)\n";
    return kNotFound;
}

int refuse(const Verdict& verdict, std::ostream& err) {
    err << "rebarcat: " << verdict.message << "; nothing was saved\n";
    return verdict.status;
}

int reject(const Verdict& verdict, std::ostream& err) {
    err << "rebarcat: " << verdict.message << "\n";
    return verdict.status == kRefused ? kUsage : verdict.status;
}

const char kEditingCatalogHelp[] =
    "Without --catalog the command edits your own copy of the bundled catalogue,\n"
    "$XDG_DATA_HOME/rebarcat/RebarCatalog.mdb (default ~/.local/share/rebarcat), made on the\n"
    "first edit; delete it to go back to the bundled catalogue, which is never changed.\n"
    "While another program changes the same catalogue the command waits for it, up to 30 s.\n";

}  // namespace rebarcat
