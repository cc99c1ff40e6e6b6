#include "vntl/vnlogentry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "vntl/vncrashhandler.h"

TEST(CVnLogEntry, OpenEntriesFollowTheScopes) {
    EXPECT_TRUE(CVnLogEntry::openEntries().empty());
    {
        CVnLogEntry outer(L"Catalog::Open");
        {
            CVnLogEntry inner(L"Catalog::Read");
            EXPECT_EQ(CVnLogEntry::openEntries(),
                      (std::vector<std::wstring>{L"Catalog::Open", L"Catalog::Read"}));
            EXPECT_EQ(CVnLogEntry::stackText(), L"Catalog::Open\n  Catalog::Read\n");
        }
        EXPECT_EQ(CVnLogEntry::openEntries(), std::vector<std::wstring>{L"Catalog::Open"});
    }
    EXPECT_TRUE(CVnLogEntry::openEntries().empty());
}

TEST(CVnCrashHandler, LogsWhereWhatAndTheOpenEntries) {
    auto log = std::filesystem::temp_directory_path() / "vntl_crash_test" / "crash.log";
    std::filesystem::remove_all(log.parent_path());
    CVnCrashHandler::setLogPath(log.string());
    CVnCrashHandler::clearReports();
    {
        CVnLogEntry entry(L"Catalog::Version");
        try {
            throw std::runtime_error("disk on fire");
        } catch (...) {
            CVnCrashHandler report(L"components/rebar/catalog.cpp", 42);
        }
    }
    // The report in memory is the guard's tests' to check; here, what reaches the log.
    std::ifstream file(log);
    std::stringstream content;
    content << file.rdbuf();
    EXPECT_NE(content.str().find("components/rebar/catalog.cpp:42: disk on fire"),
              std::string::npos);
    EXPECT_NE(content.str().find("in Catalog::Version"), std::string::npos);
    CVnCrashHandler::clearReports();
    CVnCrashHandler::setLogPath("");
    std::filesystem::remove_all(log.parent_path());
}
