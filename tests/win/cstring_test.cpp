#include "win/cstring.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "support/cstring_printer.h"
#include "win/crt.h"

namespace {

// Switches the process to a locale whose decimal point is a comma, if one is installed; the
// test goes back to the "C" locale it started in.
bool commaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_ALL, name)) return true;
    return false;
}

template <class... Args>
CString formatted(const wchar_t* format, const Args&... args) {
    CString s;
    s.Format(format, args...);
    return s;
}

}  // namespace

TEST(CString, ConstructionAcceptsNullRepeatsAndUtf8) {
    EXPECT_TRUE(CString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
    EXPECT_EQ(CString(L'-', 3), L"---");
    EXPECT_EQ(CString(L"abcdef", 3), L"abc");
    EXPECT_EQ(CString("Stahl Ö ß"), L"Stahl Ö ß");
    EXPECT_EQ(CString("a\xC3(\xE2\x82"), L"a\uFFFD(\uFFFD\uFFFD") << "bad UTF-8 is replaced";
    EXPECT_EQ(WideToUtf8(L"Ø€\U0001F600"), "Ø€\U0001F600");
    CString moved(CString(L"x"));
    CString target;
    target = std::move(moved);
    EXPECT_EQ(target, L"x");
    target += L'y';
    target += L"z";
    EXPECT_EQ(L">" + target + L'<', L">xyz<");
}

TEST(CString, ComparisonsAreOrdinalOnEitherSideAndKeysHashByText) {
    CString b(L"B");
    EXPECT_TRUE(b == L"B");
    EXPECT_TRUE(L"B" == b);
    EXPECT_TRUE(b != L"b");
    EXPECT_TRUE(b < L"a") << "upper case sorts before lower case";
    EXPECT_TRUE(L"A" < b);
    EXPECT_LT(CString(L"abc").Compare(L"abd"), 0);
    EXPECT_GT(CString(L"abc").Compare(nullptr), 0);

    // Keys built at different addresses: pairs must compare the texts, not their pointers.
    std::map<std::pair<CString, int>, int> byPair{{{CString(L"REBAR"), 1}, 7}, {{L"Ø12", 2}, 1}};
    CString key(L"rebar");
    key.MakeUpper();
    EXPECT_EQ(byPair.count({key, 1}), 1u);
    EXPECT_EQ(HashKey(key), HashKey(L"REBAR"));
    EXPECT_EQ(std::hash<CString>{}(key), std::hash<CString>{}(CString(L"REB") + L"AR"));
}

TEST(CString, CaseRulesCoverAccentedAndCyrillicLetters) {
    EXPECT_EQ(CString(L"éte").CompareNoCase(L"ÉTE"), 0);
    EXPECT_EQ(CString(L"STÖRUNG").CompareNoCase(L"störung"), 0);
    EXPECT_EQ(CString(L"арматура").CompareNoCase(L"АРМАТУРА"), 0);
    EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
    EXPECT_NE(CString(L"e").CompareNoCase(L"é"), 0);

    CString s(L"fe500 ö é ж");
    EXPECT_EQ(s.MakeUpper(), L"FE500 Ö É Ж");
    EXPECT_EQ(s.MakeLower(), L"fe500 ö é ж");
    EXPECT_EQ(s.MakeReverse(), L"ж é ö 005ef");
}

TEST(CString, FormatTreatsPercentSAsWideString) {
    EXPECT_EQ(formatted(L"( %s )", L"mm"), L"( mm )");
    EXPECT_EQ(formatted(L"%s|%S|%hs|%ls", L"Ø wide", "Ö narrow", "ß", L"ж"),
              L"Ø wide|Ö narrow|ß|ж");
    EXPECT_EQ(formatted(L"[%5s][%-5s][%.2s]", L"ab", L"ab", L"abcdef"), L"[   ab][ab   ][ab]");
    EXPECT_EQ(formatted(L"%c%C%c", L'é', 'x', L'Ж'), L"éxЖ");
    CString s = formatted(L"%s", static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(s, L"(null)");
    s.Format(L"%s=%s", CString(L"HA12"), s);  // CString arguments, one of them the target itself
    EXPECT_EQ(s, L"HA12=(null)");
}

TEST(CString, FormatWritesNumbersAsPrintfDoes) {
    // 12.5 rounds to the even 12, as the runtime does.
    EXPECT_EQ(formatted(L"%.2f|%.0f|%.0f|%g|%g|%lg|%.3lg|%.3lg", 0.888, 12.5, 12.6, 12.0, 6.5,
                        0.0001, 4.2, 4.0004),
              L"0.89|12|13|12|6.5|0.0001|4.2|4");

    EXPECT_EQ(formatted(L"%d|%5d|%-4d|%05d|%x|%X|%u|%%", -7, 42, 3, 12, 255, 255, 4000000000u),
              L"-7|   42|3   |00012|ff|FF|4000000000|%");
    EXPECT_EQ(formatted(L"%I64d %I64u %lld %ld", -9000000000LL, 18000000000ULL, 5LL, 123L),
              L"-9000000000 18000000000 5 123");
    EXPECT_EQ(formatted(L"%.*f|%*d", 1, 2.25, 4, 7), L"2.2|   7");
    CString s = formatted(L"%d %s", 1, L"a");
    s.AppendFormat(L"; %d %s", 2, L"b");
    EXPECT_EQ(s, L"1 a; 2 b");
}

TEST(CString, FormatProducesResultsOfAnyLength) {
    const CString s = formatted(L"<%s>%d", CString(L'x', 100000).GetString(), 5);
    ASSERT_EQ(s.GetLength(), 100003);
    EXPECT_EQ(s.Right(3), L"x>5");
    EXPECT_EQ(formatted(L"%.400f", 1.0).GetLength(), 402);
}

// Catalogue numbers are written and read with a dot, as on Windows, whatever the process locale.
TEST(CString, FormatAndWtofUseADotWhateverTheProcessLocale) {
    if (!commaLocale()) GTEST_SKIP() << "no locale with a decimal comma is installed";
    const CString fixed = formatted(L"%.2f", 1.5), general = formatted(L"%g", 6.5);
    const double dot = _wtof(L"6.5"), comma = _wtof(L"6,5");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(fixed, L"1.50");
    EXPECT_EQ(general, L"6.5");
    EXPECT_EQ(dot, 6.5);
    EXPECT_EQ(comma, 6.0);
}

// Each line: found, found from a start, not found after the start, and not found at all.
TEST(CString, SearchesReportMinusOneWhenNothingIsFound) {
    const CString s(L"HA 12 mm");
    EXPECT_EQ((std::vector{s.Find(L'1'), s.Find(L'm', 7), s.Find(L'H', 1), s.Find(L'H', 99)}),
              (std::vector{3, 7, -1, -1}));
    EXPECT_EQ((std::vector{s.Find(L"mm"), s.Find(L""), s.Find(L"mm", 7), s.Find(L"zz")}),
              (std::vector{6, 0, -1, -1}));
    EXPECT_EQ((std::vector{s.ReverseFind(L'm'), s.FindOneOf(L"0123456789"), s.ReverseFind(L'q'),
                           s.FindOneOf(L"xyz")}),
              (std::vector{7, 3, -1, -1}));
}

TEST(CString, ExtractionClampsOutOfRangeArguments) {
    const CString s(L"abcdef");
    using Texts = std::vector<CString>;
    EXPECT_EQ((Texts{s.Mid(2), s.Mid(2, 2), s.Mid(4, 100), s.Mid(-3, 2), s.Mid(10), s.Mid(1, -1)}),
              (Texts{L"cdef", L"cd", L"ef", L"ab", L"", L""}));
    EXPECT_EQ((Texts{s.Left(2), s.Left(100), s.Left(-1), s.Right(2), s.Right(100), s.Right(-1)}),
              (Texts{L"ab", L"abcdef", L"", L"ef", L"abcdef", L""}));
    EXPECT_EQ((Texts{s.SpanIncluding(L"cba"), s.SpanExcluding(L"dx")}), (Texts{L"abc", L"abc"}));
}

TEST(CString, EditingReturnsCountsAndLengths) {
    CString s(L"  HA 12\t\n");
    EXPECT_EQ(s.Trim(), L"HA 12");
    EXPECT_EQ(CString(L"--x--").Trim(L'-'), L"x");
    EXPECT_EQ(CString(L"#(x)#").TrimLeft(L"#(").TrimRight(L")#"), L"x");
    EXPECT_EQ(CString(L"\u00a0 x").TrimLeft(), L"\u00a0 x") << "no-break space is not a blank";

    CString r(L"a.b.c");
    EXPECT_EQ(r.Replace(L'.', L','), 2);
    EXPECT_EQ(r, L"a,b,c");
    EXPECT_EQ(r.Replace(L",", L" - "), 2);
    EXPECT_EQ(r, L"a - b - c");
    EXPECT_EQ(r.Replace(L"", L"x"), 0);
    EXPECT_EQ(r.Replace(L" - ", nullptr), 2);
    EXPECT_EQ(r, L"abc");
    EXPECT_EQ(r.Remove(L'b'), 1);
    EXPECT_EQ(r.Insert(1, L'-'), 3);
    EXPECT_EQ(r.Insert(99, L"!"), 4);
    EXPECT_EQ(r, L"a-c!");
    EXPECT_EQ(r.Delete(1), 3);
    EXPECT_EQ(r.Delete(1, 99), 1);
    EXPECT_EQ(r.Delete(5), 1);
    EXPECT_EQ(r, L"a");
}

TEST(CString, TokenizeSkipsEmptyTokensAndEndsWithMinusOne) {
    CString s(L";HA 8;;HA 10; ");
    int pos = 0;
    for (const wchar_t* token : {L"HA 8", L"HA 10", L" ", L""})
        EXPECT_EQ(s.Tokenize(L";", pos), token);
    EXPECT_EQ(pos, -1);
}

TEST(CString, BufferWritesBecomeTheString) {
    CString s(L"ab");
    wchar_t* buffer = s.GetBuffer(10);
    wcscpy(buffer, L"abcdefghij");
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"abcdefghij");
    s.GetBuffer()[3] = L'\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"abc");
    s.GetBufferSetLength(2);
    s.ReleaseBuffer(1);
    EXPECT_EQ(s, L"a");
}

// Copies share their characters until one changes: a change through any member must reach
// that copy alone, also when the string is copied from itself or appended to itself.
TEST(CString, ACopyChangesAloneWhateverChangesIt) {
    const std::vector<std::pair<const char*, std::function<void(CString&)>>> changes = {
        {"SetAt", [](CString& s) { s.SetAt(0, L'x'); }},
        {"+=", [](CString& s) { s += L"-tail"; }},
        {"Append", [](CString& s) { s.Append(L"abc", 2); }},
        {"MakeUpper", [](CString& s) { s.MakeUpper(); }},
        {"MakeLower", [](CString& s) { s.MakeLower(); }},
        {"MakeReverse", [](CString& s) { s.MakeReverse(); }},
        {"Trim", [](CString& s) { s.Trim(L"Ø "); }},
        {"Replace", [](CString& s) { s.Replace(L"16", L"20"); }},
        {"Replace char", [](CString& s) { s.Replace(L'1', L'2'); }},
        {"Remove", [](CString& s) { s.Remove(L'6'); }},
        {"Insert", [](CString& s) { s.Insert(1, L"+"); }},
        {"Delete", [](CString& s) { s.Delete(0, 2); }},
        {"Format", [](CString& s) { s.Format(L"%s/%d", s.GetString(), 2); }},
        {"AppendFormat", [](CString& s) { s.AppendFormat(L"%d", 7); }},
        {"Empty", [](CString& s) { s.Empty(); }},
        {"GetBuffer",
         [](CString& s) {
             s.GetBuffer()[0] = L'#';
             s.ReleaseBuffer();
         }},
        {"assign", [](CString& s) { s = L"other"; }},
    };
    const CString original(L" Ø 16 bar ");
    for (const auto& [name, change] : changes) {
        CString copy = original;
        change(copy);
        EXPECT_EQ(original, L" Ø 16 bar ") << name;
        EXPECT_NE(copy, original) << name;
    }

    CString self(L"ab");
    self += self;
    EXPECT_EQ(self, L"abab");
    const CString& alias = self;
    self = alias;
    self.Insert(0, self.GetString());
    EXPECT_EQ(self, L"abababab");

    // Copies made and dropped on several threads at once keep the count right (the sanitizers
    // report any error), and every copy still reads the same characters.
    const CString shared(L"HA12 shared by threads");
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&shared] {
            for (int i = 0; i < 20000; ++i) {
                CString copy = shared;
                if (i % 1000 == 0) copy.MakeLower();
                EXPECT_EQ(copy.GetLength(), shared.GetLength());
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(shared, L"HA12 shared by threads");
}

TEST(CStringDeathTest, IndexOutsideTheStringStops) {
    CString s(L"ab");
    EXPECT_DEATH(s.GetAt(2), "assertion failed");
}
