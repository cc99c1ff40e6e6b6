#include <gtest/gtest.h>

#include "catalogfixture.h"
#include "rebar/rebarvalues.h"
#include "rebar/vnrebarsteelgradecatalog.h"

namespace {

class Queries : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        openDrawing("queries.sql", "Queries.mdb");
    }
};

}  // namespace

TEST_F(Queries, FamiliesAreListedByStandardIgnoringCaseWithTheirSteelGradeListProperties) {
    CVnRebarSteelGradeCatalog catalog;
    CStringList families;
    families.AddTail(L"kept");
    EXPECT_TRUE(catalog.GetSteelgradeFamilies(families, L"nf p 02-016"));
    EXPECT_EQ(items(families), (Texts{L"kept", L"FE500 HA", L"TS"}));
    CStringList all;
    catalog.GetSteelgradeFamilies(all, L"");
    EXPECT_EQ(items(all), (Texts{L"FE500 HA", L"400W", L"TS"}));

    EXPECT_TRUE(catalog.FindSteelgradeFamily(L"fe500 ha"));
    EXPECT_FALSE(catalog.FindSteelgradeFamily(L"Units")) << "reserved tables are no families";
    EXPECT_FALSE(catalog.FindSteelgradeFamily(nullptr));
    EXPECT_TRUE(catalog.CheckSteelgradeFamilyForFixedDiameter(L"TS"));
    EXPECT_FALSE(catalog.CheckSteelgradeFamilyForFixedDiameter(L"FE500 HA"));
    EXPECT_TRUE(catalog.IsFixedDiameter(L"ts"));

    CString adherence;
    bool found = false;
    catalog.GetAdherence(L"400W", adherence, found);
    EXPECT_TRUE(found);
    EXPECT_EQ(adherence, L"HA");
    catalog.GetAdherence(L"Nope", adherence, found);
    EXPECT_FALSE(found);
    double limit = 0.0;
    EXPECT_TRUE(catalog.GetSteelLimit(L"FE500 HA", limit));
    EXPECT_EQ(limit, 500.0);
    EXPECT_FALSE(catalog.GetSteelLimit(L"Nope", limit));
    EXPECT_EQ(limit, -1.0);
}

TEST_F(Queries, BarListsFollowTheirOwnOrderAndRepetitionRules) {
    CVnRebarSteelGradeCatalog catalog;
    CStringList byDiameter;
    ASSERT_TRUE(catalog.GetFamilySteelgrade(byDiameter, L"FE500 HA"));
    Texts sorted = items(byDiameter);
    ASSERT_EQ(sorted.size(), 4u) << "the bar without a name is skipped";
    EXPECT_EQ(sorted[0], L"12");
    EXPECT_EQ(sorted[1], L"10");

    CStringList diameters;
    bool fixed = true;
    ASSERT_TRUE(catalog.GetDiametersForFamilySteelgrade(diameters, L"FE500 HA", fixed));
    EXPECT_FALSE(fixed);
    EXPECT_EQ(items(diameters), (Texts{L"8", L"12", L"10", L"6.5", L"8"}));

    CStringList names;
    bool spare = false;
    catalog.GetDiameterNamesForFamilySteelgrade(names, L"FE500 HA", fixed, spare);
    EXPECT_EQ(items(names), (Texts{L"8", L"12", L"10", L"", L"8"}));
    CStringList unique;
    unique.AddTail(L"10");
    catalog.GetNameForFamilySteelgrade(unique, L"FE500 HA");
    EXPECT_EQ(items(unique), (Texts{L"10", L"8", L"12", L""}));

    CString name;
    EXPECT_TRUE(catalog.GetPatternNameForDiameter(L"FE500 HA", L"12", name));
    EXPECT_EQ(name, L"12");
    EXPECT_FALSE(catalog.GetPatternNameForDiameter(L"FE500 HA", L"12.0", name));
    EXPECT_TRUE(name.IsEmpty());

    CStringList none;
    EXPECT_FALSE(catalog.GetFamilySteelgrade(none, L"NoSuchFamily"));
    EXPECT_TRUE(none.IsEmpty());
}

TEST_F(Queries, GetSteelgradeConvertsStoredValuesToSi) {
    CVnRebarSteelGradeCatalog catalog;
    bool found = false;
    CVnRebarSteelGrade bar = catalog.GetSteelgrade(L"12", L"FE500 HA", 1.0, found);
    ASSERT_TRUE(found);
    EXPECT_DOUBLE_EQ(bar.diameterNom(), 0.012);
    EXPECT_DOUBLE_EQ(bar.etrierCadre(), 0.048);
    EXPECT_DOUBLE_EQ(bar.weight(), 0.888);
    EXPECT_DOUBLE_EQ(bar.surface(), 113.1e-6);
    EXPECT_DOUBLE_EQ(bar.MinimalEndLeg(), 0.1);
    EXPECT_DOUBLE_EQ(bar.millStockLength(), 12.0) << "stored in metres";
    EXPECT_EQ(bar.lengthAnchor(), rebar::kUndefinedValue) << "-1 is not given";
    EXPECT_EQ(bar.maxStockLength(), rebar::kUndefinedValue) << "an empty stock length";
    EXPECT_FALSE(catalog.GetAreMillAndMaxStockLengthValid());

    CVnRebarSteelGradeCatalog other;
    CVnRebarSteelGrade eight = other.GetSteelgrade(L"8", nullptr, 1.0, found);
    ASSERT_TRUE(found) << "without a family the first family that has the bar";
    EXPECT_EQ(eight.family(), L"FE500 HA");
    EXPECT_EQ(eight.MinimalEndLeg(), 0.0) << "a minimal length not given imposes none";
    EXPECT_TRUE(other.GetAreMillAndMaxStockLengthValid());

    CVnRebarSteelGrade ten = other.GetSteelgradeByDiameter(L" 10 mm", L"FE500 HA", 1.0, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(ten.name(), L"10");
    EXPECT_EQ(ten.weight(), rebar::kUndefinedValue);
    EXPECT_EQ(ten.maxStockLength(), 0.0) << "a stored zero stays zero";

    other.GetSteelgrade(L"99", L"FE500 HA", 1.0, found);
    EXPECT_FALSE(found);
    EXPECT_FALSE(other.FindSteelgrade(L"99", nullptr));
    EXPECT_TRUE(other.FindSteelgrade(L"15", nullptr));
}
