// Runs rebarcat's command line in this process, with the module loaded as the program loads
// it, on a catalogue built from a small SQL file that a test may change.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "support/sqlfixture.h"
#include "win/module.h"

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// A command line, the exit status it should end with and a part of what it should say: in its
// output when it succeeds, else in its error.
struct Expected {
    std::vector<std::string> words;
    int status;
    std::string said;
};

// Whether `text` holds `part`, for EXPECT_PRED2 messages that show both.
inline bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class Rebarcat : public ::testing::Test {
protected:
    void SetUp() override {
        m_module = LoadLibraryW(L"librebar.so");
        ASSERT_NE(m_module, nullptr);
        // An edit without --catalog makes the user's own copy: keep it out of the tester's home.
        if (const char* data = std::getenv("XDG_DATA_HOME")) m_savedDataHome = data;
        ::setenv("XDG_DATA_HOME", (m_folder / "data").c_str(), 1);
        m_catalog = m_folder / "Catalogue.mdb";
        testsupport::buildDatabaseFromFile(m_catalog,
                                           std::string(REBARCAT_FIXTURES) + "/cli_catalogue.sql");
    }
    void TearDown() override {
        if (m_savedDataHome)
            ::setenv("XDG_DATA_HOME", m_savedDataHome->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        FreeLibrary(m_module);
    }

public:
    static Outcome run(std::vector<std::string> words) {
        std::ostringstream out, err;
        int status = rebarcat::runCommandLine(words, out, err);
        return {status, out.str(), err.str()};
    }

protected:
    // The same on the fixture catalogue.
    Outcome on(std::vector<std::string> words) const {
        words.push_back("--catalog=" + m_catalog.string());
        return run(words);
    }
    // What a command that must succeed on the fixture catalogue prints.
    std::string said(std::vector<std::string> words) const {
        Outcome outcome = on(std::move(words));
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return outcome.out;
    }
    // Runs each case, on the fixture catalogue unless `asTyped`; a failing command prints nothing
    // to the output, not even a part of its answer.
    void expectEach(const std::vector<Expected>& cases, bool asTyped = false) const {
        for (const Expected& c : cases) {
            SCOPED_TRACE(c.words.empty() ? "(nothing)" : c.words[0] + " " + c.said);
            Outcome outcome = asTyped ? run(c.words) : on(c.words);
            EXPECT_EQ(outcome.status, c.status);
            EXPECT_PRED2(holds, c.status == 0 ? outcome.out : outcome.err, c.said);
            EXPECT_TRUE(c.status == 0 || outcome.out.empty()) << outcome.out;
        }
    }
    void expectEachAsTyped(const std::vector<Expected>& cases) const { expectEach(cases, true); }
    std::string catalogBytes() const { return testsupport::readFile(m_catalog); }

    testsupport::TempFolder m_folder;
    std::filesystem::path m_catalog;
    HMODULE m_module = nullptr;
    std::optional<std::string> m_savedDataHome;
};
