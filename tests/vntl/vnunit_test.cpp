#include "vntl/vnunit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/cstring_printer.h"
#include "vntl/vnunitmanager.h"
#include "win/utf8.h"

namespace {

CVnUnit unitOf(const wchar_t* text) {
    CVnUnit unit;
    EXPECT_EQ(CVnUnitManager::UnitFromString(text, unit, 1.0), 0) << WideToUtf8(text);
    return unit;
}

CVnUnit withDisplay(CVnUnit unit, int format, int precision) {
    unit.SetUnitFormat(format);
    unit.SetPrecision(precision);
    return unit;
}

struct Parsed {
    double value;
    int error;
};

Parsed parse(const CVnUnit& unit, const wchar_t* text, int toSI = 0) {
    Parsed parsed{-1.0, -1};
    parsed.value = unit.String2Double(text, &parsed.error, toSI);
    return parsed;
}

CString show(const CVnUnit& unit, double value, int appendName = 0, int fromSI = 0) {
    wchar_t buffer[50];
    CString text = unit.Double2String(buffer, value, fromSI, L"%.*f", appendName, 1, 50);
    EXPECT_EQ(CString(buffer), text);
    return text;
}

// Shown without a caller's buffer, as a grid cell asks for it.
CString showUnbuffered(const CVnUnit& unit, double value) {
    return unit.Double2String(nullptr, value, 0, nullptr, 1, 1, 0);
}

}  // namespace

// Every unit, spelt as users type them, with its kind, system and published coefficient.
TEST(CVnUnitManager, UnitFromStringForgivesCaseAndBlanksAndGivesThePublishedCoefficients) {
    const struct {
        const wchar_t* text;
        int id;
        const wchar_t* name;
        int type;
        double coef;
    } accepted[] = {
        {L"m", 1, L"m", 0, 1.0},
        {L"cm", 1, L"cm", 0, 100.0},
        {L"MM", 1, L"mm", 0, 1000.0},
        {L"In", 1, L"in", 1, 1 / 0.0254},
        {L" ft ", 1, L"ft", 1, 1 / 0.3048},
        {L"m^2", 2, L"m2", 0, 1.0},
        {L"cm2", 2, L"cm2", 0, 1e4},
        {L"mm\u00B2", 2, L"mm2", 0, 1e6},
        {L"In2", 2, L"in2", 1, 1 / 0.00064516},
        {L"ft2", 2, L"ft2", 1, 1 / 0.09290304},
        {L"kg", 4, L"kg", 0, 1.0},
        {L"t", 4, L"t", 0, 0.001},
        {L"LB", 4, L"lb", 1, 1 / 0.45359237},
        {L" kg / m ", 5, L"kg/m", 0, 1.0},
        {L"lb/FT", 5, L"lb/ft", 1, 0.3048 / 0.45359237},
        {L"kg/m2", 6, L"kg/m2", 0, 1.0},
    };
    for (const auto& a : accepted) {
        SCOPED_TRACE(WideToUtf8(a.text));
        CVnUnit unit;
        ASSERT_EQ(CVnUnitManager::UnitFromString(a.text, unit, 1000.0), 0);
        EXPECT_EQ(unit.GetIDUnit(), a.id);
        EXPECT_EQ(unit.GetName(), CString(a.name));
        EXPECT_EQ(unit.GetType(), a.type);
        EXPECT_DOUBLE_EQ(unit.GetCoef(), a.coef);
    }
}

TEST(CVnUnitManager, UnitFromStringRefusesAnythingElseAndLeavesTheUnitAlone) {
    CVnUnit unit = withDisplay(unitOf(L"cm"), 0, 3);
    for (const wchar_t* text :
         {L"furlong", L"", L"  ", L"kg/", L"/m", L"m3", L"kg2", L"m/kg", L"kg/m/m", L"kg/lb",
          L"m m", L"mm 2", L"12mm", L"mm.", L"\u00B5m", L"inch"}) {
        EXPECT_NE(CVnUnitManager::UnitFromString(text, unit, 1.0), 0) << WideToUtf8(text);
    }
    EXPECT_NE(CVnUnitManager::UnitFromString(nullptr, unit, 1.0), 0);
    EXPECT_EQ(unit.GetName(), CString(L"cm"));
    EXPECT_EQ(unit.GetPrecision(), 3);
}

TEST(CVnUnit, CompoundsAndExponentsEqualTheUnitsReadFromText) {
    const CVnUnit kg = withDisplay(unitOf(L"kg"), 0, 3), m = unitOf(L"m");
    const CVnUnit lb = unitOf(L"lb"), ft = unitOf(L"ft"), mm = unitOf(L"mm");
    // The same name, kind, system and coefficient as the unit read from its text.
    const auto same = [](const CVnUnit& made, const wchar_t* text) {
        const CVnUnit read = unitOf(text);
        EXPECT_EQ(made.GetName(), read.GetName());
        EXPECT_EQ(made.GetIDUnit(), read.GetIDUnit()) << WideToUtf8(text);
        EXPECT_EQ(made.GetType(), read.GetType()) << WideToUtf8(text);
        EXPECT_EQ(made.GetCoef(), read.GetCoef()) << WideToUtf8(text);
    };
    const CVnUnit kgPerM = CVnUnit::MakeUnit(&kg, 1, &m, -1, 0);
    same(kgPerM, L"kg/m");
    EXPECT_EQ(kgPerM.GetPrecision(), 3);  // display settings come from the first unit
    same(CVnUnit::MakeUnit(&lb, 1, &ft, -1, nullptr), L"lb/ft");
    same(CVnUnit::MakeUnit(&mm, 1, &mm, 1, nullptr), L"mm2");
    same(CVnUnit::MakeUnit(&kgPerM, 1, &m, -1, 0), L"kg/m2");
    CVnUnit length = unitOf(L"mm");
    length.SetExponent(2);
    same(length, L"mm2");
    length.SetExponent(1);
    same(length, L"mm");

    // Square inches in sixteenths would show a #5 bar's 0.31 in2 as 5/16.
    CVnUnit inches = withDisplay(unitOf(L"in"), 1, 4);
    inches.SetExponent(2);
    EXPECT_EQ(show(inches, 0.31, 1), CString(L"0.31 in2"));

    CVnUnit number;
    number.SetExponent(1);
    EXPECT_EQ(number.GetIDUnit(), 10);
}

TEST(CVnUnit, String2DoubleReadsNumbersFeetAndInchesAndUnitsOfTheSameKind) {
    const struct {
        const wchar_t* unit;
        const wchar_t* text;
        double value;
    } cases[] = {{L"mm", L"12", 12},      {L"mm", L"-1.5", -1.5},     {L"mm", L"1e3", 1000},
                 {L"mm", L" 12 ", 12},    {L"mm", L"+4", 4},          {L"mm", L".5", 0.5},
                 {L"mm", L"12 mm", 12},   {L"mm", L"12MM", 12},       {L"mm", L"1.5m", 1500},
                 {L"mm", L"0.5in", 12.7}, {L"mm", L"-2 cm", -20},     {L"mm", L"-0", 0},
                 {L"mm", L"3/4", 0.75},   {L"mm", L"1 3/4", 1.75},    {L"mm", L"1 1/2 in", 38.1},
                 {L"mm", L"1e-3 m", 1},   {L"mm", L"1'", 304.8},      {L"in", L"1'-6 1/2\"", 18.5},
                 {L"in", L"1' 6\"", 18},  {L"in", L"18\"", 18},       {L"in", L"2'", 24},
                 {L"in", L"1'6", 18},     {L"in", L"-1'-6\"", -18},   {L"in", L"1'-0\"", 12},
                 {L"in", L"3/4\"", 0.75}, {L"in", L"1.5'", 18},       {L"in", L"1 1/2'", 18},
                 {L"mm", L"1 in", 25.4},  {L"mm2", L"1 in2", 645.16}, {L"kg", L"1 lb", 0.45359237},
                 {L"in", L"25.4 mm", 1}};
    for (const auto& c : cases) {
        Parsed parsed = parse(unitOf(c.unit), c.text);
        EXPECT_EQ(parsed.error, 0) << WideToUtf8(c.text);
        EXPECT_EQ(parsed.value, c.value) << WideToUtf8(c.text);
    }
    EXPECT_EQ(parse(unitOf(L"in"), L"1\u2032 6\u2033").value, 18) << "primes, as from a drawing";
    const CVnUnit mm = unitOf(L"mm");
    EXPECT_EQ(parse(mm, L"1.5m", 1).value, 1.5);
    EXPECT_EQ(parse(mm, L"12", 1).value, 0.012);
    EXPECT_EQ(parse(mm, L"1'-0\"", 1).value, 0.3048);
    EXPECT_NEAR(parse(unitOf(L"kg/m"), L"1.5 lb/ft").value, 2.232246, 5e-7);
    EXPECT_EQ(parse(CVnUnit(), L"2.5").value, 2.5);
    EXPECT_EQ(mm.String2Double(L"7", nullptr, 0), 7.0);
}

TEST(CVnUnit, String2DoubleRefusesWhatItCannotRead) {
    const CVnUnit mm = unitOf(L"mm");
    const wchar_t* const refused[] = {
        L"",    L"   ",   L"abc",    L"1..2",  L"1/0",         L"12 12",   L"1,5",     L"nan",
        L"NaN", L"inf",   L"-inf",   L"1e999", L"12 kg",       L"12 mm2",  L"--5",     L"- 5",
        L"+-5", L"-",     L"1/2/3",  L"3/4.5", L"1.5/2",       L"1 5/4",   L"1 1/2.5", L"0x10",
        L"12e", L"1'-6'", L"18\" 3", L"1'-",   L"12 furlongs", L"12 mm mm"};
    for (const wchar_t* text : refused) {
        const Parsed parsed = parse(mm, text);
        EXPECT_NE(parsed.error, 0) << WideToUtf8(text);
        EXPECT_EQ(parsed.value, 0.0) << WideToUtf8(text);
    }
    EXPECT_NE(parse(mm, std::wstring(300, L'1').c_str()).error, 0) << "300 digits";
    EXPECT_NE(parse(mm, nullptr).error, 0);
    EXPECT_NE(parse(unitOf(L"mm2"), L"12 mm").error, 0);
    EXPECT_NE(parse(unitOf(L"kg"), L"2'").error, 0);
    EXPECT_NE(parse(CVnUnit(), L"12 mm").error, 0);
    EXPECT_NE(parse(mm, L"1e308 m").error, 0);  // overflows in millimetres
}

TEST(CVnUnit, DecimalDisplayRoundsHalvesAwayFromZeroAndDropsTheSignOfZero) {
    const CVnUnit mm = unitOf(L"mm");
    EXPECT_EQ(show(withDisplay(mm, 0, 2), 2.675), CString(L"2.68"));
    EXPECT_EQ(show(withDisplay(mm, 0, 1), 12.25, 1), CString(L"12.3 mm"));
    EXPECT_EQ(show(withDisplay(mm, 0, 1), -12.25), CString(L"-12.3"));
    EXPECT_EQ(show(withDisplay(mm, 0, 0), 9.5), CString(L"10"));
    EXPECT_EQ(show(withDisplay(mm, 0, 1), -0.04), CString(L"0.0"));
    EXPECT_EQ(show(withDisplay(mm, 0, 1), 0.0125, 1, 1), CString(L"12.5 mm"));
    EXPECT_EQ(show(CVnUnit(), 3.14159, 1), CString(L"3.14"));  // no blank for no name
}

TEST(CVnUnit, MillimetreTextsReadBackAsShown) {
    for (int decimals : {0, 1, 2}) {
        const CVnUnit mm = withDisplay(unitOf(L"mm"), 0, decimals);
        const double step = std::pow(10.0, -decimals);
        for (int i = -3000; i <= 3000; ++i) {
            const double value = i * 0.3337 + (i % 7) * 0.005;
            const CString text = show(mm, value, i % 2);
            const Parsed parsed = parse(mm, text);
            ASSERT_EQ(parsed.error, 0) << WideToUtf8(text.GetString());
            EXPECT_LE(std::fabs(parsed.value - value), step / 2 + 1e-9) << value;
            EXPECT_EQ(show(mm, parsed.value, i % 2), text);
            // Through SI, as the bar editor does it: the same displayed value.
            const CString fromSI = show(mm, value / 1000, 1, 1);
            double backInUnit = parse(mm, fromSI, 1).value;
            mm.SI2Double(backInUnit, 1);
            EXPECT_DOUBLE_EQ(backInUnit, parse(mm, fromSI).value) << WideToUtf8(fromSI.GetString());
        }
    }
}

TEST(CVnUnit, InchesShowAsReducedSixteenths) {
    const CVnUnit in = withDisplay(unitOf(L"in"), 1, 4);
    EXPECT_EQ(show(in, 18.5, 1), CString(L"18 1/2\""));
    EXPECT_EQ(show(in, 18.5), CString(L"18 1/2"));
    EXPECT_EQ(show(in, -0.75, 1), CString(L"-3/4\""));
    EXPECT_EQ(show(in, 0.0, 1), CString(L"0\""));
    EXPECT_EQ(show(in, -0.01, 1), CString(L"0\""));
    EXPECT_EQ(show(in, 2.125), CString(L"2 1/8"));
    EXPECT_EQ(show(in, 0.97), CString(L"1"));
    EXPECT_EQ(show(in, 1.0 / 32), CString(L"1/16"));  // a half step rounds away from zero
    EXPECT_EQ(show(in, -1.0 / 32), CString(L"-1/16"));
    EXPECT_EQ(show(withDisplay(unitOf(L"ft"), 1, 2), 2.5, 1), CString(L"2 1/2'"));
    EXPECT_EQ(show(withDisplay(in, 0, 2), 1.5, 1), CString(L"1.50 in"));
}

TEST(CVnUnit, InchTextsReadBackAsShown) {
    const CVnUnit in = withDisplay(unitOf(L"in"), 1, 4);
    for (int i = -4000; i <= 4000; ++i) {
        const double value = i * 0.0137;
        const CString text = show(in, value, i % 2);
        const Parsed parsed = parse(in, text);
        ASSERT_EQ(parsed.error, 0) << WideToUtf8(text.GetString());
        EXPECT_EQ(parsed.value * 16, std::round(parsed.value * 16)) << value;
        EXPECT_LE(std::fabs(parsed.value - value), 1.0 / 32 + 1e-12) << value;
        EXPECT_EQ(show(in, parsed.value, i % 2), text);
    }
}

// A text longer than the reader takes (256 characters) or than the caller's buffer holds shows
// the value in its shortest digits, which read back exactly; it is never cut. Shorter texts read
// back as shown: fuzz_units found "55544444444999…9'" (53 digits, in feet) in millimetres with
// eight decimals, 56 digits before the point, which the reader once refused.
TEST(CVnUnit, TextsTooLongToReadBackOrForTheBufferShowTheShortestDigits) {
    const CVnUnit mm8 = withDisplay(unitOf(L"mm"), 0, 8);
    const Parsed typed = parse(mm8, L"55544444444999999999999999999999999999999999999999999'");
    const CString text = showUnbuffered(mm8, typed.value);
    ASSERT_GT(text.GetLength(), 64);
    const Parsed back = parse(mm8, text);
    ASSERT_EQ(back.error, 0) << WideToUtf8(text.GetString());
    EXPECT_EQ(showUnbuffered(mm8, back.value), text);
    EXPECT_EQ(back.value, std::stod(WideToUtf8(text.Left(text.Find(L' ')).GetString())));

    const CVnUnit mm = withDisplay(unitOf(L"mm"), 0, 17);
    const double undefinedValue = -1.7976931348623157e+150;
    for (const double value : {1e300, -1.7976931348623157e308, undefinedValue}) {
        const CString shortest = showUnbuffered(mm, value);
        EXPECT_LE(shortest.GetLength(), 256) << WideToUtf8(shortest.GetString());
        const Parsed exact = parse(mm, shortest);
        EXPECT_EQ(exact.value, value) << WideToUtf8(shortest.GetString());
        EXPECT_EQ(exact.error, 0);
    }
    // Values whose decimals fit are still shown with them.
    EXPECT_EQ(showUnbuffered(withDisplay(mm, 0, 2), 1e100).GetLength(), 101 + 3 + 3);
    EXPECT_EQ(parse(mm, show(withDisplay(mm, 0, 1), undefinedValue, 1)).value, undefinedValue);

    wchar_t small[6] = L"xxxxx";
    EXPECT_EQ(mm.Double2String(small, 12345.6, 0, L"%.*f", 0, 1, 6), CString(L""));
    EXPECT_EQ(small[0], L'\0');
    EXPECT_EQ(mm.Double2String(nullptr, 0.1 + 0.2, 0, nullptr, 0, 0, 0),
              CString(L"0.30000000000000004"));
}

TEST(CVnUnitManager, DisplayUnitsFollowTheMetricOrImperialSettings) {
    CVnUnitManager manager;
    EXPECT_TRUE(manager.IsMetric());
    const struct {
        int id;
        const wchar_t* metric;
        const wchar_t* imperial;
    } kinds[] = {{1, L"mm", L"in"},
                 {2, L"mm2", L"in2"},
                 {4, L"kg", L"lb"},
                 {5, L"kg/m", L"lb/ft"},
                 {10, L"", L""}};
    for (const auto& k : kinds) {
        ASSERT_NE(manager.GetVisUnit(k.id), nullptr);
        EXPECT_EQ(manager.GetVisUnit(k.id)->GetName(), CString(k.metric));
    }
    for (int unknown : {0, 3, 6, 11, -1}) EXPECT_EQ(manager.GetVisUnit(unknown), nullptr);

    CVnUnit* length = manager.GetVisUnit(1);
    manager.SetMetricsFactor(1000.0);
    manager.SetMetric(false);
    for (const auto& k : kinds) {
        EXPECT_EQ(manager.GetVisUnit(k.id)->GetName(), CString(k.imperial));
        EXPECT_EQ(manager.GetVisUnit(k.id)->GetMetricsFactor(), 1000.0);
    }
    EXPECT_EQ(manager.GetVisUnit(1), length);
    EXPECT_EQ(show(*length, 0.4699, 1, 1), CString(L"18 1/2\""));
    EXPECT_EQ(show(*manager.GetVisUnit(2), 0.31 * 0.00064516, 1, 1), CString(L"0.31 in2"));
    manager.SetPrecision(1, 3);
    EXPECT_EQ(show(*length, 2.0625, 1), CString(L"2 1/8\""));

    manager.SetMetric(true);
    EXPECT_EQ(length->GetName(), CString(L"mm"));
}
