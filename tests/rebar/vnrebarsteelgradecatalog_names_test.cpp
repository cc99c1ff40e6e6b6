#include <gtest/gtest.h>

#include "catalogfixture.h"
#include "rebar/vnrebarsteelgradecatalog.h"

namespace {

class Names : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        openDrawing("queries.sql", "Names.mdb");
    }
};

}  // namespace

TEST_F(Names, NamesAndDiametersTranslateBothWaysPerFamilyFromAMapRefilledAfterAChange) {
    CVnRebarSteelGradeCatalog catalog(&nothingInUse);
    double diameter = -5.0;
    EXPECT_EQ(catalog.getNominalDiameterFromName(L"400W", L"15", diameter), 1);
    EXPECT_EQ(diameter, 16.0);
    EXPECT_EQ(catalog.getNominalDiameterFromName(L"TS", L"ha12", diameter), 0) << "names are exact";
    EXPECT_EQ(catalog.getNominalDiameterFromName(L"400w", L"15", diameter), 0) << "families too";
    EXPECT_EQ(diameter, 16.0) << "left unchanged";

    CString name = L"unchanged";
    EXPECT_EQ(catalog.getNameFromNominalDiameter(L"TS", name, 12.0), 1);
    EXPECT_EQ(name, L"HA12") << "of two bars within tolerance, the name that sorts first";
    EXPECT_EQ(catalog.getNameFromNominalDiameter(L"400W", name, 16.00000000005), 1);
    EXPECT_EQ(name, L"15");
    // 12.0000000001 is already outside: in doubles its difference from 12 squared is just
    // above 1e-20.
    EXPECT_EQ(catalog.getNameFromNominalDiameter(L"TS", name, 12.0000000001), 0);
    EXPECT_EQ(catalog.getNameFromNominalDiameter(L"400W", name, 16.001), 0);
    EXPECT_EQ(name, L"15");

    EXPECT_EQ(catalog.GetStandardFromSteelGrade(L"400w"), L"CSA A23 M");
    EXPECT_TRUE(catalog.GetStandardFromSteelGrade(L"Nope").IsEmpty());

    // After a change the names are served as they were until the map is marked stale; its
    // refill then merges without removing.
    ASSERT_EQ(catalog.RemoveSteelgradeIfUnused(L"10", L"400W", nullptr),
              CVnRebarSteelGradeCatalog::Deleted);
    bool found = false;
    CVnRebarSteelGrade bar = catalog.GetSteelgrade(L"15", L"400W", 1000.0, found);
    bar.setDiameterNom(15.5);
    ASSERT_TRUE(catalog.ModifySteelgrade(L"15", L"400W", &bar));

    EXPECT_EQ(catalog.getNominalDiameterFromName(L"400W", L"15", diameter), 1);
    EXPECT_EQ(diameter, 16.0) << "served from the map until it is marked stale";
    catalog.SetChangeRuleName(false);
    EXPECT_EQ(catalog.getNominalDiameterFromName(L"400W", L"15", diameter), 1);
    EXPECT_EQ(diameter, 15.5);
    EXPECT_EQ(catalog.getNominalDiameterFromName(L"400W", L"10", diameter), 1)
        << "a removed bar stays in the map";
}

TEST_F(Names, AllDiametersOfAStandardOrOfTheProjectsSkipUnnamedAndNonPositiveBars) {
    CVnRebarSteelGradeCatalog catalog;
    CMap<CString, LPCTSTR, double, double> diameters;
    diameters[L"kept"] = 1.0;
    bool byValue = false;
    ASSERT_TRUE(catalog.GetAllDiametersForStandard(diameters, byValue, L"nf p 02-016"));
    EXPECT_TRUE(byValue);
    double value = 0.0;
    EXPECT_TRUE(diameters.Lookup(L"kept", value));
    EXPECT_TRUE(diameters.Lookup(L"HA12B", value));
    EXPECT_TRUE(diameters.Lookup(L"12", value));
    EXPECT_EQ(value, 12.0);
    EXPECT_FALSE(diameters.Lookup(L"HA0", value)) << "a zero diameter is skipped";
    EXPECT_FALSE(diameters.Lookup(L"", value)) << "an unnamed bar is skipped";

    // Without a standard, the project's current one; CSA A23 M designates bars by name.
    CMap<CString, LPCTSTR, double, double> canadian;
    VnProjectSettings::SetCurrentStandard(L"");
    EXPECT_FALSE(catalog.GetAllDiametersForStandard(canadian, byValue, nullptr));
    EXPECT_TRUE(byValue) << "left unchanged without a standard";
    VnProjectSettings::SetCurrentStandard(L"csa a23 m");
    ASSERT_TRUE(catalog.GetAllDiametersForStandard(canadian, byValue, L""));
    EXPECT_FALSE(byValue) << "bars are designated by name";
    EXPECT_EQ(canadian.GetCount(), 2);

    byValue = true;
    EXPECT_FALSE(catalog.GetAllDiametersForStandard(canadian, byValue, L"ACI"));
    EXPECT_FALSE(byValue) << "set before the families are listed";
}
