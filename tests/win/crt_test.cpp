#include "win/crt.h"

#include <gtest/gtest.h>

#include <climits>
#include <ctime>

TEST(Crt, WtofReadsTheLeadingNumberWithADot) {
    EXPECT_DOUBLE_EQ(_wtof(L"12"), 12.0);
    EXPECT_DOUBLE_EQ(_wtof(L"  \t6.5"), 6.5);
    EXPECT_DOUBLE_EQ(_wtof(L"12 mm"), 12.0);
    EXPECT_DOUBLE_EQ(_wtof(L"-1.5e2x"), -150.0);
    EXPECT_DOUBLE_EQ(_wtof(L"6,5"), 6.0) << "a comma ends the number";
    EXPECT_DOUBLE_EQ(_wtof(L"#8"), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(L""), 0.0);
    EXPECT_DOUBLE_EQ(_wtof(nullptr), 0.0);

    EXPECT_EQ(_wtoi(L" 42abc"), 42);
    EXPECT_EQ(_wtoi(L"-7.9"), -7);
    EXPECT_EQ(_wtoi(L"x1"), 0);
    EXPECT_EQ(_wtoi(L"99999999999"), INT_MAX);
}

TEST(Crt, LocalTimeIsTheMomentGivenAndNoneBeforeTheEpoch) {
    __time64_t now = 0;
    EXPECT_EQ(_time64(&now), now);
    EXPECT_GT(now, 1600000000);
    struct tm* local = _localtime64(&now);
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(std::mktime(local), now) << "the local time of the same moment";

    __time64_t negative = -1;
    EXPECT_EQ(_localtime64(&negative), nullptr);
}

TEST(Crt, CaseInsensitiveComparisonFoldsAllLetters) {
    EXPECT_EQ(_wcsicmp(L"Nothing", L"NOTHING"), 0);
    EXPECT_EQ(_wcsicmp(L"Ärger", L"äRGER"), 0);
    EXPECT_LT(_wcsicmp(L"a", L"B"), 0);
    EXPECT_GT(_wcsicmp(L"ab", L"A"), 0);
    EXPECT_EQ(_wcsnicmp(L"HA12", L"ha10", 3), 0);
    EXPECT_NE(_wcsnicmp(L"HA12", L"ha10", 4), 0);
}
