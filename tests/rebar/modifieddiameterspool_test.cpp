#include "rebar/modifieddiameterspool.h"

#include <gtest/gtest.h>

#include "support/cstring_printer.h"

TEST(CModifiedDiametersPool, RecordsPairsExactlyAsGiven) {
    CModifiedDiametersPool pool;
    EXPECT_FALSE(pool.isModified());
    EXPECT_FALSE(pool.FindNominalDiameter(L"FE500 HA", L"12"));

    EXPECT_TRUE(pool.AddNominalDiameter(L"FE500 HA", L"12"));
    EXPECT_TRUE(pool.AddNominalDiameter(L"FE500 HA", L"12"));
    EXPECT_TRUE(pool.isModified());
    EXPECT_TRUE(pool.FindNominalDiameter(L"FE500 HA", L"12"));
    EXPECT_FALSE(pool.FindNominalDiameter(L"fe500 ha", L"12")) << "family case matters";
    EXPECT_FALSE(pool.FindNominalDiameter(L"FE500 HA", L"12.0")) << "diameter text matters";
    EXPECT_FALSE(pool.FindNominalDiameter(L"FE400", L"12"));

    EXPECT_FALSE(pool.DeleteNominalDiameter(L"FE500 HA", L"12"));
    EXPECT_TRUE(pool.FindNominalDiameter(L"FE500 HA", L"12")) << "a changed diameter stays changed";
}

TEST(CModifiedDiametersPool, CopiesAreIndependent) {
    CModifiedDiametersPool source;
    source.AddNominalDiameter(L"B500B", L"16");
    CModifiedDiametersPool copy(source);
    EXPECT_TRUE(copy.isModified());
    EXPECT_TRUE(copy.FindNominalDiameter(L"B500B", L"16"));

    copy.AddNominalDiameter(L"B500B", L"20");
    source.AddNominalDiameter(L"B500B", L"25");
    EXPECT_FALSE(source.FindNominalDiameter(L"B500B", L"20"));
    EXPECT_FALSE(copy.FindNominalDiameter(L"B500B", L"25"));

    CModifiedDiametersPool assigned;
    assigned = source;
    EXPECT_TRUE(assigned.FindNominalDiameter(L"B500B", L"25"));
}
