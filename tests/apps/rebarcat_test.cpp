#include <gtest/gtest.h>

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
