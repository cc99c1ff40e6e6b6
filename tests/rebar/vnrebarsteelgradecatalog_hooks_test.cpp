#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "catalogfixture.h"
#include "rebar/vnrebarsteelgradecatalog.h"

namespace {

const double kTight = 1e-12;
const double kAnyAngle = NAN;  // the query without an angle
const double kUntouched = -12345.0;

enum Ask { Hook, Unfold, Leg, MinimalStd, MinimalSeismic, MinimalTie };

// The hook tables of hooks_tables.sql in the current drawing.
class HookQueries : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        openDrawing("hooks_tables.sql", "Hooks.mdb");
        m_catalog = std::make_unique<CVnRebarSteelGradeCatalog>();
    }
    void TearDown() override {
        m_catalog.reset();  // closes the drawing's container before the drawing goes
        CatalogFixture::TearDown();
    }

    // The length a query wrote, or NaN when it answered 0 (having written nothing, or 0 for
    // the minimal length).
    double ask(Ask what, double degrees, std::wstring standard, std::wstring grade, std::wstring d,
               double factor = 1.0) {
        CVnRebarSteelGradeCatalog& c = *m_catalog;
        const double a = degrees * 3.141592653589793 / 180.0;
        const bool any = std::isnan(degrees);
        const wchar_t* kinds[] = {L"Standard", L"Sismique", L"Cadre"};
        double length = kUntouched;
        int found = 0;
        if (what == Hook)
            found = any ? c.getDefaultHookLength(standard, grade, d, length, factor)
                        : c.getDefaultHookLength(a, standard, grade, d, length, factor);
        else if (what == Unfold)
            found = any ? c.getDefaultUnfoldLength(standard, grade, d, length, factor)
                        : c.getDefaultUnfoldLength(a, standard, grade, d, length, factor);
        else if (what == Leg)
            found = any ? c.getDefaultHookLegLength(standard, grade, d, length, factor)
                        : c.getDefaultHookLegLength(a, standard, grade, d, length, factor);
        else
            found =
                c.getMinimalHookLength(a, standard, grade, d, length,
                                       m_kind.empty() ? kinds[what - MinimalStd] : m_kind, factor);
        if (found == 1) return length;
        EXPECT_EQ(length, what >= MinimalStd ? 0.0 : kUntouched) << "written when not found";
        return NAN;
    }
    double unfold(double degrees, std::wstring d, double factor = 1.0) {
        return ask(Unfold, degrees, L"NF P 02-016", L"FE500 HA", d, factor);
    }
    double minimal(Ask kind, double degrees, std::wstring d, double factor = 1.0) {
        return ask(kind, degrees, L"BS 8666 2005", L"B500B", d, factor);
    }

    std::unique_ptr<CVnRebarSteelGradeCatalog> m_catalog;
    std::wstring m_kind;  // a check kind other than the host's three
};

}  // namespace

TEST_F(HookQueries, NarrowTablesServeEveryGradeOfTheirStandardWideOnesTheGradesTheyName) {
    EXPECT_NEAR(ask(Hook, 135, L"ISO 4066", L"S2", L"10"), 80.0, kTight)
        << "its standard in lower case";
    EXPECT_NEAR(ask(Hook, 135, L"ISO 4066", L"S3", L"10"), 80.0, kTight) << "no unit: 8 x 10";
    EXPECT_TRUE(std::isnan(ask(Leg, 135, L"ISO 4066", L"S1", L"10"))) << "no leg column";
    EXPECT_NEAR(ask(MinimalTie, 135, L"BS 8666 2005", L"", L"16"), 3.0, kTight) << "no grade named";
    EXPECT_TRUE(std::isnan(minimal(MinimalTie, 135, L"16"))) << "not B500B's row";
    EXPECT_NEAR(ask(Leg, 90, L"ACI", L"Grade 60", L"0.625"), 0.1905, kTight) << "7.5 in";
    EXPECT_TRUE(std::isnan(ask(Hook, 90, L"Nowhere", L"X1", L"10"))) << "not one of the twenty";
    EXPECT_TRUE(std::isnan(ask(Hook, 135, L"iso 4066", L"S1", L"10"))) << "exact standard";
    EXPECT_TRUE(std::isnan(ask(Hook, 135, L"ISO 4066", L"s1", L"10"))) << "exact grade";
    EXPECT_TRUE(std::isnan(ask(Hook, 90, L"DM96", L"S1", L"10")))
        << "an empty table answers nothing";
}

// Rows of one angle add up: a later row replaces only what it gives.
TEST_F(HookQueries, RowsOfAnAngleAddUpAndSkipWhatIsNotGiven) {
    EXPECT_NEAR(ask(Hook, 90, L"NF P 02-016", L"FE500 HA", L"10"), 0.1, kTight)
        << "the 0 multiplicator of diameter 20 kept 10 x 10 mm";
    EXPECT_TRUE(std::isnan(unfold(90, L"20"))) << "an unfold length of 0 is none";
    EXPECT_EQ(ask(Leg, 90, L"NF P 02-016", L"FE500 HA", L"20"), 0.0) << "a leg of 0 is one";
    EXPECT_NEAR(unfold(180, L"12"), 0.155, kTight) << "the later of two rows";
    EXPECT_NEAR(ask(Hook, 135, L"NF P 02-016", L"FE500 HA", L"10"), 0.06, kTight);
    EXPECT_TRUE(std::isnan(unfold(135, L"0.000005"))) << "too small a diameter";
}

TEST_F(HookQueries, AnglesMatchWithinAMillionthOfADegreeOrATenMillionthForUnfoldAndLeg) {
    EXPECT_NEAR(ask(Hook, 135 + 0.9e-6, L"ISO 4066", L"S1", L"10"), 80.0, kTight);
    EXPECT_TRUE(std::isnan(ask(Hook, 135 + 1.1e-6, L"ISO 4066", L"S1", L"10")));
    EXPECT_NEAR(ask(Hook, -135, L"ISO 4066", L"S1", L"10"), 80.0, kTight) << "sign ignored";
    EXPECT_TRUE(std::isnan(ask(Hook, 90, L"ISO 4066", L"S1", L"10"))) << "multiplicator 0";
    EXPECT_NEAR(ask(Hook, kAnyAngle, L"ISO 4066", L"S1", L"10"), 80.0, kTight) << "135 first";
    EXPECT_EQ(ask(Hook, 180, L"ISO 4066", L"S1", L"bar"), 0.0) << "not a number: 0, found";
    // Diameter in inches: 0.625 in x 12 = 190.5 mm with the drawing in millimetres.
    EXPECT_NEAR(ask(Hook, 90, L"ACI", L"Grade 60", L"0.625", 1000.0), 190.5, 1e-9);
    // Unfold and leg lengths match within a ten millionth of a degree.
    EXPECT_NEAR(unfold(90 + 0.9e-7, L"10"), 0.14, kTight) << "14 cm";
    EXPECT_NEAR(unfold(-90 - 0.9e-7, L"10", 1000.0), 140.0, 1e-9);
    EXPECT_TRUE(std::isnan(unfold(90 + 1.1e-7, L"10")));
    EXPECT_NEAR(unfold(90, L"10.00000000009"), 0.14, kTight);
    EXPECT_TRUE(std::isnan(unfold(90, L"10.0000000002")));
    EXPECT_EQ(ask(Leg, 90, L"ACI", L"Grade 60", L"0.5"), 0.0);
    EXPECT_TRUE(std::isnan(ask(Leg, 90 - 1.1e-7, L"ACI", L"Grade 60", L"0.625")));
}

TEST_F(HookQueries, WithoutAnAngleTheLargestAngleWinsAndUnlistedBarsTakeItsSmallest) {
    EXPECT_NEAR(unfold(kAnyAngle, L"10"), 0.13, kTight) << "180 lists 10 as 90 does";
    EXPECT_NEAR(unfold(kAnyAngle, L"16"), 0.22, kTight) << "only 90 lists 16";
    EXPECT_NEAR(unfold(kAnyAngle, L"25"), 0.095, kTight) << "nowhere: 180's smallest diameter";
    EXPECT_TRUE(std::isnan(ask(Leg, kAnyAngle, L"NF P 02-016", L"FE500 HA", L"10"))) << "all 0";
    EXPECT_NEAR(ask(Leg, kAnyAngle, L"ACI", L"Grade 60", L"0.5"), 3.75 * 0.0254, kTight)
        << "its 0 at 90 falls back to 135's first";
}

TEST_F(HookQueries, MinimalLengthsFollowTheCheckKindAndItsUnit) {
    EXPECT_NEAR(minimal(MinimalStd, 90, L"10"), 0.12, kTight) << "120 mm";
    EXPECT_NEAR(minimal(MinimalSeismic, 90, L"10"), 1.3, kTight) << "130 cm";
    EXPECT_NEAR(minimal(MinimalTie, 90, L"10"), 1.4, kTight) << "1.4 m";
    EXPECT_NEAR(minimal(MinimalTie, 180, L"10", 1000.0), 1410.0, 1e-9);
    EXPECT_NEAR(minimal(MinimalStd, -90 - 0.5e-10, L"10"), 0.12, kTight);
    EXPECT_TRUE(std::isnan(minimal(MinimalStd, 90 + 2e-10, L"10")));
    EXPECT_TRUE(std::isnan(minimal(MinimalStd, 90, L"12"))) << "12 is B500C's";
    m_kind = L"standard";  // not the host's text: the standard length as a plain number
    EXPECT_NEAR(minimal(MinimalStd, 90, L"10", 2.0), 240.0, kTight);
}

TEST_F(HookQueries, ADrawingKeepsItsHooksUntilAskedToMergeAnotherCatalogue) {
    auto s1 = [&](double degrees) { return ask(Hook, degrees, L"ISO 4066", L"S1", L"1"); };
    EXPECT_NEAR(s1(135), 8.0, kTight);
    testsupport::buildDatabaseFromFile(m_folder / "Other.mdb", fixture("hooks_other.sql"));
    CVnRebarSteelGradeCatalog attached(*m_catalog);
    ASSERT_TRUE(attached.SetDBPath(filePath("Other.mdb")));
    EXPECT_NEAR(s1(135), 8.0, kTight) << "not read again yet";
    attached.SetChangeRule(false);
    EXPECT_NEAR(s1(135), 9.0, kTight) << "equal keys overwritten";
    EXPECT_NEAR(s1(45), 2.0, kTight);
    EXPECT_NEAR(s1(180), 5.0, kTight) << "nothing removed";
    CVnRebarSteelGradeCatalog::clearRuleMap(nullptr);
    EXPECT_TRUE(std::isnan(s1(180))) << "cleared: read afresh";

    cadhost::setCurrentDocument({});
    EXPECT_TRUE(std::isnan(s1(kAnyAngle))) << "no drawing, no hooks";
    EXPECT_TRUE(std::isnan(minimal(MinimalStd, 90, L"10")));
}
