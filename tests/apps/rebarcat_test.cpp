#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli.h"
#include "support/sqlfixture.h"
#include "win/module.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// Runs rebarcat's command line in this process, with the module loaded as the program does.
class Rebarcat : public ::testing::Test {
protected:
    void SetUp() override {
        m_module = LoadLibraryW(L"librebar.so");
        ASSERT_NE(m_module, nullptr);
    }
    void TearDown() override { FreeLibrary(m_module); }

    Outcome run(std::vector<std::string> words) {
        std::ostringstream out, err;
        int status = rebarcat::runCommandLine(words, out, err);
        return {status, out.str(), err.str()};
    }

    HMODULE m_module = nullptr;
};

}  // namespace

TEST_F(Rebarcat, InfoPrintsTheBundledCataloguesDefinitionRecord) {
    Outcome info = run({"info"});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("RebarCatalog.mdb"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("name           Arrangements\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("bar catalogue  yes\n"), std::string::npos) << info.out;

    Outcome json = run({"info", "--json"});
    ASSERT_EQ(json.status, 0);
    EXPECT_EQ(json.out.front(), '{');
    EXPECT_NE(json.out.find("\"name\": \"Arrangements\""), std::string::npos) << json.out;
}

TEST_F(Rebarcat, InfoOnAnotherFileTellsWhetherItIsABarCatalogue) {
    testsupport::TempFolder folder;
    auto file = folder / "Concretes.mdb";
    testsupport::buildDatabaseFromFile(file, std::string(REBAR_FIXTURES) + "/other_catalog.sql");
    Outcome info = run({"info", "--catalog", file.string()});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("name           Concretes\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("bar catalogue  no\n"), std::string::npos) << info.out;
}

// The number printed after `key` on the record line that starts with it.
double valueOf(const std::string& record, const std::string& key) {
    size_t at = record.find("\n" + key + " ");
    if (at == std::string::npos) return -1e300;
    return std::stod(record.substr(record.find_first_not_of(' ', at + key.size() + 1)));
}

TEST_F(Rebarcat, BarGivesThePublishedMassAndAreaBackInSi) {
    Outcome metric = run({"bar", "FE500 HA", "12", "--si"});
    ASSERT_EQ(metric.status, 0) << metric.err;
    EXPECT_NEAR(valueOf(metric.out, "weight"), 0.888, 5e-4) << metric.out;
    EXPECT_NEAR(valueOf(metric.out, "section"), 113.1e-6, 5e-8);
    EXPECT_NEAR(valueOf(metric.out, "diameter"), 0.012, 1e-9);

    // ASTM #5: 1.043 lb/ft = 1.552 kg/m, 0.31 in2 = 200 mm2, 0.625 in = 15.875 mm.
    Outcome aci = run({"bar", "Grade 60", "5", "--si"});
    ASSERT_EQ(aci.status, 0) << aci.err;
    EXPECT_NEAR(valueOf(aci.out, "weight"), 1.552, 5e-4) << aci.out;
    EXPECT_NEAR(valueOf(aci.out, "section"), 200e-6, 1e-7);
    EXPECT_NEAR(valueOf(aci.out, "diameter"), 0.015875, 1e-9);

    Outcome stored = run({"bar", "Grade 60", "--diameter", "0.625"});
    ASSERT_EQ(stored.status, 0) << stored.err;
    EXPECT_NE(stored.out.find("weight           1.043 lb/ft\n"), std::string::npos) << stored.out;
    EXPECT_NE(stored.out.find("anchorage        -\n"), std::string::npos) << "not given";

    Outcome inches = run({"bar", "FE500 HA", "12", "--unit", "in", "--json"});
    ASSERT_EQ(inches.status, 0) << inches.err;
    EXPECT_NE(inches.out.find("\"section\": \"in2\""), std::string::npos) << inches.out;
    EXPECT_NE(inches.out.find("\"anchorage\": null"), std::string::npos);
}

TEST_F(Rebarcat, FamiliesAndBarsListWhatTheCatalogueHolds) {
    Outcome aci = run({"families", "--standard", "aci"});
    ASSERT_EQ(aci.status, 0) << aci.err;
    EXPECT_NE(aci.out.find("Grade 60"), std::string::npos);
    EXPECT_EQ(aci.out.find("FE500 HA"), std::string::npos);
    EXPECT_EQ(run({"families", "--standard", "nowhere"}).status, 1);

    Outcome bars = run({"bars", "Grade 60"});
    ASSERT_EQ(bars.status, 0) << bars.err;
    EXPECT_EQ(bars.out.rfind("name", 0), 0u) << "the heading comes first";
    size_t unitRow = bars.out.find('\n') + 1;
    EXPECT_NE(bars.out.find("lb/ft", unitRow), std::string::npos) << "then the unit row";
    EXPECT_LT(bars.out.find("\n3 "), bars.out.find("\n18 ")) << "bars in table order";

    Outcome json = run({"bars", "400W", "--json"});
    ASSERT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"name\": \"15\""), std::string::npos) << json.out;
}

TEST_F(Rebarcat, UnknownFamiliesAndBarsExitWithOne) {
    Outcome family = run({"bars", "NoSuchGrade"});
    EXPECT_EQ(family.status, 1);
    EXPECT_NE(family.err.find("no family 'NoSuchGrade'"), std::string::npos);
    EXPECT_EQ(run({"bar", "Grade 60", "99"}).status, 1);
    EXPECT_EQ(run({"bar", "Grade 60", "--diameter", "9.9"}).status, 1);
    EXPECT_EQ(run({"bar", "Grade 60"}).status, 2);
    EXPECT_EQ(run({"bar", "Grade 60", "5", "--unit", "furlong"}).status, 2);
    EXPECT_EQ(run({"bar", "Grade 60", "5", "--si", "--unit", "mm"}).status, 2);
    EXPECT_EQ(run({"bars", "Grade 60", "--colour"}).status, 2);
}

TEST_F(Rebarcat, BadFilesAndBadUsageExitWithTwoAndSayWhy) {
    testsupport::TempFolder folder;
    Outcome missing = run({"info", "--catalog", (folder / "none.mdb").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;

    EXPECT_EQ(run({"info", "--catalog"}).status, 2);
    EXPECT_EQ(run({"info", "extra"}).status, 2);
    EXPECT_EQ(run({"frobnicate"}).status, 2);
    EXPECT_EQ(run({}).status, 2);

    Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("info"), std::string::npos);
    Outcome infoHelp = run({"info", "--help"});
    EXPECT_EQ(infoHelp.status, 0);
    EXPECT_NE(infoHelp.out.find("--catalog FILE"), std::string::npos);
}

namespace {

// A copy of the bundled catalogue that a test may change.
class RebarcatEditing : public Rebarcat {
protected:
    void SetUp() override {
        Rebarcat::SetUp();
        wchar_t program[4096];
        DWORD length = GetModuleFileNameW(nullptr, program, 4096);
        std::filesystem::path bundled = std::wstring(program, length);
        m_copy = m_folder / "Copy.mdb";
        std::filesystem::copy_file(bundled.parent_path() / "RebarCatalog.mdb", m_copy);
    }
    std::vector<std::string> on(std::vector<std::string> words) {
        words.push_back("--catalog");
        words.push_back(m_copy.string());
        return words;
    }

    testsupport::TempFolder m_folder;
    std::filesystem::path m_copy;
};

}  // namespace

TEST_F(RebarcatEditing, AnAddedBarShowsUpAndSetPrintsWhatChanged) {
    Outcome add = run(on({"add", "FE500 HA", "ha14", "--diameter", "14", "--weight", "1.208 kg/m",
                          "--section", "153.9", "--stirrup-mandrel", "0.056m"}));
    ASSERT_EQ(add.status, 0) << add.err;
    Outcome bar = run(on({"bar", "FE500 HA", "HA14"}));
    ASSERT_EQ(bar.status, 0) << bar.err;
    EXPECT_NE(bar.out.find("weight           1.208 kg/m\n"), std::string::npos) << bar.out;
    EXPECT_NE(bar.out.find("stirrup mandrel  56 mm\n"), std::string::npos) << "typed in metres";
    EXPECT_NE(bar.out.find("anchorage        -\n"), std::string::npos) << "not given";

    Outcome set = run(on({"set", "FE500 HA", "HA14", "--anchorage", "0.5in"}));
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "anchorage: - -> 12.7 mm\n");

    EXPECT_EQ(run(on({"add", "FE500 HA", "HA14", "--diameter", "14"})).status, 2) << "exists";
    EXPECT_EQ(run(on({"add", "FE500 HA", "X", "--diameter", "fourteen"})).status, 2);
    EXPECT_EQ(run(on({"add", "NoFamily", "X", "--diameter", "14"})).status, 1);
}

TEST_F(RebarcatEditing, RemovingABarInUseChangesNothingOnDisk) {
    auto list = m_folder / "in-use.txt";
    std::ofstream(list) << "# bars the drawing uses\nGrade 60\t5\n";
    std::string before = testsupport::readFile(m_copy);
    Outcome refused = run(on({"remove", "Grade 60", "5", "--in-use-list", list.string()}));
    EXPECT_EQ(refused.status, 3);
    EXPECT_NE(refused.err.find("in use"), std::string::npos);
    EXPECT_EQ(testsupport::readFile(m_copy), before) << "byte for byte";

    Outcome removed = run(on({"remove", "Grade 60", "6", "--in-use-list", list.string()}));
    ASSERT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(run(on({"bar", "Grade 60", "6"})).status, 1);
    EXPECT_EQ(run(on({"remove", "Grade 60", "6"})).status, 1) << "already gone";
}

TEST_F(Rebarcat, NamesStandardsAndDiametersOfNamedBars) {
    Outcome standard = run({"standard", "Grade 60"});
    ASSERT_EQ(standard.status, 0) << standard.err;
    EXPECT_EQ(standard.out, "ACI\n");
    EXPECT_EQ(run({"standard", "Nope"}).status, 1);

    Outcome names = run({"names", "400W"});
    ASSERT_EQ(names.status, 0) << names.err;
    EXPECT_NE(names.out.find("\n15    16\n"), std::string::npos) << names.out;

    Outcome diameters = run({"diameters", "--standard", "aci"});
    ASSERT_EQ(diameters.status, 0) << diameters.err;
    EXPECT_EQ(diameters.out.rfind("bars designated by name\n", 0), 0u) << diameters.out;
    EXPECT_NE(diameters.out.find("\n5     0.625\n"), std::string::npos) << diameters.out;
    EXPECT_EQ(run({"diameters", "--standard", "none"}).status, 1);
}

TEST_F(Rebarcat, HookShowsEachAngleOfTheStandardsTableInTheFamilysUnits) {
    // ASTM #5 (0.625 in): the 90 degree standard hook extends 12 bar diameters, 7.5 in.
    Outcome aci = run({"hook", "ACI", "Grade 60", "0.625"});
    ASSERT_EQ(aci.status, 0) << aci.err;
    EXPECT_NE(aci.out.find("\ndeg    in           in             in\n"), std::string::npos)
        << aci.out;
    EXPECT_NE(aci.out.find("\n90     7.5          10.94          7.5\n"), std::string::npos);
    EXPECT_NE(aci.out.find("\n180    2.5 "), std::string::npos) << "4 db, 2.5 in";

    Outcome one = run({"hook", "ACI", "Grade 60", "0.625", "--angle", "90", "--si", "--json"});
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_NE(one.out.find("{\"angle\": 90, \"hook\": 0.1905,"), std::string::npos) << one.out;
    EXPECT_EQ(one.out.find("135"), std::string::npos);

    Outcome tie = run({"hook", "ACI", "Grade 60", "0.625", "--minimal", "tie", "--angle", "135"});
    ASSERT_EQ(tie.status, 0) << tie.err;
    EXPECT_NE(tie.out.find("minimal length  5.5 in\n"), std::string::npos) << tie.out;

    EXPECT_EQ(run({"hook", "ACI", "Grade 40", "0.625"}).status, 1);
    EXPECT_EQ(run({"hook", "Nowhere", "Grade 60", "0.625"}).status, 1);
    EXPECT_EQ(run({"hook", "ACI", "Grade 60", "0.625", "--minimal", "tie"}).status, 2);
    EXPECT_EQ(run({"hook", "ACI", "Grade 60", "0.625", "--angle", "ninety"}).status, 2);
}

TEST_F(Rebarcat, NumbersThatAreNotFiniteShowAsTheyAreOrAsNotGiven) {
    testsupport::TempFolder folder;
    const auto file = folder / "NonFinite.mdb";
    testsupport::buildDatabaseFromFile(file, std::string(REBAR_FIXTURES) + "/bad_nonfinite.sql");
    Outcome inf = run({"bar", "FE500 HA", "inf", "--catalog", file.string()});
    ASSERT_EQ(inf.status, 0) << inf.err;
    EXPECT_NE(inf.out.find("\nweight "), std::string::npos) << inf.out;
    EXPECT_NE(inf.out.find("inf kg/m\n"), std::string::npos) << "infinite, not '-'\n" << inf.out;
    EXPECT_NE(inf.out.find("-inf mm2\n"), std::string::npos) << inf.out;

    Outcome nan = run({"bar", "Texts", "nan", "--catalog", file.string(), "--json"});
    ASSERT_EQ(nan.status, 0) << nan.err;
    EXPECT_NE(nan.out.find("\"weight\": null"), std::string::npos) << "'NaN' is a value not given\n"
                                                                   << nan.out;
    EXPECT_NE(nan.out.find("\"name\": \"NAN\""), std::string::npos) << nan.out;
    EXPECT_EQ(nan.out.find("nan"), std::string::npos) << "no value shows as nan\n" << nan.out;
}

TEST_F(Rebarcat, ConvertWritesAnAccessFileAsACatalogueFileThatInfoReadsLikeTheOriginal) {
    const std::filesystem::path access =
        std::filesystem::path(REBAR_ACCESS_SAMPLES) / "testV1997.mdb";
    ASSERT_TRUE(std::filesystem::exists(access)) << "no sample Access file at " << access;
    testsupport::TempFolder folder;
    const auto converted = folder / "Converted.mdb";
    Outcome convert = run({"convert", access.string(), converted.string()});
    ASSERT_EQ(convert.status, 0) << convert.err;
    EXPECT_EQ(convert.out,
              "table   rows\nTable1  2\nTable2  0\nTable3  0\nTable4  0\n"
              "copied 4 tables, 2 rows to " +
                  converted.string() + "\n");
    const std::string written = testsupport::readFile(converted);
    EXPECT_EQ(written.rfind("SQLite format 3", 0), 0u) << "a catalogue file of our own";

    Outcome again = run({"convert", access.string(), converted.string()});
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("already exists; add --force"), std::string::npos) << again.err;
    EXPECT_EQ(testsupport::readFile(converted), written);
    Outcome forced = run({"convert", access.string(), converted.string(), "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    Outcome copy = run({"convert", converted.string(), (folder / "Copy.mdb").string()});
    ASSERT_EQ(copy.status, 0) << copy.err;
    EXPECT_NE(copy.out.find("copied 4 tables, 2 rows"), std::string::npos) << "SQLite to SQLite";

    // Not a bar catalogue (no definition record), but info reads both files alike.
    for (const auto& catalogue : {access, converted}) {
        SCOPED_TRACE(catalogue.string());
        Outcome info = run({"info", "--catalog", catalogue.string()});
        ASSERT_EQ(info.status, 0) << info.err;
        EXPECT_EQ(info.out.rfind("catalog        " + catalogue.string() + "\n", 0), 0u) << info.out;
        EXPECT_NE(info.out.find("\nbar catalogue  no\n"), std::string::npos) << info.out;
    }

    EXPECT_EQ(run({"convert", access.string()}).status, 2);
    EXPECT_EQ(run({"convert", access.string(), access.string(), "--force"}).status, 2);
    const auto none = folder / "None.mdb";
    Outcome missing = run({"convert", none.string(), (folder / "Out.mdb").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "Out.mdb"));
}

TEST_F(Rebarcat, RenderDrawsTheButtonInEveryStateSideBySide) {
    testsupport::TempFolder folder;
    const std::string path = (folder / "buttons.png").string();
    Outcome drawn = run({"render", "button", "--state", "all", path});
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    std::ifstream file(path, std::ios::binary);
    const std::string png((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    // The image header's width and height, big-endian after the signature and the chunk head.
    auto be32 = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) value = value << 8 | std::uint8_t(png[at + i]);
        return value;
    };
    EXPECT_EQ(be32(16), 730u);  // six buttons of 110 pixels, 10 pixels apart and from the edges
    EXPECT_EQ(be32(20), 80u);   // one row of buttons with the state names under them

    EXPECT_EQ(run({"render", "button", "--state", "sideways", path}).status, 2);
}
