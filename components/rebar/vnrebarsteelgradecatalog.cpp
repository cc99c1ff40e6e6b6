#include "rebar/vnrebarsteelgradecatalog.h"

#include "rebar/host/cad.h"
#include "rebar/host/vntl.h"
#include "rebar/vnguard.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnrebarsteelgradecatalog.cpp"
#define GUARD(member) VN_GUARD_SITE(CVnRebarSteelGradeCatalog, member)

const wchar_t CVnRebarSteelGradeCatalog::BARS_CATALOG[] = L"Arrangements";
const wchar_t CVnRebarSteelGradeCatalog::c_szExt[] = L".mdb";
const double CVnRebarSteelGradeCatalog::m_dfPhiConstant = 1.0;

namespace {
const wchar_t kDefinition[] = L"Definition";
}

CVnRebarSteelGradeCatalog::CVnRebarSteelGradeCatalog() {
    rebar::guarded(GUARD(CVnRebarSteelGradeCatalog), [&] { OpenDrawingCatalog(nullptr); });
}

// Unlike the default constructor, this one runs without a guard: a failure to open reaches the
// caller, which knows what it wanted the catalogue for.
CVnRebarSteelGradeCatalog::CVnRebarSteelGradeCatalog(UsageCallback callback) {
    OpenDrawingCatalog(callback);
}

CVnRebarSteelGradeCatalog::CVnRebarSteelGradeCatalog(VNTLMdbContainer* container)
    : m_pMdbContainer(container), m_bOwnContainer(false) {}

CVnRebarSteelGradeCatalog::CVnRebarSteelGradeCatalog(const CVnRebarSteelGradeCatalog& other)
    : m_pfnUsageCallback(other.m_pfnUsageCallback),
      m_modifiedDiametersPool(other.m_modifiedDiametersPool),
      AreMillAndMaxStockLengthValid(other.AreMillAndMaxStockLengthValid),
      m_pMdbContainer(other.m_pMdbContainer),
      m_bOwnContainer(other.m_bOwnContainer),
      m_containerLease(other.m_containerLease) {}

CVnRebarSteelGradeCatalog& CVnRebarSteelGradeCatalog::operator=(
    const CVnRebarSteelGradeCatalog& other) {
    m_pfnUsageCallback = other.m_pfnUsageCallback;
    m_modifiedDiametersPool = other.m_modifiedDiametersPool;
    AreMillAndMaxStockLengthValid = other.AreMillAndMaxStockLengthValid;
    m_pMdbContainer = other.m_pMdbContainer;
    m_bOwnContainer = other.m_bOwnContainer;
    // Letting go of the lease closes the container this object opened before, when no
    // other copy still uses it.
    m_containerLease = other.m_containerLease;
    return *this;
}

CVnRebarSteelGradeCatalog::~CVnRebarSteelGradeCatalog() {
    m_containerLease.reset();
    m_pMdbContainer = nullptr;
}

void CVnRebarSteelGradeCatalog::OpenDrawingCatalog(UsageCallback callback) {
    m_pfnUsageCallback = callback;
    AreMillAndMaxStockLengthValid = true;
    m_bOwnContainer = true;
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    AcDbObjectId id = VNTLConfigTools::CatalogId(database, L"Bars");
    AcDbObject* object = nullptr;
    if (acdbOpenAcDbObject(object, id, AcDb::kForRead, VNTLMdbContainer::desc(), false) !=
        Acad::eOk) {
        m_pMdbContainer = nullptr;
        return;
    }
    m_pMdbContainer = VNTLMdbContainer::cast(object);
    m_containerLease.reset(m_pMdbContainer,
                           [](VNTLMdbContainer* container) { container->close(); });
}

CString CVnRebarSteelGradeCatalog::DefinitionText(const wchar_t* column) {
    CString result;
    CStringArray values;
    if (m_pMdbContainer && m_pMdbContainer->getColumnAsString(kDefinition, column, values) &&
        values.GetSize() == 1)
        result = values[0];
    return result;
}

CString CVnRebarSteelGradeCatalog::LastUpdate() {
    return rebar::guarded(GUARD(LastUpdate), [&] { return DefinitionText(L"Def_lastupdate"); });
}

CString CVnRebarSteelGradeCatalog::DefComment() {
    return rebar::guarded(GUARD(DefComment), [&] { return DefinitionText(L"Def_comment"); });
}

int CVnRebarSteelGradeCatalog::DefType() {
    return rebar::guarded(GUARD(DefType), [&] {
        CDWordArray values;
        if (!m_pMdbContainer ||
            !m_pMdbContainer->getColumnAsLong(kDefinition, L"Def_type", values) ||
            values.GetSize() != 1)
            return 0;  // no single definition record: no type to tell
        return static_cast<int>(values[0]);
    });
}

CString CVnRebarSteelGradeCatalog::EditorName() {
    return rebar::guarded(GUARD(EditorName), [&] { return DefinitionText(L"Def_editorname"); });
}

CString CVnRebarSteelGradeCatalog::Name() {
    return rebar::guarded(GUARD(Name), [&] { return DefinitionText(L"Def_name"); });
}

CString CVnRebarSteelGradeCatalog::Version() {
    return rebar::guarded(GUARD(Version), [&] { return DefinitionText(L"Def_version"); });
}

CString CVnRebarSteelGradeCatalog::GetTypeName() {
    return rebar::guarded(GUARD(GetTypeName), [&] { return Name(); });
}

bool CVnRebarSteelGradeCatalog::IsValidCatalog(CString typeName) const {
    return typeName.CompareNoCase(BARS_CATALOG) == 0;
}

bool CVnRebarSteelGradeCatalog::SetDBPath(CString path) {
    return rebar::guarded(GUARD(SetDBPath), [&] {
        if (!m_pMdbContainer || !m_pMdbContainer->Initialize(path)) return false;
        // The drawing's units pool follows the newly attached file. It is rebuilt when it is
        // next asked, so that attaching costs no more than reading the file; without a drawing
        // there is nowhere to keep that mark, and the pool is rebuilt at once. The hook rules
        // and the diameter names are marked for rereading by whoever attached the file.
        if (_PerDocMapsStruct* maps = getMapsStruct())
            maps->unitsFilled = false;
        else if (UnitsPool* units = getMapUnits())
            FillUnitsPool(*units);
        return true;
    });
}

CString CVnRebarSteelGradeCatalog::GetDBPath() const {
    return rebar::guarded(GUARD(GetDBPath),
                          [&] { return m_pMdbContainer ? m_pMdbContainer->getName() : CString(); });
}

bool CVnRebarSteelGradeCatalog::SaveDatabase() {
    return rebar::guarded(GUARD(SaveDatabase), [&] {
        return m_pMdbContainer != nullptr && m_pMdbContainer->SaveDatabase(0);
    });
}

void CVnRebarSteelGradeCatalog::UpdateStamp() {
    rebar::guarded(GUARD(UpdateStamp), [&] {
        UpdateDate();
        UpdateVersion();
    });
}

// Rewrites a definition field, only when the table holds the single definition record; the new
// value is made only then, so a refused stamp costs no clock reading and no GUID.
void CVnRebarSteelGradeCatalog::RewriteDefinition(
    const wchar_t* column, CString (CVnRebarSteelGradeCatalog::*makeValue)()) {
    CStringArray values;
    if (!m_pMdbContainer || !m_pMdbContainer->getColumnAsString(kDefinition, column, values) ||
        values.GetSize() != 1)
        return;
    values.SetAt(0, (this->*makeValue)());
    m_pMdbContainer->setColumnAsString(kDefinition, column, values);
}

void CVnRebarSteelGradeCatalog::UpdateDate() {
    rebar::guarded(GUARD(UpdateDate), [&] {
        RewriteDefinition(L"Def_lastupdate", &CVnRebarSteelGradeCatalog::createUpdateDateString);
    });
}

void CVnRebarSteelGradeCatalog::UpdateVersion() {
    rebar::guarded(GUARD(UpdateVersion), [&] {
        RewriteDefinition(L"Def_version", &CVnRebarSteelGradeCatalog::createNewVersionGUID);
    });
}

CString CVnRebarSteelGradeCatalog::createNewVersionGUID() {
    GUID guid;
    CoCreateGuid(&guid);
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

CString CVnRebarSteelGradeCatalog::createUpdateDateString() {
    return rebar::guarded(GUARD(createUpdateDateString), [&] {
        __time64_t now;
        _time64(&now);
        wchar_t text[12] = {};
        wcsftime(text, 12, L"%Y/%m/%d", _localtime64(&now));
        return CString(text);
    });
}
