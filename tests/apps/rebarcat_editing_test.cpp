// rebarcat's editing commands: what they refuse (leaving the file as it was), what they
// store, and the CSV round trip, on a small SQL catalogue.
#include <fstream>

#include "rebarcat_fixture.h"

using RebarcatEditing = Rebarcat;

TEST_F(RebarcatEditing, RefusedChangesSayWhyAndLeaveTheFileAsItWas) {
    auto csv = m_folder / "bad.csv";
    std::ofstream(csv) << "name,diameter [in],weight\nA1,0.5,1\nA2,0.55,-4\n";
    auto twice = m_folder / "twice.csv";
    std::ofstream(twice) << "name,diameter\nA1,20\nA2,20\n";
    const std::string before = catalogBytes();
    expectEach({
        {{"add", "FE500 HA", "X", "--diameter", "-5"}, 3, "must not be negative"},
        {{"add", "FE500 HA", "X", "--diameter", "0"}, 3, "greater than 0"},
        {{"add", "FE500 HA", "X", "--diameter", "-0"}, 3, "greater than 0"},
        {{"add", "FE500 HA", "X", "--diameter", "1e308"}, 3, "above the limit of 100 mm"},
        {{"add", "FE500 HA", "X", "--diameter", "-1"}, 3, "needs its nominal diameter"},
        {{"add", "FE500 HA", "X", "--diameter", "12"}, 3, "bar 12 already has the nominal"},
        {{"add", "FE500 HA", "X", "--diameter", "14", "--weight", "500"}, 3, "100 kg/m"},
        {{"add", "FE500 HA", "X", "--diameter", "14", "--max-stock", "101m"}, 3, "100 m"},
        {{"add", "FE500 HA", "X", "--diameter", "14", "--section", "2e4"}, 3, "10000 mm2"},
        {{"add", "FE500 HA", "X", "--diameter", "fourteen"}, 2, "cannot read 'fourteen'"},
        {{"add", "FE500 HA", "x", "--weight", "1"}, 2, "add needs --diameter"},
        {{"add", "fe500 ha", "10", "--diameter", "14"}, 2, "already has a bar 10"},
        {{"add", "NoFamily", "X", "--diameter", "14"}, 1, "no family 'NoFamily'"},
        {{"set", "FE500 HA", "10", "--bend-mandrel", "-3"}, 3, "must not be negative"},
        {{"set", "FE500 HA", "10", "--diameter", "12mm"}, 3, "already has the nominal"},
        {{"set", "FE500 HA", "99", "--weight", "1"}, 1, "no bar named 99"},
        {{"set", "FE500 HA", "10"}, 2, "at least one --FIELD"},
        {{"import", "FE500 HA", csv.string()}, 3, "line 3, column 'weight': --weight -4"},
        {{"import", "FE500 HA", twice.string()}, 3, "line 3: bar A1 already has"},
        {{"import", "FE500 HA", (m_folder / "none.csv").string()}, 2, "cannot read"},
    });
    EXPECT_TRUE(catalogBytes() == before) << "the file changed";
}

TEST_F(RebarcatEditing, EveryFieldCanBeSetToAndFromZeroAndNotGiven) {
    // Bar 10 stores min end leg 0, bar 12 an empty mill stock length.
    const std::vector<std::pair<std::vector<std::string>, std::string>> steps = {
        {{"set", "fe500 ha", "10", "--min-end-leg", "5"}, "min end leg: 0 mm -> 5 mm\n"},
        {{"set", "fe500 ha", "10", "--min-end-leg", "-0"}, "min end leg: 5 mm -> 0 mm\n"},
        {{"set", "fe500 ha", "10", "--min-end-leg", "0.25in"}, "min end leg: 0 mm -> 6.35 mm\n"},
        {{"set", "fe500 ha", "10", "--mill-stock", "0", "--hook-leg", "0"},
         "mill stock: 12 m -> 0 m\nhook leg: - -> 0 mm\n"},
        {{"set", "fe500 ha", "10", "--mill-stock=6", "--hook-leg", "-"},
         "mill stock: 0 m -> 6 m\nhook leg: 0 mm -> -\n"},
        {{"set", "fe500 ha", "10", "--diameter", "11", "--real-diameter", "11.1mm"},
         "diameter: 10 mm -> 11 mm\nreal diameter: 10 mm -> 11.1 mm\n"},
    };
    for (const auto& [words, changes] : steps) EXPECT_EQ(said(words), changes);
    EXPECT_PRED2(holds, said({"bar", "FE500 HA", "10"}), "mill stock       6 m\n");
}

TEST_F(RebarcatEditing, AddStoresWhatWasGivenAndSetThatChangesNothingWritesNothing) {
    EXPECT_PRED2(holds,
                 said({"add", "fe500 ha", "ha14", "--diameter", "14", "--weight", "1.208 kg/m",
                       "--stirrup-mandrel", "0.056m", "--max-stock", "12", "--hook-leg", "0"}),
                 "added bar HA14 to FE500 HA\n");
    const std::string bar = said({"bar", "FE500 HA", "HA14"});
    for (const char* line :
         {"real diameter    14 mm\n", "stirrup mandrel  56 mm\n", "weight           1.208 kg/m\n",
          "mill stock       -\n", "max stock        12 m\n", "hook leg         0 mm\n"})
        EXPECT_PRED2(holds, bar, line);
    said({"add", "FE500 HA", "twin", "--diameter", "14", "--force"});

    const std::string before = catalogBytes();
    EXPECT_PRED2(holds, said({"set", "FE500 HA", "HA14", "--weight", "1.208", "--anchorage", "-"}),
                 "nothing changed");
    EXPECT_TRUE(catalogBytes() == before) << "not even the version stamp";
}

TEST_F(RebarcatEditing, ExportThenImportIsExactAndImportAddsAndChangesBars) {
    const std::string exported = said({"export", "Grade 60", "--csv"});
    EXPECT_EQ(exported.substr(0, exported.find('\n')),
              "name,diameter [in],real-diameter [in],stirrup-mandrel [in],anchor-mandrel [in],"
              "bend-mandrel [in],anchorage [in],weight [lb/ft],section [in2],perimeter [in],"
              "min-end-leg [in],min-inter-leg [in],min-straight [in],mill-stock [ft],"
              "max-stock [ft],hook-leg [in]");
    auto file = m_folder / "grade60.csv";
    std::ofstream(file) << exported;
    const std::string before = catalogBytes();
    EXPECT_PRED2(holds, said({"import", "grade 60", file.string()}), "nothing changed\n");
    EXPECT_TRUE(catalogBytes() == before);

    // Written as a spreadsheet saves "CSV UTF-8": a byte-order mark and CRLF line ends.
    auto edits = m_folder / "edits.csv";
    std::ofstream(edits) << "\xEF\xBB\xBFname,diameter [mm],weight [lb/ft]\r\n5,15.875,1.1\r\n"
                            "\"6, new\",19.05,1.502\r\n";
    EXPECT_EQ(said({"import", "Grade 60", edits.string(), "--json"}),
              "{\"family\": \"Grade 60\", \"added\": 1, \"changed\": 1, \"unchanged\": 0}\n");
    const std::string again = said({"export", "Grade 60", "--csv"});
    EXPECT_PRED2(holds, again, "\n5,0.625,0.625,2.5,3.75,3.75,,1.1,0.31,1.963,,,,40,60,7.5\n");
    EXPECT_PRED2(holds, again, "\n\"6, NEW\",0.75,0.75,,,,,1.502,,,,,,,,\n");
}

TEST_F(RebarcatEditing, RemovingABarInUseChangesNothingOnDisk) {
    auto list = m_folder / "in-use.txt";
    std::ofstream(list) << "# bars the drawing uses\nGrade 60\t5\n";
    const std::string before = catalogBytes();
    expectEach({{{"remove", "grade 60", "5", "--in-use-list", list.string()}, 3, "in use"}});
    EXPECT_TRUE(catalogBytes() == before) << "byte for byte";
    expectEach({
        {{"remove", "Grade 60", "4", "--in-use-list", list.string()},
         0,
         "removed bar 4 from Grade 60"},
        {{"bar", "Grade 60", "4"}, 1, "no bar named 4"},
        {{"remove", "Grade 60", "4"}, 1, "no bar named 4"},  // already gone
    });
}
