// Inputs the fuzzers (fuzz/) found faults with, kept so the faults stay fixed. Each case feeds
// its input through the path the harness took and checks the outcome a user would see.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/cstring_printer.h"
#include "support/sqlfixture.h"
#include "vntl/vntlmdbcontainer.h"
#include "vntl/vnunit.h"
#include "vntl/vnunitmanager.h"
#include "win/utf8.h"

namespace {

CVnUnit unitOf(const wchar_t* text, int format, int precision) {
    CVnUnit unit;
    EXPECT_EQ(CVnUnitManager::UnitFromString(text, unit, 1.0), 0);
    unit.SetUnitFormat(format);
    unit.SetPrecision(precision);
    return unit;
}

std::string utf8(const CString& text) {
    return WideToUtf8(text.GetString());
}

// Shown without a caller's buffer, as a grid cell asks for it.
CString shown(const CVnUnit& unit, double value) {
    return unit.Double2String(nullptr, value, 0, nullptr, 1, 1, 0);
}

// fuzz_units: "55544444444999…9'" (53 digits, in feet) in millimetres with eight decimals is
// shown with 56 digits before the point, and that text was refused when read back: the reader
// took at most 64 number characters, although a shown value may need far more.
TEST(FuzzRegressions, ALongDecimalTextReadsBackAsTheValueShown) {
    const CVnUnit mm = unitOf(L"mm", 0, 8);
    int error = -1;
    const double typed =
        mm.String2Double(L"55544444444999999999999999999999999999999999999999999'", &error, 0);
    ASSERT_EQ(error, 0);
    const CString text = shown(mm, typed);
    ASSERT_GT(text.GetLength(), 64);
    const double back = mm.String2Double(text, &error, 0);
    ASSERT_EQ(error, 0) << utf8(text);
    EXPECT_EQ(shown(mm, back), text);
    EXPECT_EQ(back, std::stod(utf8(text.Left(text.Find(L' ')))));
}

// The same fault beyond what the reader takes at all (256 characters): such a value is shown in
// its shortest digits, which read back exactly.
TEST(FuzzRegressions, AValueTooLongToReadBackIsShownInItsShortestDigits) {
    const CVnUnit mm = unitOf(L"mm", 0, 17);
    for (const double value : {1e300, -1.7976931348623157e308, 1.7976931348623157e+150}) {
        const CString text = shown(mm, value);
        EXPECT_LE(text.GetLength(), 256) << utf8(text);
        int error = -1;
        EXPECT_EQ(mm.String2Double(text, &error, 0), value) << utf8(text);
        EXPECT_EQ(error, 0) << utf8(text);
    }
    // Values whose decimals fit are still shown with them.
    EXPECT_EQ(shown(unitOf(L"mm", 0, 2), 1e100).GetLength(), 101 + 3 + 3);
}

// fuzz_catalog: an integer column read of a cell beyond the integers (9223372036854775807
// arrives as 2^63, a real too large for any integer) converted it regardless, which is
// undefined. Such a cell now reads as 0, like an empty one; ordinary values are unchanged.
TEST(FuzzRegressions, IntegerColumnReadsOfNumbersBeyondTheIntegersGiveZero) {
    testsupport::TempFolder folder;
    testsupport::buildDatabase(folder / "Fuzz.mdb",
                               "CREATE TABLE \"T\" (\"N\");"
                               "INSERT INTO \"T\" VALUES (9223372036854775807), (1e300), (-1e19),"
                               " (7), (-1), (2.9), (NULL);");
    VNTLMdbContainer container;
    ASSERT_TRUE(container.Initialize(CString((folder / "Fuzz.mdb").c_str())))
        << utf8(container.getLastError());
    CDWordArray values;
    ASSERT_TRUE(container.getColumnAsLong(L"T", L"N", values));
    EXPECT_EQ(std::vector<DWORD>(values.GetData(), values.GetData() + values.GetSize()),
              (std::vector<DWORD>{0, 0, 0, 7, 0xFFFFFFFFu, 2, 0}));
}

}  // namespace
