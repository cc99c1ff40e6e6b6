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
    std::string catalogBytes() const { return testsupport::readFile(m_catalog); }

    testsupport::TempFolder m_folder;
    std::filesystem::path m_catalog;
    HMODULE m_module = nullptr;
    std::optional<std::string> m_savedDataHome;
};

// Whether `text` holds `part`, for EXPECT_PRED2 messages that show both.
inline bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
