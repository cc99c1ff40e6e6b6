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
