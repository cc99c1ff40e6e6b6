// Several programs, one catalogue: editing commands on one file take turns and lose nothing,
// and an edit without --catalog goes to the user's own copy, never to the bundled catalogue.
#include <sys/wait.h>
#include <unistd.h>

#include <iostream>

#include "rebarcat_fixture.h"
#include "session.h"
#include "win/utf8.h"

namespace {

namespace fs = std::filesystem;

// Adds a bar in a child process, whose exit status is the command's.
pid_t addInChild(const fs::path& file, const std::string& name, double diameter) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    const Outcome added = Rebarcat::run({"add", "FE500 HA", name, "--diameter",
                                         std::to_string(diameter), "--catalog", file.string()});
    std::cerr << added.err;
    ::_exit(added.status);
}

int exitStatus(pid_t child) {
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)
               ? WEXITSTATUS(status)
               : -1;
}

}  // namespace

TEST_F(Rebarcat, TwoProgramsAddingBarsToOneCatalogueAtOnceLoseNoEdit) {
    // Each round starts two adds together, so that they meet between loading and saving.
    constexpr int kRounds = 50;
    for (int round = 1; round <= kRounds; ++round) {
        const pid_t first = addInChild(m_catalog, "A" + std::to_string(round), 20 + 0.01 * round);
        const pid_t second = addInChild(m_catalog, "B" + std::to_string(round), 30 + 0.01 * round);
        EXPECT_EQ(exitStatus(first), 0) << "round " << round;
        EXPECT_EQ(exitStatus(second), 0) << "round " << round;
    }
    // The bars of the family, one a line, each line starting with the bar's name.
    const std::string bars = said({"bars", "FE500 HA"});
    for (const char* prefix : {"\nA", "\nB"})
        for (int round = 1; round <= kRounds; ++round)
            EXPECT_PRED2(holds, bars, prefix + std::to_string(round) + " ");
}

TEST_F(Rebarcat, AnEditWithoutCatalogueGoesToTheUsersOwnCopyMadeOnce) {
    const fs::path bundled = WideToUtf8(rebarcat::bundledCatalogPath().GetString());
    const std::string before = testsupport::readFile(bundled);
    const fs::path copy = m_folder / "data" / "rebarcat" / "RebarCatalog.mdb";

    const Outcome first = run({"add", "FE500 HA", "X33", "--diameter", "33"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_PRED2(holds, first.err, copy.string());
    EXPECT_PRED2(holds, first.err, "delete it to go back");
    const Outcome second = run({"add", "FE500 HA", "X34", "--diameter", "34"});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.err, "") << "the copy is announced once";

    // Readers without --catalog read the copy until it is deleted.
    EXPECT_EQ(run({"bar", "FE500 HA", "X33"}).status, 0);
    fs::remove(copy);
    EXPECT_EQ(run({"bar", "FE500 HA", "X33"}).status, 1);

    const Outcome inPlace =
        run({"add", "FE500 HA", "X35", "--diameter", "35", "--catalog", bundled.string()});
    EXPECT_EQ(inPlace.status, 2);
    EXPECT_PRED2(holds, inPlace.err, "never changed in place");
    EXPECT_EQ(testsupport::readFile(bundled), before) << "the bundled catalogue, byte for byte";
}
