#include "session.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <utility>

#include "cad/dbopen.h"
#include "cad/hostservices.h"
#include "cad/hostsession.h"
#include "cli.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "vntl/varianttools.h"
#include "vntl/vnprojectsettings.h"
#include "vntl/vntlconfigtools.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/module.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

namespace fs = std::filesystem;

fs::path narrow(const CString& path) {
    return fs::path(utf8(path));
}

// Where a user's own data lives by the XDG base-directory rules: $XDG_DATA_HOME when it is an
// absolute path (the rules say to ignore a relative one), else ~/.local/share.
fs::path userDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') return data;
    if (const char* home = std::getenv("HOME"); home && home[0] != '\0')
        return fs::path(home) / ".local" / "share";
    const passwd* user = ::getpwuid(::getuid());
    return fs::path(user && user->pw_dir ? user->pw_dir : "/") / ".local" / "share";
}

}  // namespace

CString bundledCatalogPath() {
    wchar_t program[4096];
    DWORD length = GetModuleFileNameW(nullptr, program, 4096);
    std::wstring path(program, length);
    return CString((path.substr(0, path.find_last_of(L'/') + 1) + L"RebarCatalog.mdb").c_str());
}

CString userCatalogPath() {
    return wide((userDataFolder() / "rebarcat" / "RebarCatalog.mdb").string());
}

HostSession::HostSession(const std::optional<std::string>& catalogFile)
    : HostSession(catalogFile, Purpose::reading) {}

HostSession::HostSession(const std::optional<std::string>& catalogFile, Purpose purpose) {
    std::error_code error;
    if (purpose == Purpose::editing)
        prepareEditing(catalogFile);
    else if (catalogFile)
        m_catalogPath = wide(*catalogFile);
    else
        m_catalogPath =
            fs::exists(narrow(userCatalogPath()), error) ? userCatalogPath() : bundledCatalogPath();
    VNTLConfigTools::SetCatalogFile(L"Bars", m_catalogPath);
    VnProjectSettings::Register();
    cadhost::createDocument(L"rebarcat.dwg");
}

// The host forgets the drawing's catalogue caches before it closes the drawing: the next
// session's drawing may get the same address and would otherwise be served this catalogue's
// units. The lock is released after the drawing closes the catalogue, as the members go.
HostSession::~HostSession() {
    CVnRebarSteelGradeCatalog::clearMaps(nullptr);
    cadhost::reset();
}

void HostSession::prepareEditing(const std::optional<std::string>& catalogFile) {
    std::error_code error;
    m_catalogPath = catalogFile ? wide(*catalogFile) : userCatalogPath();
    const fs::path file = narrow(m_catalogPath);
    if (catalogFile && fs::equivalent(file, narrow(bundledCatalogPath()), error)) {
        m_problem = "the bundled catalogue " + file.string() +
                    " is never changed in place; leave out --catalog to edit your own copy";
        return;
    }
    if (!catalogFile && !fs::create_directories(file.parent_path(), error) && error) {
        m_problem = "cannot make the folder " + file.parent_path().string() +
                    " for your own copy of the catalogue: " + error.message();
        return;
    }
    // A file that is not there gets no lock file beside it; loading it fails and says so.
    if (catalogFile && !fs::exists(file, error)) return;
    m_lock = vntl::CatalogueLock::acquire(StdText(m_catalogPath));
    const std::string lockNote = utf8(CString(m_lock.note().c_str()));
    if (!m_lock.ok()) {
        m_problem = lockNote;
        return;
    }
    if (!lockNote.empty()) m_note = "rebarcat: note: " + lockNote + "\n";
    if (!catalogFile) makeUserCopy();
}

// Made under the lock, so two first edits at once make one copy; it appears whole, by a rename.
void HostSession::makeUserCopy() {
    const fs::path copy = narrow(m_catalogPath);
    std::error_code error;
    if (fs::exists(copy, error)) return;
    const fs::path part = copy.string() + ".copying";
    fs::copy_file(narrow(bundledCatalogPath()), part, fs::copy_options::overwrite_existing, error);
    // The bundled file may be installed read-only; the copy is the user's to change.
    using fs::perms;
    if (!error)
        fs::permissions(
            part, perms::owner_read | perms::owner_write | perms::group_read | perms::others_read,
            error);
    if (!error) fs::rename(part, copy, error);
    if (error) {
        std::error_code ignored;
        fs::remove(part, ignored);
        m_problem = "cannot make your own copy of the bundled catalogue at " + copy.string() +
                    ": " + error.message();
        return;
    }
    m_note +=
        "rebarcat: the bundled catalogue is never changed; this and later commands "
        "without --catalog use your own copy " +
        copy.string() + " (delete it to go back to the bundled catalogue)\n";
}

std::shared_ptr<VNTLMdbContainer> HostSession::container() const {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    AcDbObject* object = nullptr;
    if (acdbOpenAcDbObject(object, VNTLConfigTools::CatalogId(database, L"Bars"), AcDb::kForRead) !=
        Acad::eOk)
        return nullptr;
    return std::shared_ptr<VNTLMdbContainer>(VNTLMdbContainer::cast(object),
                                             [object](VNTLMdbContainer*) { object->close(); });
}

CString HostSession::catalogError() const {
    auto served = container();
    if (!served) return L"the drawing has no catalogue container";
    return served->getName().IsEmpty() ? served->getLastError() : CString();
}

int HostSession::check(std::ostream& err) const {
    err << std::exchange(m_note, std::string());
    if (!m_problem.empty()) {
        err << "rebarcat: " << m_problem << "\n";
        return kUsage;
    }
    CString error = catalogError();
    if (error.IsEmpty()) return kSuccess;
    err << "rebarcat: cannot read " << utf8(m_catalogPath) << ": " << utf8(error) << "\n";
    return kUsage;
}

int HostSession::save(CVnRebarSteelGradeCatalog& catalog, std::ostream& err) const {
    if (m_problem.empty() && catalog.SaveDatabase()) return kSuccess;
    auto served = container();
    const std::string reason = !m_problem.empty() ? m_problem
                               : served           ? utf8(served->getLastError())
                                        : std::string("the drawing has no catalogue container");
    err << "rebarcat: could not save " << utf8(m_catalogPath) << ": " << reason
        << "; the file was left as it was\n";
    return kUsage;
}

}  // namespace rebarcat
