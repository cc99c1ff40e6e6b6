// What a user gets from a catalogue file that is not what it should be: a file that is no
// database, a damaged one, one that lacks tables or columns, cells that hold the wrong kind of
// value or none, numbers that are not finite, unusual names and unusually large catalogues.
// Each file is bound to a drawing the way the host binds it, every query a user can reach is
// asked, and none may crash or throw: the guard around the catalogue's members would report an
// escaped exception to the crash handler, so its reports must stay empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <string>

#include "catalogfixture.h"
#include "rebar/rebarvalues.h"
#include "vntl/vncrashhandler.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace {

namespace fs = std::filesystem;
using Names = Texts;

constexpr double kPi = 3.141592653589793;
constexpr double kInf = std::numeric_limits<double>::infinity();

// An SQL text literal (mark ') or name (mark ").
std::string quoted(const std::wstring& text, char mark = '\'') {
    std::string result(1, mark);
    for (char c : WideToUtf8(text)) result += c == mark ? std::string(2, c) : std::string(1, c);
    return result + mark;
}

// Values with 12 significant digits, "-" for a value not given, separated by blanks.
std::string numbers(std::initializer_list<double> values) {
    std::string text;
    for (double value : values) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.12g", value);
        text += (text.empty() ? "" : " ") +
                (value == rebar::kUndefinedValue ? std::string("-") : std::string(digits));
    }
    return text;
}

std::string joined(const Names& names) {
    std::string text;
    for (const std::wstring& name : names) text += (text.empty() ? "" : ",") + WideToUtf8(name);
    return text;
}

// Everything a user can ask the catalogue about one family, one bar and one diameter. The
// definition record's version, editor, comment and date are joined by '|'. `line` states in one
// string what a user sees: the definition's name and type, the families, the family's bars, the
// bar's nominal and real diameters, weight, section and stock lengths, the bar found by
// diameter, the weight unit and the hook length at 90 degrees; "-" where there is no answer.
struct Answers {
    CString definition;
    bool familiesAnswered = false, found = false, foundByDiameter = false;
    Names families, bars;
    CVnRebarSteelGrade bar, barByDiameter;
    std::string line;
};

Answers ask(const wchar_t* family, const wchar_t* barName, const wchar_t* diameter,
            const wchar_t* standard = L"NF P 02-016") {
    Answers a;
    CVnRebarSteelGradeCatalog catalog;
    a.definition = catalog.Version() + L"|" + catalog.EditorName() + L"|" + catalog.DefComment() +
                   L"|" + catalog.LastUpdate();
    a.line = "name " + WideToUtf8(catalog.Name().GetString()) + "; type " +
             std::to_string(catalog.DefType()) +
             (catalog.IsValidCatalog(catalog.GetTypeName()) ? " bars" : " other");
    CStringList families, bars;
    a.familiesAnswered = catalog.GetSteelgradeFamilies(families, CString());
    a.families = items(families);
    const bool listed = catalog.GetFamilySteelgrade(bars, family);
    a.bars = items(bars);
    CVnRebarSteelGrade& b = a.bar = catalog.GetSteelgrade(barName, family, 1.0, a.found);
    a.barByDiameter = catalog.GetSteelgradeByDiameter(diameter, family, 1.0, a.foundByDiameter);
    CVnUnit unit;
    const bool unitKnown = catalog.GetParameterUnit(family, L"Weight", unit, 1.0);
    double hook = 0;
    const bool hooked =
        catalog.getDefaultHookLength(kPi / 2, standard, family, L"12", hook, 1.0) == 1;
    a.line += "; families " + joined(a.families) + "; list " + (listed ? joined(a.bars) : "-") +
              "; bar " +
              (a.found ? numbers({b.diameterNom(), b.diameterReal(), b.weight(), b.surface(),
                                  b.millStockLength(), b.maxStockLength()})
                       : "-") +
              "; by diameter " +
              (a.foundByDiameter ? WideToUtf8(a.barByDiameter.name().GetString()) : "-") +
              "; unit " + (unitKnown ? WideToUtf8(unit.GetName().GetString()) : "-") + "; hook " +
              (hooked ? numbers({hook}) : "-");
    return a;
}

class BadInput : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        CVnCrashHandler::setLogPath("");
        CVnCrashHandler::clearReports();
    }
    void TearDown() override {
        EXPECT_TRUE(CVnCrashHandler::reports().empty())
            << "an exception escaped into the guard: "
            << WideToUtf8(CVnCrashHandler::reports().front().what) << " at "
            << WideToUtf8(CVnCrashHandler::reports().front().sourceFile);
        CVnCrashHandler::clearReports();
        CatalogFixture::TearDown();
    }

    void bindBytes(const std::string& bytes, const std::string& fileName) {
        const fs::path file = m_folder / fileName;
        testsupport::writeFile(file, bytes);
        bind(file);
    }

    // What the drawing's container says about the file it was given: its path when it
    // serves the file, else why not.
    struct Served {
        CString path;
        CString reason;
    };
    Served served() {
        VNTLMdbContainer* container = openContainer();
        if (!container) return {CString(), L"no container"};
        Served result{container->getName(), container->getLastError()};
        container->close();
        return result;
    }
};

}  // namespace

// Which reason the container gives for which damage is the store's to test; here, that the
// catalogue passes a reason on and gives nothing else.
TEST_F(BadInput, AFileTheCatalogueCannotReadGivesNothingAndSaysWhy) {
    testsupport::buildDatabaseFromFile(m_folder / "good.mdb", fixture("catalog.sql"));
    const std::string good = testsupport::readFile(m_folder / "good.mdb");
    ASSERT_GT(good.size(), 8192u);
    const std::pair<const char*, std::string> cases[] = {
        {"notes.mdb", "Name;Diameter;Weight\nHA12;12;0.888\nHA16;16;1.578\n"},
        {"empty.mdb", ""},
        {"header-only.mdb", good.substr(0, 60)},
        {"truncated.mdb", good.substr(0, good.size() / 2 + 100)},
        {"one-page.mdb", good.substr(0, 4096)},
        {"zeros.mdb", std::string(8192, '\0')},
    };
    for (const auto& [file, bytes] : cases) {
        SCOPED_TRACE(file);
        bindBytes(bytes, file);
        const Served container = served();
        EXPECT_TRUE(container.path.IsEmpty());
        EXPECT_NE(std::wstring(container.reason.GetString()).find(Utf8ToWide(file)),
                  std::wstring::npos)
            << "the reason names the file";
        const Answers a = ask(L"FE500 HA", L"12", L"12");
        EXPECT_EQ(a.definition, L"|||");
        // The family list answers true, empty: the host shows an empty catalogue.
        EXPECT_TRUE(a.familiesAnswered);
        EXPECT_EQ(a.line,
                  "name ; type 0 other; families ; list -; bar -; by diameter -; unit -; hook -");
        CVnRebarSteelGradeCatalog catalog;
        EXPECT_TRUE(catalog.GetDBPath().IsEmpty());
        EXPECT_FALSE(catalog.SaveDatabase()) << "nothing to save over the unreadable file";
        EXPECT_EQ(testsupport::readFile(m_folder / file), bytes) << "the file was touched";
        // The reason is still there for whoever asks after the queries.
        EXPECT_FALSE(served().reason.IsEmpty());
    }
}

TEST_F(BadInput, MissingTablesLeaveWhatTheOtherTablesSay) {
    // Each file, and what the catalogue answers about its bar 12 of "FE500 HA".
    const std::pair<const char*, const char*> cases[] = {
        // No "Definition": not recognised as a bar catalogue; 10 diameters of 12 mm as hook.
        {"bad_no_definition.sql",
         "name ; type 0 other; families FE500 HA; list 16,12; bar 0.012 0.012 0.888 0.0001131 12 "
         "15; by diameter 12; unit kg/m; hook 0.12"},
        // No "Units": stored numbers are taken as they are, in SI units: 12 mm reads as 12 m.
        {"bad_no_units.sql",
         "name Arrangements; type 1 bars; families FE500 HA; list 16,12; bar 12 12 0.888 113.1 12 "
         "15; by diameter 12; unit -; hook 120"},
        // No "SteelGradeList": no family is listed, and the hook tables, which apply to the
        // families of their standard, apply to none; a family asked for by name still answers.
        {"bad_no_steelgradelist.sql",
         "name Arrangements; type 1 bars; families ; list 16,12; bar 0.012 0.012 0.888 0.0001131 "
         "12 15; by diameter 12; unit kg/m; hook -"},
    };
    for (const auto& [fixture, answers] : cases) {
        SCOPED_TRACE(fixture);
        openDrawing(fixture, std::string(fixture) + ".mdb");
        EXPECT_FALSE(served().path.IsEmpty());
        EXPECT_EQ(ask(L"FE500 HA", L"12", L"12").line, answers);
    }
    // Without the list of families (the last file), a search over all of them finds nothing,
    // and no family has a steel limit or a standard.
    CVnRebarSteelGradeCatalog catalog;
    bool found = true;
    catalog.GetSteelgrade(L"12", nullptr, 1.0, found);
    EXPECT_FALSE(found);
    double limit = 0;
    EXPECT_FALSE(catalog.GetSteelLimit(L"FE500 HA", limit));
    EXPECT_TRUE(catalog.GetStandardFromSteelGrade(L"FE500 HA").IsEmpty());
}

TEST_F(BadInput, MissingColumnsReadAsEmptyCells) {
    openDrawing("bad_missing_columns.sql", "MissingColumns.mdb");
    // Without a diameter column the family cannot be listed by diameter or searched by one; by
    // name the bar is found, the columns it lacks read as 0 and the stock lengths as not given;
    // the section has no unit and is taken as it is; a hook table without multiplicators gives
    // no hook.
    EXPECT_EQ(ask(L"FE500 HA", L"12", L"12").line,
              "name Arrangements; type 0 bars; families FE500 HA,Names only; list -; bar 0 0 0.888 "
              "113.1 - -; by diameter -; unit kg/m; hook -");

    CVnRebarSteelGradeCatalog catalog;
    EXPECT_FALSE(catalog.CheckSteelgradeFamilyForFixedDiameter(L"FE500 HA"));
    double limit = 0;
    EXPECT_FALSE(catalog.GetSteelLimit(L"FE500 HA", limit));
    CString adherence;
    bool found = true;
    catalog.GetAdherence(L"FE500 HA", adherence, found);
    EXPECT_FALSE(found);
    bool fixed = true;
    CStringList diameters;
    EXPECT_TRUE(catalog.GetDiametersForFamilySteelgrade(diameters, L"Names only", fixed));
    EXPECT_TRUE(diameters.IsEmpty());
    catalog.GetSteelgrade(L"HA16", L"Names only", 1.0, found);
    EXPECT_TRUE(found);
}

TEST_F(BadInput, TextInNumericColumnsReadsAsTheNumberItStartsWith) {
    openDrawing("bad_text_in_numbers.sql", "TextInNumbers.mdb");
    // Def_type 'seven' is no number; diameters 'twelve' (sorting as 0) and '12 mm'; weight
    // '0.888 kg/m'; section 'n/a'; stock lengths 'twelve metres' and an empty text, a value
    // rather than an empty cell. '16' became the number 16 on its way into the file: it is
    // found by diameter. The hook row 'ten' at 90 degrees multiplies by 0: no hook.
    EXPECT_EQ(ask(L"FE500 HA", L"12", L"16").line,
              "name Arrangements; type 0 bars; families FE500 HA; list 16,12; bar 0 0.012 0.888 0 "
              "0 0; by diameter 16; unit kg/m; hook -");
    CVnRebarSteelGradeCatalog catalog;
    bool found = true;
    catalog.GetSteelgradeByDiameter(L"twelve", L"FE500 HA", 1.0, found);
    EXPECT_FALSE(found) << "a number is never matched against a text cell";
    double limit = 0;
    EXPECT_TRUE(catalog.GetSteelLimit(L"FE500 HA", limit));
    EXPECT_EQ(limit, 0.0) << "'high'";
    // 'ninety' is angle 0; '5 d' multiplies by 5.
    double length = 0;
    EXPECT_EQ(catalog.getDefaultHookLength(kPi, L"NF P 02-016", L"FE500 HA", L"12", length, 1.0),
              1);
    EXPECT_DOUBLE_EQ(length, 0.06);
}

TEST_F(BadInput, EmptyCellsEverywhereGiveEmptyAnswers) {
    openDrawing("bad_null_everywhere.sql", "NullEverywhere.mdb");
    // The list's one row names no family; bars without a name are not listed; an empty name is
    // not a name and an empty diameter is not 0.
    const Answers a = ask(L"FE500 HA", L"", L"0");
    EXPECT_EQ(a.definition, L"|||");
    EXPECT_EQ(a.line,
              "name ; type 0 other; families ; list ; bar -; by diameter -; unit -; hook -");
    EXPECT_EQ(a.families.size(), 1u);

    CVnRebarSteelGradeCatalog catalog;
    bool found = true;
    catalog.GetSteelgrade(L"12", nullptr, 1.0, found);
    EXPECT_FALSE(found);
    EXPECT_FALSE(catalog.FindSteelgradeFamily(L""));
}

TEST_F(BadInput, InfiniteNumbersStayInfiniteAndNotANumberReadsAsNotGiven) {
    openDrawing("bad_nonfinite.sql", "NonFinite.mdb");
    // Infinite values stay infinite through scale and unit, never the "not given" value; an
    // infinite type is no type; 9e999 - 9e999 was stored as an empty cell: a stock length not
    // given; 'inf' reads as the infinite diameter.
    EXPECT_EQ(ask(L"FE500 HA", L"inf", L"inf").line,
              "name Arrangements; type 0 bars; families FE500 HA,Texts; list inf,12; bar inf inf "
              "inf -inf inf -; by diameter INF; unit kg/m; hook inf");
    // Texts that parse as numbers that are not finite: 'NaN' is a value not given and sorts
    // last; 'Infinity' is infinite; a text cell is never found by diameter.
    EXPECT_EQ(ask(L"Texts", L"nan", L"12").line,
              "name Arrangements; type 0 bars; families FE500 HA,Texts; list inf,12,nan; bar - - - "
              "- - -; by diameter 12; unit kg/m; hook inf");
    EXPECT_EQ(
        ask(L"Texts", L"inf", L"inf").line,
        "name Arrangements; type 0 bars; families FE500 HA,Texts; list inf,12,nan; bar inf inf "
        "inf -inf inf inf; by diameter -; unit kg/m; hook inf");
    CVnRebarSteelGradeCatalog catalog;
    double limit = 0;
    EXPECT_TRUE(catalog.GetSteelLimit(L"FE500 HA", limit));
    EXPECT_EQ(limit, kInf);
    EXPECT_TRUE(catalog.GetSteelLimit(L"Texts", limit));
    EXPECT_TRUE(std::isnan(limit)) << "the steel limit is read as it is";
    double length = 0;
    EXPECT_EQ(catalog.getDefaultHookLength(kPi, L"NF P 02-016", L"FE500 HA", L"12", length, 1.0), 0)
        << "no multiplicator at 180 degrees, whatever the row whose angle is not a number";

    // Bars whose diameter is not a number come last; the others keep their diameter order.
    CStringList bars;
    ASSERT_TRUE(catalog.GetFamilySteelgrade(bars, L"Unsorted"));
    Names sorted = items(bars);
    ASSERT_EQ(sorted.size(), 20u);
    std::sort(sorted.begin() + 18, sorted.end());
    EXPECT_EQ(joined(sorted), "50,45,40,36,32,28,26,25,22,20,18,16,14,12,10,8,6,5,NaN 1,NaN 2");
}

TEST_F(BadInput, NamesWithQuotesBlanksAndOtherScriptsAreFoundAsWritten) {
    openDrawing("bad_names.sql", "Names.mdb");
    const Names families = {L"B500 \"Nord\"", L"O'Brien's grade", L"  Blank  grade ",
                            L"Арматура А500С", L"鉄筋 SD390"};
    const struct {
        const wchar_t* family;
        const wchar_t* bar;
        const wchar_t* other;
    } bars[] = {
        {L"B500 \"Nord\"", L"12\"", L"\"16\""},
        {L"O'Brien's grade", L"12'", L"x'); DROP TABLE \"Units\"; --"},
        {L"  Blank  grade ", L" 12 ", L"Ø 16"},
        {L"Арматура А500С", L"Ø12 А500С", L"Ø16 А500С"},
        {L"鉄筋 SD390", L"D13", L"異形 D16"},
    };
    const Answers first = ask(L"B500 \"Nord\"", L"12\"", L"12");
    EXPECT_EQ(first.definition,
              L"{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}|Bureau d'études \"Nord\"|"
              L"Арматурная сталь; 鉄筋; Ωμέγα|2024/01/15");
    EXPECT_EQ(first.families, families);
    for (const auto& b : bars) {
        SCOPED_TRACE(WideToUtf8(b.family));
        Answers a = ask(b.family, b.bar, L"16");
        EXPECT_EQ(a.bars, (Names{b.other, b.bar}));
        EXPECT_EQ(a.bar.family(), CString(b.family).MakeUpper());
        EXPECT_GT(a.bar.weight(), 0.8);
        EXPECT_EQ(a.barByDiameter.name(), CString(b.other).MakeUpper());
        EXPECT_NE(a.line.find("; unit kg/m;"), std::string::npos) << a.line;
    }
    CVnRebarSteelGradeCatalog catalog;
    EXPECT_FALSE(catalog.FindSteelgrade(L"12", L"  Blank  grade ")) << "blanks are part of names";
    EXPECT_FALSE(catalog.FindSteelgradeFamily(L"Blank grade"));
    EXPECT_TRUE(catalog.FindSteelgrade(L"ø 16", L"  Blank  grade ")) << "any letter case";
    CVnUnit unit;
    EXPECT_TRUE(catalog.GetParameterUnit(L"鉄筋 SD390", L"Weight", unit, 1.0))
        << "the name that reads like SQL did nothing to the units table";
}

// A bar catalogue of `families` of the standard "NF P 02-016", each with a 12 mm bar "<n>-12"
// and a 16 mm bar "<n>-16", units in mm and kg/m; the last family's 12 mm bar is `lastBar`.
static std::string catalogueOf(const Names& families, const std::wstring& lastBar) {
    std::string sql =
        "CREATE TABLE \"Definition\" (\"Def_name\" TEXT, \"Def_type\" INTEGER);\n"
        "INSERT INTO \"Definition\" VALUES ('Arrangements', 1);\n"
        "CREATE TABLE \"SteelGradeList\" (\"Name\" TEXT, \"Standard\" TEXT);\n"
        "CREATE TABLE \"Units\" (\"Family\" TEXT, \"Diameter_Real\" TEXT, \"Weight\" TEXT);\n"
        "CREATE TABLE \"Hooks NF P 02-016\" (\"Angle\" REAL, \"Multiplicators\" REAL);\n"
        "INSERT INTO \"Hooks NF P 02-016\" VALUES (90, 10), (180, 5);\n";
    for (std::size_t i = 0; i < families.size(); ++i) {
        const std::string family = quoted(families[i]), table = quoted(families[i], '"');
        const std::wstring n = std::to_wstring(i + 1);
        const std::wstring bar = i + 1 == families.size() ? lastBar : n + L"-12";
        sql += "INSERT INTO \"SteelGradeList\" VALUES (" + family + ", 'NF P 02-016');\n";
        sql += "INSERT INTO \"Units\" VALUES (" + family + ", 'mm', 'kg/m');\n";
        sql += "CREATE TABLE " + table +
               " (\"Name\" TEXT, \"Diameter_Nominal\" REAL, \"Weight\" REAL);\n";
        sql += "INSERT INTO " + table + " VALUES (" + quoted(bar) + ", 12, 0.888), (" +
               quoted(n + L"-16") + ", 16, 1.578);\n";
    }
    return sql;
}

// The last family's name and its 12 mm bar's name are ten thousand characters long.
TEST_F(BadInput, TwoThousandFamiliesAndNamesOfTenThousandCharactersAnswerLikeASmallCatalogue) {
    Names families;
    for (int i = 1; i < 2000; ++i) families.push_back(L"G" + std::to_wstring(i));
    const std::wstring family = L"Ж" + std::wstring(9998, L'x') + L"'";
    const std::wstring bar = L"\"" + std::wstring(9998, L'é') + L"Ω";
    families.push_back(family);
    testsupport::buildDatabase(m_folder / "Large.mdb", catalogueOf(families, bar));
    bind(m_folder / "Large.mdb");
    Answers a = ask(family.c_str(), bar.c_str(), L"16");
    EXPECT_EQ(a.families, families);
    EXPECT_EQ(a.bars, (Names{L"2000-16", bar}));
    EXPECT_EQ(a.bar.name().GetLength(), 10000);
    EXPECT_EQ(a.line.substr(a.line.find("; bar ")),
              "; bar 0.012 0 0.888 0 - -; by diameter 2000-16; unit kg/m; hook 0.12");
    CVnRebarSteelGradeCatalog catalog;
    bool found = false;
    CVnRebarSteelGrade last = catalog.GetSteelgrade(bar.c_str(), nullptr, 1.0, found);
    ASSERT_TRUE(found) << "a search over all families reaches the last one";
    EXPECT_EQ(last.family(), CString(family.c_str()).MakeUpper());
    double length = 0;
    EXPECT_EQ(catalog.getDefaultHookLength(kPi, L"NF P 02-016", L"G1", L"16", length, 1.0), 1);
    EXPECT_DOUBLE_EQ(length, 0.08);
}
