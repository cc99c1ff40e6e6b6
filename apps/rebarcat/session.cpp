#include "session.h"

#include <ostream>

#include "cad/dbopen.h"
#include "cad/hostservices.h"
#include "cad/hostsession.h"
#include "cli.h"
#include "output.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "vntl/vnprojectsettings.h"
#include "vntl/vntlconfigtools.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/module.h"
#include "win/utf8.h"

namespace rebarcat {

CString bundledCatalogPath() {
    wchar_t program[4096];
    DWORD length = GetModuleFileNameW(nullptr, program, 4096);
    std::wstring path(program, length);
    return CString((path.substr(0, path.find_last_of(L'/') + 1) + L"RebarCatalog.mdb").c_str());
}

HostSession::HostSession(const std::optional<std::string>& catalogFile)
    : m_catalogPath(catalogFile ? CString(Utf8ToWide(*catalogFile).c_str())
                                : bundledCatalogPath()) {
    VNTLConfigTools::SetCatalogFile(L"Bars", m_catalogPath);
    VnProjectSettings::Register();
    cadhost::createDocument(L"rebarcat.dwg");
}

HostSession::~HostSession() {
    cadhost::reset();
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
    CString error = catalogError();
    if (error.IsEmpty()) return kSuccess;
    err << "rebarcat: cannot read " << utf8(m_catalogPath) << ": " << utf8(error) << "\n";
    return kUsage;
}

}  // namespace rebarcat
