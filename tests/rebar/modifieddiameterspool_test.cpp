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

    EXPECT_FALSE(pool.DeleteNominalDiameter(L"FE500 HA", L"12"));
    EXPECT_TRUE(pool.FindNominalDiameter(L"FE500 HA", L"12")) << "a changed diameter stays changed";
}
