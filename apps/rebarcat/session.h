// The host side of rebarcat: a drawing whose "Bars" catalogue is the file the user named (or
// the catalogue rebarcat reads by default), set up the way the CAD host sets up a drawing.
//
// Reading needs no lock: a save replaces the file with one rename, so a reader always sees one
// whole saved state. A command that changes the catalogue opens its session for editing: the
// session takes the catalogue's lock before the file is loaded and keeps it until the session
// ends, so two editing commands on one file take turns instead of losing one of the edits. An
// editing session never changes the bundled catalogue: without --catalog it edits the user's
// own copy, made on the first edit; readers without --catalog read that copy from then on.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "vntl/cataloguelock.h"
#include "win/cstring.h"

class VNTLMdbContainer;
class CVnRebarSteelGradeCatalog;

namespace rebarcat {

// The bundled catalogue installed beside the program.
CString bundledCatalogPath();
// The user's own copy of the bundled catalogue: $XDG_DATA_HOME/rebarcat/RebarCatalog.mdb,
// ~/.local/share/rebarcat/RebarCatalog.mdb when XDG_DATA_HOME is not set. It may not exist.
CString userCatalogPath();

class HostSession {
public:
    enum class Purpose { reading, editing };

    // Opens a drawing bound to `catalogFile` for reading; without one, to the user's own copy
    // of the bundled catalogue when there is one, else to the bundled catalogue.
    explicit HostSession(const std::optional<std::string>& catalogFile);
    // The same for `purpose`. For editing, the catalogue's lock is taken first (waiting up to
    // vntl::CatalogueLock::kDefaultTimeout for another program to finish); without
    // `catalogFile` the user's own copy is edited, made from the bundled catalogue when it does
    // not exist yet; naming the bundled catalogue itself is refused. check() tells the user
    // about any of it.
    HostSession(const std::optional<std::string>& catalogFile, Purpose purpose);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    const CString& catalogPath() const { return m_catalogPath; }
    // The drawing's catalogue container, opened for as long as the returned handle lives; for
    // the few things rebarcat reads below the catalogue (stored cells, the container's errors).
    std::shared_ptr<VNTLMdbContainer> container() const;
    // Empty when the drawing's catalogue container serves the file; else why it cannot.
    CString catalogError() const;
    // Says on `err` why the catalogue cannot be read or edited (no lock, the bundled catalogue
    // named for editing, no copy could be made) and returns the usage exit code; 0 when it
    // can. The first call also says on `err` that the user's own copy was just made.
    int check(std::ostream& err) const;
    // Writes the catalogue's changes to its file (through `catalog`, whose SaveDatabase the
    // container refuses when another program changed the file since it was loaded). Returns 0
    // when saved; otherwise says on `err` why, that the file was left as it was, and returns
    // the usage exit code.
    int save(CVnRebarSteelGradeCatalog& catalog, std::ostream& err) const;

private:
    void prepareEditing(const std::optional<std::string>& catalogFile);
    void makeUserCopy();

    CString m_catalogPath;
    vntl::CatalogueLock m_lock;  // held by editing sessions until they end
    std::string m_problem;       // why the session cannot edit; empty when it can
    mutable std::string m_note;  // said once by check()
};

}  // namespace rebarcat
