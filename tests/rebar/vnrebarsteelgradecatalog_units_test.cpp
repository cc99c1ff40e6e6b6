#include <gtest/gtest.h>

#include "catalogfixture.h"
#include "rebar/vnrebarsteelgradecatalog.h"

namespace {

class Units : public CatalogFixture {
protected:
    // The unit name the drawing's pool gives, or "-" when it has none.
    static std::wstring unitOf(CVnRebarSteelGradeCatalog& catalog, const wchar_t* family,
                               const wchar_t* parameter) {
        CVnUnit unit;
        if (!catalog.GetParameterUnit(family, parameter, unit, 1.0)) return L"-";
        return unit.GetName().GetString();
    }
};

}  // namespace

TEST_F(Units, PoolKeepsTheFirstRowPerFamilyAndSkipsUnknownUnits) {
    openDrawing("queries.sql", "Queries.mdb");
    CVnRebarSteelGradeCatalog catalog;
    EXPECT_EQ(unitOf(catalog, L"FE500 HA", L"Weight"), L"kg/m") << "first row wins";
    EXPECT_EQ(unitOf(catalog, L"fe500 ha", L"Diameter_Real"), L"m") << "family texts are exact";
    EXPECT_EQ(unitOf(catalog, L"400W", L"Stirrup/Hook"), L"-") << "an unknown unit is skipped";
    EXPECT_EQ(unitOf(catalog, L"400W", L"Section"), L"-") << "an empty cell gives none";
    EXPECT_EQ(unitOf(catalog, L"400W", L"Weight"), L"kg/m") << "the rest of the row counts";
    EXPECT_EQ(unitOf(catalog, L"FE500 HA", L"weight"), L"-") << "parameter names are exact";

    CVnUnit unit;
    ASSERT_TRUE(catalog.GetParameterUnit(L"FE500 HA", L"Section", unit, 1000.0));
    EXPECT_EQ(unit.GetMetricsFactor(), 1000.0);
    EXPECT_DOUBLE_EQ(unit.GetCoef(), 1e6);

    CVnRebarSteelGradeCatalog::UnitsPool pool;
    EXPECT_TRUE(catalog.FillUnitsPool(pool));
    EXPECT_EQ(pool.size(), 3u);
}

TEST_F(Units, CatalogsShareTheirDocumentsPoolAndDocumentsKeepTheirOwn) {
    cadhost::DocumentId first = openDrawing("queries.sql", "Queries.mdb");
    CVnRebarSteelGradeCatalog one;
    EXPECT_EQ(unitOf(one, L"FE500 HA", L"Weight"), L"kg/m");

    cadhost::DocumentId second = openDrawing("units_upper_family.sql", "Upper.mdb");
    {
        CVnRebarSteelGradeCatalog two;
        EXPECT_EQ(unitOf(two, L"Grade 60", L"Weight"), L"lb/ft") << "from a column FAMILY";
        EXPECT_EQ(unitOf(two, L"FE500 HA", L"Weight"), L"-");
    }
    cadhost::setCurrentDocument(first);
    EXPECT_EQ(unitOf(one, L"Grade 60", L"Weight"), L"-") << "the first drawing kept its pool";

    // Another file attached in the same drawing replaces what every catalogue there sees.
    CVnRebarSteelGradeCatalog attached(one);
    ASSERT_TRUE(attached.SetDBPath(filePath("Upper.mdb")));
    EXPECT_EQ(unitOf(one, L"Grade 60", L"Weight"), L"lb/ft");

    // Clearing a document's caches makes its pool read again from its catalogue.
    CVnRebarSteelGradeCatalog::clearMaps(nullptr);
    EXPECT_EQ(unitOf(one, L"Grade 60", L"Weight"), L"lb/ft");
    CVnRebarSteelGradeCatalog::clearMaps(cadhost::document(second));
    cadhost::setCurrentDocument(second);
    CVnRebarSteelGradeCatalog again;
    EXPECT_EQ(unitOf(again, L"Grade 60", L"Weight"), L"lb/ft");
}

TEST_F(Units, WithoutACurrentDocumentOnlyAnAttachedFileFillsThePool) {
    openDrawing("queries.sql", "Queries.mdb");
    VNTLMdbContainer* container = openContainer();
    ASSERT_NE(container, nullptr);
    cadhost::setCurrentDocument({});
    {
        CVnRebarSteelGradeCatalog catalog(container);
        catalog.SetChangeRule(false);  // nothing to mark without a document
        CVnRebarSteelGradeCatalog::clearMaps(nullptr);
        EXPECT_EQ(unitOf(catalog, L"FE500 HA", L"Weight"), L"-");
        ASSERT_TRUE(catalog.SetDBPath(filePath("Queries.mdb")));
        EXPECT_EQ(unitOf(catalog, L"FE500 HA", L"Weight"), L"kg/m");
    }
    EXPECT_FALSE(cadhost::allObjectsClosed()) << "a given container stays open for its owner";
    container->close();
}
