// rebarcat's reading commands and command-line conventions, on a small SQL catalogue (the
// bundled catalogue only where the test is about it).
#include <fstream>

#include "rebarcat_fixture.h"

TEST_F(Rebarcat, InfoPrintsTheDefinitionRecordAndWhetherItIsABarCatalogue) {
    Outcome bundled = run({"info"});
    ASSERT_EQ(bundled.status, 0) << bundled.err;
    EXPECT_PRED2(holds, bundled.out, "RebarCatalog.mdb");
    EXPECT_PRED2(holds, bundled.out, "bar catalogue  yes\n");

    auto other = m_folder / "Concretes.mdb";
    testsupport::buildDatabaseFromFile(other, std::string(REBAR_FIXTURES) + "/other_catalog.sql");
    Outcome info = run({"info", "--catalog", other.string()});
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_PRED2(holds, info.out, "name           Concretes\n");
    EXPECT_PRED2(holds, info.out, "bar catalogue  no\n");
}

TEST_F(Rebarcat, NamesAnswerTheSameWhateverTheLetterCaseTyped) {
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
        {{"bar", "fe500 ha", "12", "--si"}, {"bar", "FE500 HA", "12", "--si"}},
        {{"bar", "grade 60", "--diameter", "0.625"}, {"bar", "Grade 60", "--diameter", "0.625"}},
        {{"bars", "stahl ä"}, {"bars", "Stahl Ä"}},
        {{"hook", "aci", "grade 60", "5"}, {"hook", "ACI", "Grade 60", "5"}},
        {{"families", "--standard", "aci"}, {"families", "--standard", "ACI"}},
        {{"weight", "GRADE 60", "5", "20"}, {"weight", "Grade 60", "5", "20"}},
        {{"export", "fe500 HA", "--csv"}, {"export", "FE500 HA", "--csv"}},
    };
    for (const auto& [typed, exact] : cases) {
        SCOPED_TRACE(typed[1]);
        Outcome answer = on(typed);
        ASSERT_EQ(answer.status, 0) << answer.err;
        EXPECT_EQ(answer.out, on(exact).out);
    }
    EXPECT_PRED2(holds, on({"bar", "fe500 ha", "12", "--si"}).out, "diameter         0.012 m\n");
    EXPECT_PRED2(holds, on({"bar", "fe500 ha", "12"}).out, "diameter         12 mm\n");
}

TEST_F(Rebarcat, NotGivenShowsAsADashInTextAndNullInJson) {
    // Stored -1 (anchorage) and an empty cell (mill stock) are not given; a stored 0 is a value.
    Outcome text = on({"bar", "FE500 HA", "12"});
    ASSERT_EQ(text.status, 0) << text.err;
    for (const char* line : {"anchorage        -\n", "mill stock       -\n", "hook leg         -\n",
                             "min end leg      0 mm\n", "max stock        15 m\n"})
        EXPECT_PRED2(holds, text.out, line);
    Outcome json = on({"bars", "FE500 HA", "--json"});
    for (const char* member : {"\"anchorage\": null", "\"millStock\": null", "\"minEndLeg\": 0"})
        EXPECT_PRED2(holds, json.out, member);
    EXPECT_PRED2(holds, on({"families"}).out, "Stahl Ä   DIN 1045-1   no              -     -");
}

TEST_F(Rebarcat, TypedDiametersAreReadWithTheirUnits) {
    const std::vector<std::tuple<std::string, std::string, int>> cases = {
        {"Grade 60", "0.625", 0},    {"Grade 60", "5/8\"", 0},  {"Grade 60", "0.625in", 0},
        {"Grade 60", "15.875mm", 0}, {"FE500 HA", "12mm", 0},   {"FE500 HA", "1.2 cm", 0},
        {"FE500 HA", "9.9", 1},      {"FE500 HA", "twelve", 2}, {"FE500 HA", "-12", 2},
    };
    for (const auto& [family, typed, status] : cases) {
        SCOPED_TRACE(typed);
        Outcome bar = on({"bar", family, "--diameter", typed});
        EXPECT_EQ(bar.status, status) << bar.err;
        const char* name = family == "Grade 60" ? "name             5\n" : "name             12\n";
        if (status == 0) {
            EXPECT_PRED2(holds, bar.out, name);
        }
    }
}

TEST_F(Rebarcat, HookReadsABarNameUnderANamingStandardAndSaysWhichItRead) {
    Outcome named = on({"hook", "ACI", "Grade 60", "5"});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(named.out,
              "standard     ACI\nsteel grade  Grade 60\nbar          5\ndiameter     0.625 in\n\n"
              "angle  hook length  unfold length  leg length\n"
              "deg    in           in             in\n"
              "90     7.5          10.94          7.5\n"
              "180    2.5          9.38           2.5\n");
    EXPECT_PRED2(holds, on({"hook", "ACI", "Grade 60", "0.625"}).out, "bar          -\n");
    EXPECT_PRED2(holds, on({"hook", "ACI", "Grade 60", "5", "--unit", "mm"}).out,
                 "\n90     190.5 ");
    EXPECT_PRED2(holds, on({"hook", "ACI", "Grade 60", "5", "--minimal", "tie", "--angle=90"}).out,
                 "minimal length  6 in\n");

    const std::vector<std::pair<std::vector<std::string>, int>> refusals = {
        {{"hook", "NF P 02-016", "FE500 HA", "12"}, 1},
        {{"hook", "ACI", "Grade 60", "5", "--minimal", "tie"}, 2},
        {{"hook", "ACI", "Grade 60", "5", "--angle", "ninety"}, 2},
        {{"hook", "ACI", "Grade 60", "5", "--si", "--unit", "mm"}, 2},
    };
    for (const auto& [words, status] : refusals) EXPECT_EQ(on(words).status, status) << words[1];
}

TEST_F(Rebarcat, StandardsListTheirFamiliesAndWhetherTheCatalogueHasTheirHookTable) {
    Outcome standards = on({"standards"});
    ASSERT_EQ(standards.status, 0) << standards.err;
    EXPECT_EQ(standards.out,
              "standard      hook table  families\n"
              "NF P 02-016   no          FE500 HA\n"
              "ACI           yes         Grade 60\n"
              "DIN 1045-1    no          Stahl Ä\n"
              "BS 8666 2005  yes         -\n");
}

TEST_F(Rebarcat, WeightIsTheMassOfTheCutBars) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"weight", "Grade 60", "5", "20", "--count", "3"}, "mass    62.58 lb\n"},
        {{"weight", "Grade 60", "5", "240in"}, "mass    20.86 lb\n"},
        {{"weight", "FE500 HA", "12", "6", "--count=10"}, "mass    53.28 kg\n"},
        {{"weight", "FE500 HA", "12", "2500mm", "--si"}, "length  2.5 m\n"},
    };
    for (const auto& [words, line] : cases) {
        Outcome weight = on(words);
        ASSERT_EQ(weight.status, 0) << weight.err;
        EXPECT_PRED2(holds, weight.out, line);
    }
    const std::vector<std::pair<std::vector<std::string>, int>> refusals = {
        {{"weight", "FE500 HA", "12", "0"}, 2},
        {{"weight", "FE500 HA", "12", "101m"}, 2},
        {{"weight", "FE500 HA", "12", "6", "--count", "0"}, 2},
        {{"weight", "FE500 HA", "99", "6"}, 1},
    };
    for (const auto& [words, status] : refusals) EXPECT_EQ(on(words).status, status) << words[3];
}

TEST_F(Rebarcat, CommandLineConventionsAndExitCodes) {
    const std::string catalog = "--catalog=" + m_catalog.string();
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string said;  // in the output on success, else in the error
    };
    const std::vector<Case> cases = {
        {{"--version"}, 0, "rebarcat 0."},
        {{"--help"}, 0, "3  change refused"},
        {{"info", "--help"}, 0, "--catalog FILE"},
        {{"bars", catalog, "--", "--json"}, 1, "no family '--json'"},
        {{"bars", catalog, "FE500 HA", "--json", "--json"}, 2, "--json is given more than once"},
        {{"bars", catalog, "FE500 HA", "--colour"}, 2, "unknown option '--colour'"},
        {{"info", "--catalog"}, 2, "--catalog needs a value"},
        {{"info", "--json=yes"}, 2, "--json takes no value"},
        {{"info", "extra"}, 2, "unexpected argument"},
        {{"info", "--catalog", (m_folder / "none.mdb").string()}, 2, "cannot read"},
        {{"frobnicate"}, 2, "unknown command"},
        {{}, 2, "usage: rebarcat"},
        {{"bar", "Grade 60", "99", catalog}, 1, "no bar named 99"},
        {{"bar", "Grade 60", "5", "--unit", "furlong", catalog}, 2, "unknown length unit"},
        {{"export", "Grade 60", catalog}, 2, "--csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.empty() ? "(nothing)" : c.words[0] + " " + c.said);
        Outcome outcome = run(c.words);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_PRED2(holds, c.status == 0 ? outcome.out : outcome.err, c.said);
        if (c.status != 0) {
            EXPECT_EQ(outcome.out, "") << "no partial output before an error";
        }
    }
    Outcome partial = on({"families", "--standard", "nope"});
    EXPECT_EQ(partial.status, 1);
    EXPECT_EQ(partial.out, "");
}

TEST_F(Rebarcat, NumbersThatAreNotFiniteShowAsTheyAreInTextAndNullInJson) {
    const auto file = m_folder / "NonFinite.mdb";
    testsupport::buildDatabaseFromFile(file, std::string(REBAR_FIXTURES) + "/bad_nonfinite.sql");
    Outcome inf = run({"bar", "FE500 HA", "inf", "--catalog", file.string()});
    ASSERT_EQ(inf.status, 0) << inf.err;
    EXPECT_PRED2(holds, inf.out, " inf kg/m\n");
    EXPECT_PRED2(holds, inf.out, " -inf mm2\n");
    Outcome json = run({"bar", "FE500 HA", "inf", "--catalog", file.string(), "--json"});
    EXPECT_PRED2(holds, json.out, "\"weight\": null, \"section\": null");

    Outcome nan = run({"bar", "Texts", "nan", "--catalog", file.string(), "--json"});
    ASSERT_EQ(nan.status, 0) << nan.err;
    EXPECT_PRED2(holds, nan.out, "\"weight\": null");
    EXPECT_PRED2(holds, nan.out, "\"name\": \"nan\"") << "the name as stored";
}

TEST_F(Rebarcat, ConvertWritesAnAccessFileAsACatalogueFileThatInfoReadsLikeTheOriginal) {
    const std::filesystem::path access =
        std::filesystem::path(REBAR_ACCESS_SAMPLES) / "testV1997.mdb";
    ASSERT_TRUE(std::filesystem::exists(access)) << "no sample Access file at " << access;
    const auto converted = m_folder / "Converted.mdb";
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
    EXPECT_PRED2(holds, again.err, "already exists; add --force");
    EXPECT_EQ(testsupport::readFile(converted), written);
    EXPECT_EQ(run({"convert", access.string(), converted.string(), "--force"}).status, 0);

    for (const auto& catalogue : {access, converted}) {
        SCOPED_TRACE(catalogue.string());
        Outcome info = run({"info", "--catalog", catalogue.string()});
        ASSERT_EQ(info.status, 0) << info.err;
        EXPECT_PRED2(holds, info.out, "\nbar catalogue  no\n");
    }
    EXPECT_EQ(run({"convert", access.string()}).status, 2);
    Outcome missing =
        run({"convert", (m_folder / "None.mdb").string(), (m_folder / "Out.mdb").string()});
    EXPECT_PRED2(holds, missing.err, "does not exist");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "Out.mdb"));
}

// Each kind of picture of the bundled catalogue's controls, with the size a person sees.
TEST_F(Rebarcat, RenderDrawsEachControlAsAPicture) {
    const std::string path = (m_folder / "control.png").string();
    const struct {
        std::vector<std::string> words;
        std::uint32_t width, height;
    } cases[] = {
        // Six buttons of 110 pixels, 10 apart and from the edges, the state names under them.
        {{"button", "--state", "all"}, 730, 80},
        {{"bartype", "--standard", "aci", "--family", "grade 60", "--select", "5"}, 360, 24},
        {{"bartype", "--standard", "ACI", "--family", "Grade 60", "--open"}, 360, 166},
        {{"baredit", "--diameter", "12mm", "--value", "120mm"}, 180, 42},
        {{"grid", "FE500 HA"}, 1109, 243},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words{"render"};
        words.insert(words.end(), c.words.begin(), c.words.end());
        words.push_back(path);
        const Outcome drawn = run(words);
        ASSERT_EQ(drawn.status, 0) << c.words[0] << ": " << drawn.err;
        const std::string png = testsupport::readFile(path);
        ASSERT_GE(png.size(), 24u);
        EXPECT_EQ(png.substr(1, 3), "PNG");
        // The image header's width and height, big-endian after the signature and chunk head.
        auto be32 = [&](std::size_t at) {
            std::uint32_t value = 0;
            for (std::size_t i = 0; i < 4; ++i) value = value << 8 | std::uint8_t(png[at + i]);
            return value;
        };
        EXPECT_EQ(be32(16), c.width) << c.words[0];
        EXPECT_EQ(be32(20), c.height) << c.words[0];
    }
    EXPECT_EQ(run({"render", "button", "--state", "sideways", path}).status, 2);
    EXPECT_EQ(run({"render", "bartype", "--standard", "ACI", "--family", "Nope", path}).status, 1);
    EXPECT_EQ(run({"render", "grid", "Nope", path}).status, 1);
}
