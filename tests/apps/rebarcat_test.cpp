// rebarcat's reading commands and command-line conventions, on a small SQL catalogue (the
// bundled catalogue only where the test is about it).
#include "rebarcat_fixture.h"

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
    for (const auto& [typed, exact] : cases) EXPECT_EQ(said(typed), said(exact)) << typed[1];
    EXPECT_PRED2(holds, said({"bar", "fe500 ha", "12", "--si"}), "diameter         0.012 m\n");
}

TEST_F(Rebarcat, NotGivenShowsAsADashInTextAndNullInJson) {
    // Stored -1 (anchorage) and an empty cell (mill stock) are not given; a stored 0 is a value.
    const std::string text = said({"bar", "FE500 HA", "12"});
    for (const char* line : {"anchorage        -\n", "mill stock       -\n", "hook leg         -\n",
                             "min end leg      0 mm\n", "max stock        15 m\n"})
        EXPECT_PRED2(holds, text, line);
    const std::string json = said({"bars", "FE500 HA", "--json"});
    for (const char* member : {"\"anchorage\": null", "\"millStock\": null", "\"minEndLeg\": 0"})
        EXPECT_PRED2(holds, json, member);
    EXPECT_PRED2(holds, said({"families"}), "Stahl Ä   DIN 1045-1   no              -     -");
}

TEST_F(Rebarcat, TypedDiametersAreReadWithTheirUnits) {
    expectEach({
        {{"bar", "Grade 60", "--diameter", "0.625"}, 0, "name             5\n"},
        {{"bar", "Grade 60", "--diameter", "5/8\""}, 0, "name             5\n"},
        {{"bar", "Grade 60", "--diameter", "0.625in"}, 0, "name             5\n"},
        {{"bar", "Grade 60", "--diameter", "15.875mm"}, 0, "name             5\n"},
        {{"bar", "FE500 HA", "--diameter", "12mm"}, 0, "name             12\n"},
        {{"bar", "FE500 HA", "--diameter", "1.2 cm"}, 0, "name             12\n"},
        {{"bar", "FE500 HA", "--diameter", "9.9"}, 1, "no bar of nominal diameter 9.9"},
        {{"bar", "FE500 HA", "--diameter", "twelve"}, 2, "cannot read 'twelve'"},
        {{"bar", "FE500 HA", "--diameter", "-12"}, 2, "-12 must not be negative"},
    });
}

TEST_F(Rebarcat, HookReadsABarNameUnderANamingStandardAndSaysWhichItRead) {
    EXPECT_EQ(said({"hook", "ACI", "Grade 60", "5"}),
              "standard     ACI\nsteel grade  Grade 60\nbar          5\ndiameter     0.625 in\n\n"
              "angle  hook length  unfold length  leg length\n"
              "deg    in           in             in\n"
              "90     7.5          10.94          7.5\n"
              "180    2.5          9.38           2.5\n");
    expectEach({
        {{"hook", "ACI", "Grade 60", "0.625"}, 0, "bar          -\n"},
        {{"hook", "ACI", "Grade 60", "5", "--unit", "mm"}, 0, "\n90     190.5 "},
        {{"hook", "ACI", "Grade 60", "5", "--minimal", "tie", "--angle=90"}, 0, "length  6 in\n"},
        {{"hook", "NF P 02-016", "FE500 HA", "12"}, 1, "no hook table"},
        {{"hook", "ACI", "Grade 60", "5", "--minimal", "tie"}, 2, "--minimal needs --angle"},
        {{"hook", "ACI", "Grade 60", "5", "--angle", "ninety"}, 2, "not 'ninety'"},
        {{"hook", "ACI", "Grade 60", "5", "--si", "--unit", "mm"},
         2,
         "--si and --unit exclude each other"},
    });
}

TEST_F(Rebarcat, StandardsListTheirFamiliesAndWhetherTheCatalogueHasTheirHookTable) {
    EXPECT_EQ(said({"standards"}),
              "standard      hook table  families\n"
              "NF P 02-016   no          FE500 HA\n"
              "ACI           yes         Grade 60\n"
              "DIN 1045-1    no          Stahl Ä\n"
              "BS 8666 2005  yes         -\n");
}

TEST_F(Rebarcat, WeightIsTheMassOfTheCutBars) {
    expectEach({
        {{"weight", "Grade 60", "5", "20", "--count", "3"}, 0, "mass    62.58 lb\n"},
        {{"weight", "Grade 60", "5", "240in"}, 0, "mass    20.86 lb\n"},
        {{"weight", "FE500 HA", "12", "6", "--count=10"}, 0, "mass    53.28 kg\n"},
        {{"weight", "FE500 HA", "12", "2500mm", "--si"}, 0, "length  2.5 m\n"},
        {{"weight", "FE500 HA", "12", "0"}, 2, "greater than 0"},
        {{"weight", "FE500 HA", "12", "101m"}, 2, "above the limit of 100 m"},
        {{"weight", "FE500 HA", "12", "6", "--count", "0"}, 2, "--count takes a whole number"},
        {{"weight", "FE500 HA", "99", "6"}, 1, "no bar named 99"},
    });
}

TEST_F(Rebarcat, CommandLineConventionsAndExitCodes) {
    const std::string catalog = "--catalog=" + m_catalog.string();
    expectEachAsTyped({
        {{"info"}, 0, "RebarCatalog.mdb"},
        {{"info"}, 0, "bar catalogue  yes\n"},
        {{"--version"}, 0, "rebarcat 0."},
        {{"--help"}, 0, "3  change refused"},
        {{"info", "--help"}, 0, "--catalog FILE"},
        {{"bars", catalog, "--", "--json"}, 1, "no family '--json'"},
        {{"bars", catalog, "FE500 HA", "--json", "--json"}, 2, "--json is given more than"},
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
        {{"families", "--standard", "nope", catalog}, 1, "follows the standard 'nope'"},
    });
}

TEST_F(Rebarcat, NumbersThatAreNotFiniteShowAsTheyAreInTextAndNullInJson) {
    const auto file = m_folder / "NonFinite.mdb";
    testsupport::buildDatabaseFromFile(file, std::string(REBAR_FIXTURES) + "/bad_nonfinite.sql");
    const std::string catalog = "--catalog=" + file.string();
    expectEachAsTyped({
        {{"bar", "FE500 HA", "inf", catalog}, 0, " inf kg/m\n"},
        {{"bar", "FE500 HA", "inf", catalog, "--json"}, 0, "\"weight\": null"},
        {{"bar", "FE500 HA", "inf", catalog, "--json"}, 0, "\"section\": null"},
        {{"bar", "Texts", "nan", catalog, "--json"}, 0, "\"weight\": null"},
        // The name as stored.
        {{"bar", "Texts", "nan", catalog, "--json"}, 0, "\"name\": \"nan\""},
    });
}

TEST_F(Rebarcat, ConvertWritesAnAccessFileAsACatalogueFileThatInfoReadsLikeTheOriginal) {
    const std::string access = std::string(REBAR_ACCESS_SAMPLES) + "/testV1997.mdb";
    const std::string converted = (m_folder / "Converted.mdb").string();
    Outcome convert = run({"convert", access, converted});
    ASSERT_EQ(convert.status, 0) << convert.err;
    EXPECT_EQ(convert.out,
              "table   rows\nTable1  2\nTable2  0\nTable3  0\nTable4  0\n"
              "copied 4 tables, 2 rows to " +
                  converted + "\n");
    const std::string written = testsupport::readFile(converted);
    EXPECT_EQ(written.rfind("SQLite format 3", 0), 0u) << "a catalogue file of our own";
    const std::string out = (m_folder / "Out.mdb").string();
    expectEachAsTyped({
        {{"convert", access, converted}, 2, "already exists; add --force"},
        {{"info", "--catalog", access}, 0, "\nbar catalogue  no\n"},
        {{"info", "--catalog", converted}, 0, "\nbar catalogue  no\n"},
        {{"convert", access}, 2, "the file to write"},
        {{"convert", (m_folder / "None.mdb").string(), out}, 2, "does not exist"},
    });
    EXPECT_EQ(testsupport::readFile(converted), written);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(run({"convert", access, converted, "--force"}).status, 0);
}

// Four bytes of `value`, the most significant first, as PNG stores its numbers.
static std::string bigEndian(std::uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
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
        // The signature, then the 13-byte image header starting with the width and height.
        EXPECT_EQ(testsupport::readFile(path).substr(0, 24),
                  std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + bigEndian(c.width) +
                      bigEndian(c.height))
            << c.words[0];
    }
    expectEachAsTyped({
        {{"render", "button", "--state", "sideways", path}, 2, "usage: rebarcat render button"},
        {{"render", "bartype", "--standard", "ACI", "--family", "Nope", path},
         1,
         "'Nope' follows ACI"},
        {{"render", "grid", "Nope", path}, 1, "no family 'Nope'"},
    });
}
