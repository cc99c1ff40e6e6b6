#include "vntl/vntlconfigtools.h"

#include <map>
#include <string>

#include "cad/hostsession.h"
#include "vntl/vntlmdbcontainer.h"

namespace {

std::map<std::wstring, CString>& catalogFiles() {
    static std::map<std::wstring, CString> files;
    return files;
}

std::unique_ptr<AcDbObject> createContainer(AcDbDatabase&, const std::wstring& key) {
    auto file = catalogFiles().find(key);
    if (file == catalogFiles().end()) return nullptr;
    auto container = std::make_unique<VNTLMdbContainer>();
    container->Initialize(file->second);
    return container;
}

}  // namespace

AcDbObjectId VNTLConfigTools::CatalogId(AcDbDatabase* database, const wchar_t* key) {
    AcDbObjectId id;
    if (!database || !key || cadhost::lookupConfigObject(database, key, id) != Acad::eOk)
        return AcDbObjectId::kNull;
    return id;
}

void VNTLConfigTools::SetCatalogFile(const wchar_t* key, const CString& path) {
    if (!key) return;
    catalogFiles()[key] = path;
    cadhost::setCatalogFactory(createContainer);
}

CString VNTLConfigTools::GetCatalogFile(const wchar_t* key) {
    auto file = key ? catalogFiles().find(key) : catalogFiles().end();
    return file == catalogFiles().end() ? CString() : file->second;
}
