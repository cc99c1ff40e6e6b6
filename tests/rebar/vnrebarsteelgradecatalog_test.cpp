#include "rebar/vnrebarsteelgradecatalog.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <stdexcept>

#include "catalogfixture.h"

namespace {

// Exposes the stamping that editing operations run after every accepted change.
class StampingCatalog : public CVnRebarSteelGradeCatalog {
public:
    using CVnRebarSteelGradeCatalog::CVnRebarSteelGradeCatalog;
    using CVnRebarSteelGradeCatalog::UpdateStamp;
};

class Catalog : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        m_document = openDrawing("catalog.sql", "Bars.mdb");
        m_file = m_folder / "Bars.mdb";
    }

    AcDbObjectId barsId() {
        return VNTLConfigTools::CatalogId(cadhost::document(m_document)->database(), L"Bars");
    }

    std::filesystem::path m_file;
    cadhost::DocumentId m_document;
};

bool isBracedGuid(const CString& text) {
    static const std::wregex guid(
        L"\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}");
    return std::regex_match(std::wstring(text), guid);
}

}  // namespace

// What the guards write to the trace (option bit 0) while `body` runs.
std::string traceOf(const std::function<void()>& body) {
    const int options = DebugLogOption;
    DebugLogOption = 1;
    testing::internal::CaptureStderr();
    body();
    DebugLogOption = options;
    return testing::internal::GetCapturedStderr();
}

TEST_F(Catalog, CallbackConstructorOpensTheDrawingsCatalogueUnguarded) {
    const std::string constructorEntry = "CVnRebarSteelGradeCatalog::CVnRebarSteelGradeCatalog";
    EXPECT_NE(traceOf([] { CVnRebarSteelGradeCatalog catalog; }).find(constructorEntry),
              std::string::npos);
    std::string trace = traceOf([] {
        CVnRebarSteelGradeCatalog catalog(&nothingInUse);
        EXPECT_EQ(catalog.DefType(), 7);
        EXPECT_FALSE(cadhost::allObjectsClosed());
    });
    EXPECT_EQ(trace.find(constructorEntry), std::string::npos) << trace;
    EXPECT_TRUE(cadhost::allObjectsClosed());
}

// Fails in the host's answers and in the members the catalogue calls through its virtual
// table, so that a member guarded in each of its source files meets a failure.
class FailingCatalog : public CVnRebarSteelGradeCatalog {
public:
    using CVnRebarSteelGradeCatalog::CVnRebarSteelGradeCatalog;
    CString Name() override { throw std::runtime_error("name"); }
    bool FindSteelgradeFamily(const wchar_t*) override { throw std::runtime_error("family"); }
    bool GetSteelgradeFamilies(CStringList&, CString) override { throw std::runtime_error("list"); }
    static std::vector<bool> usage(std::wstring, std::vector<std::wstring>) {
        throw std::runtime_error("usage");
    }
};

TEST_F(Catalog, CrashReportsNameTheSourceFileOfTheFailingMember) {
    auto hooks = m_folder / "Hooks.mdb";
    testsupport::buildDatabaseFromFile(hooks, fixture("hooks_tables.sql"));
    const std::pair<std::function<void(FailingCatalog&)>, std::wstring> cases[] = {
        {[](FailingCatalog& c) { c.GetTypeName(); }, L"vnrebarsteelgradecatalog.cpp"},
        {[](FailingCatalog& c) {
             CStringList names;
             c.GetFamilySteelgrade(names, L"FE500 HA");
         },
         L"vnrebarsteelgradecatalog_queries.cpp"},
        {[](FailingCatalog& c) { c.RemoveSteelgradeIfUnused(L"12", L"FE500 HA", nullptr); },
         L"vnrebarsteelgradecatalog_editing.cpp"},
        {[&](FailingCatalog& c) {
             double length = 0;
             ASSERT_TRUE(c.SetDBPath(CString(hooks.c_str())));
             c.getDefaultHookLength(L"ISO 4066", L"S1", L"10", length, 1.0);
         },
         L"vnrebarsteelgradecatalog_hooks.cpp"},
    };
    CVnCrashHandler::setLogPath("");
    for (const auto& [call, file] : cases) {
        CVnCrashHandler::clearReports();
        FailingCatalog catalog(&FailingCatalog::usage);
        call(catalog);
        ASSERT_FALSE(CVnCrashHandler::reports().empty()) << WideToUtf8(file.c_str());
        EXPECT_EQ(CVnCrashHandler::reports().front().sourceFile, L"components\\rebar\\" + file);
    }
    CVnCrashHandler::clearReports();
}

TEST_F(Catalog, WithoutAContainerEverythingAnswersEmptyOrFalse) {
    CVnRebarSteelGradeCatalog given(static_cast<VNTLMdbContainer*>(nullptr));
    cadhost::setCurrentDocument({});
    CVnRebarSteelGradeCatalog noDrawing;
    for (CVnRebarSteelGradeCatalog* catalog : {&given, &noDrawing}) {
        EXPECT_TRUE(catalog->Version().IsEmpty());
        EXPECT_TRUE(catalog->GetDBPath().IsEmpty());
        EXPECT_EQ(catalog->DefType(), 0);
        EXPECT_FALSE(catalog->SetDBPath(CString(m_file.c_str())));
        EXPECT_FALSE(catalog->SaveDatabase());
        EXPECT_FALSE(catalog->IsValidCatalog(catalog->GetTypeName()));
        CStringList list;
        bool fixed = true, found = true;
        EXPECT_FALSE(catalog->GetSteelgradeFamilies(list, L""));
        EXPECT_FALSE(catalog->GetDiametersForFamilySteelgrade(list, L"FE500 HA", fixed));
        EXPECT_TRUE(list.IsEmpty()) << "nothing is appended";
        catalog->GetSteelgrade(L"12", L"FE500 HA", 1.0, found);
        EXPECT_FALSE(found);
        double limit = 0.0;
        EXPECT_FALSE(catalog->GetSteelLimit(L"FE500 HA", limit));
        EXPECT_EQ(limit, -1.0);
    }
}

TEST_F(Catalog, EveryOpenedContainerIsClosedExactlyOnceAcrossCopies) {
    AcDbObjectId id = barsId();
    auto closes = [&] { return cadhost::openStats(id).closes; };
    unsigned before = closes();
    {
        auto original = std::make_unique<CVnRebarSteelGradeCatalog>();
        CVnRebarSteelGradeCatalog copy(*original);
        CVnRebarSteelGradeCatalog assigned(static_cast<VNTLMdbContainer*>(nullptr));
        assigned = copy;
        original.reset();
        EXPECT_FALSE(cadhost::allObjectsClosed()) << "copies still use the container";
        EXPECT_EQ(copy.Name(), L"arrangements");
        EXPECT_EQ(assigned.Name(), L"arrangements");
    }
    EXPECT_TRUE(cadhost::allObjectsClosed());
    EXPECT_EQ(closes(), before + 1);
    EXPECT_EQ(cadhost::openStats(id).refusedCloses, 0u);

    // Assigning over the last owner releases what it opened.
    CVnRebarSteelGradeCatalog owner;
    owner = CVnRebarSteelGradeCatalog(static_cast<VNTLMdbContainer*>(nullptr));
    EXPECT_TRUE(cadhost::allObjectsClosed());
    EXPECT_TRUE(owner.Version().IsEmpty());
}

TEST_F(Catalog, StampingRenewsDateAndVersionOnlyWithASingleDefinitionRecord) {
    StampingCatalog catalog;
    const CString before = catalog.Version();
    const std::string onDisk = testsupport::readFile(m_file);
    catalog.UpdateStamp();
    EXPECT_TRUE(isBracedGuid(catalog.Version()));
    EXPECT_NE(catalog.Version(), before);
    wchar_t today[12];
    __time64_t now;
    _time64(&now);
    wcsftime(today, 12, L"%Y/%m/%d", _localtime64(&now));
    EXPECT_EQ(catalog.LastUpdate(), today);
    EXPECT_EQ(testsupport::readFile(m_file), onDisk) << "changes reach the file on saving only";
    ASSERT_TRUE(catalog.SaveDatabase());
    VNTLMdbContainer saved;
    ASSERT_TRUE(saved.Initialize(CString(m_file.c_str())));
    EXPECT_EQ(CVnRebarSteelGradeCatalog(&saved).Version(), catalog.Version());

    auto damaged = m_folder / "Damaged.mdb";
    testsupport::buildDatabaseFromFile(damaged, fixture("two_definitions.sql"));
    ASSERT_TRUE(catalog.SetDBPath(CString(damaged.c_str())));
    EXPECT_TRUE(catalog.Version().IsEmpty());
    EXPECT_EQ(catalog.DefType(), 0);
    catalog.UpdateStamp();
    ASSERT_TRUE(catalog.SaveDatabase());
    VNTLMdbContainer reread;
    ASSERT_TRUE(reread.Initialize(CString(damaged.c_str())));
    CStringArray versions;
    reread.getColumnAsString(L"Definition", L"Def_version", versions);
    ASSERT_EQ(versions.GetSize(), 2);
    EXPECT_EQ(versions[0], L"{11111111-1111-1111-1111-111111111111}");
    EXPECT_EQ(versions[1], L"{22222222-2222-2222-2222-222222222222}");
}

TEST_F(Catalog, SetDBPathSwitchesFilesAndKeepsTheOldOneWhenRefused) {
    CVnRebarSteelGradeCatalog catalog;
    EXPECT_EQ(catalog.GetDBPath(), CString(m_file.c_str())) << "the drawing's file at first";
    EXPECT_TRUE(catalog.IsValidCatalog(catalog.GetTypeName())) << "the type name in any case";
    auto other = m_folder / "Concretes.mdb";
    testsupport::buildDatabaseFromFile(other, fixture("other_catalog.sql"));
    ASSERT_TRUE(catalog.SetDBPath(CString(other.c_str())));
    EXPECT_EQ(catalog.GetDBPath(), CString(other.c_str()));
    EXPECT_FALSE(catalog.IsValidCatalog(catalog.GetTypeName()));

    EXPECT_FALSE(catalog.SetDBPath(CString((m_folder / "missing.mdb").c_str())));
    EXPECT_EQ(catalog.GetDBPath(), CString(other.c_str()));
    EXPECT_EQ(catalog.Name(), L"Concretes");
}
