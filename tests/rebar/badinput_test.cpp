// What a user gets from a catalogue file that is not what it should be: a file that is no
// database, a damaged one, one that lacks tables or columns, cells that hold the wrong kind of
// value or none, numbers that are not finite, unusual names and unusually large catalogues.
// Each file is bound to a drawing the way the host binds it, every query a user can reach is
// asked, and none may crash or throw: the guard around the catalogue's members would report an
// escaped exception to the crash handler, so its reports must stay empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "catalogfixture.h"
#include "rebar/rebarvalues.h"
#include "vntl/vncrashhandler.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::wstring>;

constexpr double kPi = 3.141592653589793;
constexpr double kInf = std::numeric_limits<double>::infinity();

Names items(const CStringList& list) {
    Names result;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        result.emplace_back(list.GetNext(pos).GetString());
    return result;
}

std::string utf8(const std::wstring& text) {
    return WideToUtf8(text);
}

std::string sqlText(const std::wstring& text) {
    std::string quoted = "'";
    for (char c : WideToUtf8(text)) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

std::string sqlName(const std::wstring& name) {
    std::string quoted = "\"";
    for (char c : WideToUtf8(name)) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// Everything a user can ask the catalogue about one family, one bar and one diameter.
struct Answers {
    CString version, name, editor, comment, lastUpdate;
    int defType = -1;
    bool barCatalogue = true;
    bool familiesAnswered = false;
    Names families;
    bool barsAnswered = false;
    Names bars;
    bool found = false;
    CVnRebarSteelGrade bar;
    bool foundByDiameter = false;
    CVnRebarSteelGrade barByDiameter;
    bool unitKnown = false;
    CString unit;
    int hookAnswered = -1;
    double hookLength = -12345.0;
};

Answers ask(const wchar_t* family, const wchar_t* barName, const wchar_t* diameter,
            const wchar_t* standard = L"NF P 02-016") {
    Answers a;
    CVnRebarSteelGradeCatalog catalog;
    a.version = catalog.Version();
    a.name = catalog.Name();
    a.editor = catalog.EditorName();
    a.comment = catalog.DefComment();
    a.lastUpdate = catalog.LastUpdate();
    a.defType = catalog.DefType();
    a.barCatalogue = catalog.IsValidCatalog(catalog.GetTypeName());
    CStringList families;
    a.familiesAnswered = catalog.GetSteelgradeFamilies(families, CString());
    a.families = items(families);
    CStringList bars;
    a.barsAnswered = catalog.GetFamilySteelgrade(bars, family);
    a.bars = items(bars);
    a.bar = catalog.GetSteelgrade(barName, family, 1.0, a.found);
    a.barByDiameter = catalog.GetSteelgradeByDiameter(diameter, family, 1.0, a.foundByDiameter);
    CVnUnit unit;
    a.unitKnown = catalog.GetParameterUnit(family, L"Weight", unit, 1.0);
    if (a.unitKnown) a.unit = unit.GetName();
    a.hookAnswered =
        catalog.getDefaultHookLength(kPi / 2, standard, family, L"12", a.hookLength, 1.0);
    return a;
}

// How a user sees a file the catalogue cannot read: nothing from any query, and a reason.
void expectNothingFrom(const Answers& a) {
    EXPECT_TRUE(a.version.IsEmpty());
    EXPECT_TRUE(a.name.IsEmpty());
    EXPECT_TRUE(a.editor.IsEmpty());
    EXPECT_TRUE(a.comment.IsEmpty());
    EXPECT_TRUE(a.lastUpdate.IsEmpty());
    EXPECT_EQ(a.defType, 0);
    EXPECT_FALSE(a.barCatalogue);
    EXPECT_TRUE(a.families.empty());
    EXPECT_FALSE(a.barsAnswered);
    EXPECT_TRUE(a.bars.empty());
    EXPECT_FALSE(a.found);
    EXPECT_FALSE(a.foundByDiameter);
    EXPECT_FALSE(a.unitKnown);
    EXPECT_EQ(a.hookAnswered, 0);
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
            << utf8(CVnCrashHandler::reports().front().what) << " at "
            << utf8(CVnCrashHandler::reports().front().sourceFile);
        CVnCrashHandler::clearReports();
        CatalogFixture::TearDown();
    }

    // Opens a new current drawing bound to `file`, as the host binds a catalogue.
    void bind(const fs::path& file) {
        VNTLConfigTools::SetCatalogFile(L"Bars", CString(file.c_str()));
        m_documents.push_back(cadhost::createDocument(file.filename().wstring()));
    }
    void bindSql(const std::string& sql, const std::string& fileName) {
        const fs::path file = m_folder / fileName;
        testsupport::buildDatabase(file, sql);
        bind(file);
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
        AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
        AcDbObject* object = nullptr;
        if (acdbOpenAcDbObject(object, VNTLConfigTools::CatalogId(database, L"Bars"),
                               AcDb::kForRead) != Acad::eOk)
            return {CString(), L"no container"};
        auto* container = VNTLMdbContainer::cast(object);
        Served result{container->getName(), container->getLastError()};
        object->close();
        return result;
    }

    std::string goodCatalogueBytes() {
        const fs::path file = m_folder / "good.mdb";
        testsupport::buildDatabaseFromFile(file, fixture("catalog.sql"));
        return testsupport::readFile(file);
    }
};

}  // namespace

// Which reason the container gives for which damage is the store's to test; here, that the
// catalogue passes a reason on and gives nothing else.
TEST_F(BadInput, AFileTheCatalogueCannotReadGivesNothingAndSaysWhy) {
    const std::string good = goodCatalogueBytes();
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
        expectNothingFrom(a);
        // The family list answers true, empty: the host shows an empty catalogue.
        EXPECT_TRUE(a.familiesAnswered);
        CVnRebarSteelGradeCatalog catalog;
        EXPECT_TRUE(catalog.GetDBPath().IsEmpty());
        EXPECT_FALSE(catalog.SaveDatabase()) << "nothing to save over the unreadable file";
        EXPECT_EQ(testsupport::readFile(m_folder / file), bytes) << "the file was touched";
        // The reason is still there for whoever asks after the queries.
        EXPECT_FALSE(served().reason.IsEmpty());
    }
}

TEST_F(BadInput, MissingTablesLeaveWhatTheOtherTablesSay) {
    // No "Definition": no name, so not recognised as a bar catalogue; the families still work.
    openDrawing("bad_no_definition.sql", "NoDefinition.mdb");
    EXPECT_FALSE(served().path.IsEmpty());
    Answers a = ask(L"FE500 HA", L"12", L"12");
    EXPECT_TRUE(a.version.IsEmpty());
    EXPECT_TRUE(a.name.IsEmpty());
    EXPECT_TRUE(a.comment.IsEmpty());
    EXPECT_EQ(a.defType, 0);
    EXPECT_FALSE(a.barCatalogue);
    EXPECT_EQ(a.families, (Names{L"FE500 HA"}));
    EXPECT_EQ(a.bars, (Names{L"16", L"12"}));
    ASSERT_TRUE(a.found);
    EXPECT_DOUBLE_EQ(a.bar.diameterNom(), 0.012);
    EXPECT_DOUBLE_EQ(a.bar.weight(), 0.888);
    EXPECT_TRUE(a.foundByDiameter);
    EXPECT_EQ(a.unit, L"kg/m");
    EXPECT_EQ(a.hookAnswered, 1);
    EXPECT_DOUBLE_EQ(a.hookLength, 0.12) << "10 diameters of 12 mm";

    // No "SteelGradeList": no family is listed, and the hook tables, which apply to the
    // families of their standard, apply to none; a family asked for by name still answers.
    openDrawing("bad_no_steelgradelist.sql", "NoSteelGradeList.mdb");
    a = ask(L"FE500 HA", L"12", L"12");
    EXPECT_TRUE(a.barCatalogue);
    EXPECT_EQ(a.defType, 1);
    EXPECT_TRUE(a.familiesAnswered);
    EXPECT_TRUE(a.families.empty());
    EXPECT_EQ(a.bars, (Names{L"16", L"12"}));
    ASSERT_TRUE(a.found);
    EXPECT_DOUBLE_EQ(a.bar.diameterNom(), 0.012);
    EXPECT_TRUE(a.foundByDiameter);
    EXPECT_EQ(a.unit, L"kg/m");
    EXPECT_EQ(a.hookAnswered, 0);
    {
        CVnRebarSteelGradeCatalog catalog;
        bool found = true;
        catalog.GetSteelgrade(L"12", nullptr, 1.0, found);
        EXPECT_FALSE(found) << "a search over all families searches the listed ones";
        double limit = 0;
        EXPECT_FALSE(catalog.GetSteelLimit(L"FE500 HA", limit));
        EXPECT_TRUE(catalog.GetStandardFromSteelGrade(L"FE500 HA").IsEmpty());
    }

    // No "Units": no unit is known, so stored numbers are taken as they are, in SI units:
    // a 12 mm bar stored as 12 reads as 12 m.
    openDrawing("bad_no_units.sql", "NoUnits.mdb");
    a = ask(L"FE500 HA", L"12", L"12");
    EXPECT_TRUE(a.barCatalogue);
    EXPECT_EQ(a.families, (Names{L"FE500 HA"}));
    ASSERT_TRUE(a.found);
    EXPECT_FALSE(a.unitKnown);
    EXPECT_EQ(a.bar.diameterNom(), 12.0);
    EXPECT_EQ(a.bar.weight(), 0.888);
    EXPECT_TRUE(a.foundByDiameter);
    EXPECT_EQ(a.hookAnswered, 1);
    EXPECT_DOUBLE_EQ(a.hookLength, 120.0) << "10 diameters of 12 plain units";
}

TEST_F(BadInput, MissingColumnsReadAsEmptyCells) {
    openDrawing("bad_missing_columns.sql", "MissingColumns.mdb");
    Answers a = ask(L"FE500 HA", L"12", L"12");
    EXPECT_TRUE(a.barCatalogue);
    EXPECT_TRUE(a.comment.IsEmpty());
    EXPECT_EQ(a.defType, 0);
    EXPECT_EQ(a.families, (Names{L"FE500 HA", L"Names only"}));
    // Without a diameter column the family cannot be listed by diameter or searched by one.
    EXPECT_FALSE(a.barsAnswered);
    EXPECT_FALSE(a.foundByDiameter);
    // By name the bar is found; the columns it lacks read as empty cells, which read as 0.
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.bar.name(), L"12");
    EXPECT_EQ(a.bar.diameterNom(), 0.0);
    EXPECT_EQ(a.bar.weight(), 0.888);
    EXPECT_EQ(a.bar.surface(), 113.1) << "no unit known for the section: taken as it is";
    EXPECT_EQ(a.bar.millStockLength(), rebar::kUndefinedValue) << "stock lengths: not given";
    EXPECT_EQ(a.unit, L"kg/m");
    EXPECT_EQ(a.hookAnswered, 0) << "a hook table without multiplicators gives no hook";

    CVnRebarSteelGradeCatalog catalog;
    EXPECT_FALSE(catalog.CheckSteelgradeFamilyForFixedDiameter(L"FE500 HA"));
    double limit = 0;
    EXPECT_FALSE(catalog.GetSteelLimit(L"FE500 HA", limit));
    CString adherence;
    bool found = true;
    catalog.GetAdherence(L"FE500 HA", adherence, found);
    EXPECT_FALSE(found);
    CStringList names;
    EXPECT_FALSE(catalog.GetFamilySteelgrade(names, L"Names only"));
    bool fixed = true;
    CStringList diameters;
    EXPECT_TRUE(catalog.GetDiametersForFamilySteelgrade(diameters, L"Names only", fixed));
    EXPECT_TRUE(diameters.IsEmpty());
    catalog.GetSteelgrade(L"HA16", L"Names only", 1.0, found);
    EXPECT_TRUE(found);
}

TEST_F(BadInput, TextInNumericColumnsReadsAsTheNumberItStartsWith) {
    openDrawing("bad_text_in_numbers.sql", "TextInNumbers.mdb");
    Answers a = ask(L"FE500 HA", L"12", L"16");
    EXPECT_EQ(a.defType, 0) << "'seven' is no number";
    EXPECT_TRUE(a.barCatalogue);
    EXPECT_EQ(a.families, (Names{L"FE500 HA"}));
    ASSERT_TRUE(a.barsAnswered);
    EXPECT_EQ(a.bars, (Names{L"16", L"12"})) << "'twelve' sorts as 0";
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.bar.diameterNom(), 0.0) << "'twelve'";
    EXPECT_DOUBLE_EQ(a.bar.diameterReal(), 0.012) << "'12 mm' reads as 12";
    EXPECT_DOUBLE_EQ(a.bar.weight(), 0.888) << "'0.888 kg/m' reads as 0.888";
    EXPECT_EQ(a.bar.surface(), 0.0) << "'n/a'";
    EXPECT_EQ(a.bar.millStockLength(), 0.0) << "'twelve metres'";
    EXPECT_EQ(a.bar.maxStockLength(), 0.0) << "an empty text is a value, not an empty cell";
    // '16' became the number 16 on its way into the file: it is found by diameter.
    ASSERT_TRUE(a.foundByDiameter);
    EXPECT_EQ(a.barByDiameter.name(), L"16");
    {
        CVnRebarSteelGradeCatalog catalog;
        bool found = true;
        catalog.GetSteelgradeByDiameter(L"twelve", L"FE500 HA", 1.0, found);
        EXPECT_FALSE(found) << "a number is never matched against a text cell";
        double limit = 0;
        EXPECT_TRUE(catalog.GetSteelLimit(L"FE500 HA", limit));
        EXPECT_EQ(limit, 0.0) << "'high'";
    }
    // Hook rows: 'ninety' is angle 0, 'ten' multiplies by 0 (no hook at 90 degrees), '5 d' by 5.
    EXPECT_EQ(a.hookAnswered, 0);
    CVnRebarSteelGradeCatalog catalog;
    double length = 0;
    EXPECT_EQ(catalog.getDefaultHookLength(kPi, L"NF P 02-016", L"FE500 HA", L"12", length, 1.0),
              1);
    EXPECT_DOUBLE_EQ(length, 0.06);
}

TEST_F(BadInput, EmptyCellsEverywhereGiveEmptyAnswers) {
    openDrawing("bad_null_everywhere.sql", "NullEverywhere.mdb");
    Answers a = ask(L"FE500 HA", L"", L"0");
    EXPECT_TRUE(a.version.IsEmpty());
    EXPECT_TRUE(a.name.IsEmpty());
    EXPECT_EQ(a.defType, 0);
    EXPECT_FALSE(a.barCatalogue);
    EXPECT_EQ(a.families, (Names{L""})) << "the list's one row names no family";
    ASSERT_TRUE(a.barsAnswered);
    EXPECT_TRUE(a.bars.empty()) << "bars without a name are not listed";
    EXPECT_FALSE(a.found) << "an empty name is not a name";
    EXPECT_FALSE(a.foundByDiameter) << "an empty diameter is not 0";
    EXPECT_FALSE(a.unitKnown);
    EXPECT_EQ(a.hookAnswered, 0);

    CVnRebarSteelGradeCatalog catalog;
    bool found = true;
    catalog.GetSteelgrade(L"12", nullptr, 1.0, found);
    EXPECT_FALSE(found);
    EXPECT_FALSE(catalog.FindSteelgradeFamily(L""));
}

TEST_F(BadInput, InfiniteNumbersStayInfiniteAndNotANumberReadsAsNotGiven) {
    openDrawing("bad_nonfinite.sql", "NonFinite.mdb");
    Answers a = ask(L"FE500 HA", L"inf", L"inf");
    EXPECT_EQ(a.defType, 0) << "an infinite type is no type";
    EXPECT_TRUE(a.barCatalogue);
    ASSERT_TRUE(a.barsAnswered);
    EXPECT_EQ(a.bars, (Names{L"inf", L"12"}));
    ASSERT_TRUE(a.found);
    // Infinite values stay infinite through scale and unit: never the "not given" value.
    EXPECT_EQ(a.bar.diameterNom(), kInf);
    EXPECT_EQ(a.bar.diameterReal(), kInf);
    EXPECT_EQ(a.bar.weight(), kInf);
    EXPECT_EQ(a.bar.surface(), -kInf);
    EXPECT_EQ(a.bar.millStockLength(), kInf);
    // 9e999 - 9e999 was stored as an empty cell: a stock length not given.
    EXPECT_EQ(a.bar.maxStockLength(), rebar::kUndefinedValue);
    ASSERT_TRUE(a.foundByDiameter) << "'inf' reads as the infinite diameter";
    EXPECT_EQ(a.barByDiameter.name(), L"INF");
    EXPECT_EQ(a.hookAnswered, 1);
    EXPECT_EQ(a.hookLength, kInf);
    {
        CVnRebarSteelGradeCatalog catalog;
        double limit = 0;
        EXPECT_TRUE(catalog.GetSteelLimit(L"FE500 HA", limit));
        EXPECT_EQ(limit, kInf);
        double length = 0;
        EXPECT_EQ(
            catalog.getDefaultHookLength(kPi, L"NF P 02-016", L"FE500 HA", L"12", length, 1.0), 0)
            << "no multiplicator at 180 degrees, whatever the row whose angle is not a number";
    }

    // Texts that parse as numbers that are not finite, in a family of their own.
    a = ask(L"Texts", L"nan", L"12");
    ASSERT_TRUE(a.barsAnswered);
    EXPECT_EQ(a.bars, (Names{L"inf", L"12", L"nan"})) << "not a number sorts last";
    ASSERT_TRUE(a.found);
    for (double value : {a.bar.diameterNom(), a.bar.diameterReal(), a.bar.weight(), a.bar.surface(),
                         a.bar.millStockLength(), a.bar.maxStockLength()})
        EXPECT_EQ(value, rebar::kUndefinedValue) << "'NaN' is a value not given";
    CVnRebarSteelGradeCatalog catalog;
    bool found = false;
    CVnRebarSteelGrade inf = catalog.GetSteelgrade(L"inf", L"Texts", 1.0, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(inf.weight(), kInf);
    EXPECT_EQ(inf.surface(), -kInf);
    EXPECT_EQ(inf.diameterReal(), kInf) << "'Infinity'";
    double limit = 0;
    EXPECT_TRUE(catalog.GetSteelLimit(L"Texts", limit));
    EXPECT_TRUE(std::isnan(limit)) << "the steel limit is read as it is";

    // Bars whose diameter is not a number come last; the others keep their diameter order.
    CStringList bars;
    ASSERT_TRUE(catalog.GetFamilySteelgrade(bars, L"Unsorted"));
    Names sorted = items(bars);
    ASSERT_EQ(sorted.size(), 20u);
    const Names byDiameter = {L"50", L"45", L"40", L"36", L"32", L"28", L"26", L"25", L"22",
                              L"20", L"18", L"16", L"14", L"12", L"10", L"8",  L"6",  L"5"};
    EXPECT_EQ(Names(sorted.begin(), sorted.begin() + 18), byDiameter);
    Names last(sorted.begin() + 18, sorted.end());
    std::sort(last.begin(), last.end());
    EXPECT_EQ(last, (Names{L"NaN 1", L"NaN 2"}));
}

TEST_F(BadInput, ANotANumberWrittenIntoTheFileReadsAsAnEmptyCell) {
    // SQLite never writes a NaN; a file from elsewhere may hold one. Patch the 8 bytes of a
    // unique weight into a NaN.
    std::string bytes = goodCatalogueBytes();
    const double weight = 0.888;
    std::uint64_t bits;
    std::memcpy(&bits, &weight, sizeof bits);
    std::string bigEndian;
    for (int shift = 56; shift >= 0; shift -= 8) bigEndian += static_cast<char>(bits >> shift);
    const std::size_t at = bytes.find(bigEndian);
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(bytes.find(bigEndian, at + 1), std::string::npos);
    bytes.replace(at, 8, std::string("\x7F\xF8\0\0\0\0\0\x01", 8));
    bindBytes(bytes, "PatchedNaN.mdb");
    ASSERT_FALSE(served().path.IsEmpty()) << utf8(served().reason.GetString());

    Answers a = ask(L"FE500 HA", L"12", L"12");
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.bar.weight(), 0.0) << "like every empty cell of a bar column";
    EXPECT_TRUE(a.foundByDiameter);
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
    Answers a = ask(L"B500 \"Nord\"", L"12\"", L"12");
    EXPECT_EQ(a.editor, L"Bureau d'études \"Nord\"");
    EXPECT_EQ(a.comment, L"Арматурная сталь; 鉄筋; Ωμέγα");
    EXPECT_EQ(a.families, families);
    for (const auto& b : bars) {
        SCOPED_TRACE(utf8(b.family));
        a = ask(b.family, b.bar, L"16");
        ASSERT_TRUE(a.barsAnswered);
        EXPECT_EQ(a.bars, (Names{b.other, b.bar}));
        ASSERT_TRUE(a.found);
        EXPECT_EQ(a.bar.family(), CString(b.family).MakeUpper());
        EXPECT_GT(a.bar.weight(), 0.8);
        ASSERT_TRUE(a.foundByDiameter);
        EXPECT_EQ(a.barByDiameter.name(), CString(b.other).MakeUpper());
        EXPECT_EQ(a.unit, L"kg/m");
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
        const std::string family = sqlText(families[i]), table = sqlName(families[i]);
        const std::wstring n = std::to_wstring(i + 1);
        const std::wstring bar = i + 1 == families.size() ? lastBar : n + L"-12";
        sql += "INSERT INTO \"SteelGradeList\" VALUES (" + family + ", 'NF P 02-016');\n";
        sql += "INSERT INTO \"Units\" VALUES (" + family + ", 'mm', 'kg/m');\n";
        sql += "CREATE TABLE " + table +
               " (\"Name\" TEXT, \"Diameter_Nominal\" REAL, \"Weight\" REAL);\n";
        sql += "INSERT INTO " + table + " VALUES (" + sqlText(bar) + ", 12, 0.888), (" +
               sqlText(n + L"-16") + ", 16, 1.578);\n";
    }
    return sql;
}

TEST_F(BadInput, ANameOfTenThousandCharactersIsJustAName) {
    const std::wstring family = L"Ж" + std::wstring(9998, L'x') + L"'";
    const std::wstring bar = L"\"" + std::wstring(9998, L'é') + L"Ω";
    bindSql(catalogueOf({family}, bar), "LongName.mdb");
    Answers a = ask(family.c_str(), bar.c_str(), L"12");
    EXPECT_EQ(a.families, (Names{family}));
    EXPECT_EQ(a.bars, (Names{L"1-16", bar}));
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.bar.name().GetLength(), 10000);
    EXPECT_DOUBLE_EQ(a.bar.diameterNom(), 0.012);
    ASSERT_TRUE(a.foundByDiameter);
    EXPECT_EQ(std::wstring(a.barByDiameter.family().GetString()).size(), 10000u);
    EXPECT_EQ(a.unit, L"kg/m");
    EXPECT_EQ(a.hookAnswered, 1);
    EXPECT_DOUBLE_EQ(a.hookLength, 0.12);
}

TEST_F(BadInput, ACatalogueOfTwoThousandFamiliesAnswersLikeASmallOne) {
    Names families;
    for (int i = 1; i <= 2000; ++i) families.push_back(L"G" + std::to_wstring(i));
    bindSql(catalogueOf(families, L"last"), "TwoThousand.mdb");
    Answers a = ask(L"G2000", L"last", L"16");
    EXPECT_TRUE(a.barCatalogue);
    EXPECT_EQ(a.families, families);
    EXPECT_EQ(a.bars, (Names{L"2000-16", L"last"}));
    ASSERT_TRUE(a.found);
    EXPECT_DOUBLE_EQ(a.bar.weight(), 0.888);
    EXPECT_TRUE(a.foundByDiameter);
    EXPECT_EQ(a.unit, L"kg/m");
    EXPECT_EQ(a.hookAnswered, 1);
    EXPECT_DOUBLE_EQ(a.hookLength, 0.12);

    CVnRebarSteelGradeCatalog catalog;
    bool found = false;
    CVnRebarSteelGrade last = catalog.GetSteelgrade(L"last", nullptr, 1.0, found);
    ASSERT_TRUE(found) << "a search over all families reaches the last one";
    EXPECT_EQ(last.family(), L"G2000");
    double length = 0;
    EXPECT_EQ(catalog.getDefaultHookLength(kPi, L"NF P 02-016", L"G1", L"16", length, 1.0), 1);
    EXPECT_DOUBLE_EQ(length, 0.08);
}
