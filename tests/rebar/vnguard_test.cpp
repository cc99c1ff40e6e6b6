#include "rebar/vnguard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "rebar/host/afx.h"

namespace {

#define VN_GUARD_SOURCE L"components\\rebar\\guardedthing.cpp"

struct Totals {
    int bars = 7;
    std::wstring family = L"FE500";
};

// A class whose members run inside the guard, as the catalogue's do.
class GuardedThing {
public:
    int Count(bool fail) {
        return rebar::guarded(VN_GUARD_SITE(GuardedThing, Count), [&] {
            if (fail) throw std::runtime_error("count failed");
            return 3;
        });
    }
    bool IsValid() {
        return rebar::guarded(VN_GUARD_SITE(GuardedThing, IsValid), [&]() -> bool { throw 42; });
    }
    CString Name() {
        m_guardLine = __LINE__ + 1;
        return rebar::guarded(VN_GUARD_SITE(GuardedThing, Name), [&]() -> CString {
            m_traceSeen = CVnLogEntry::openEntries().back();
            throw std::logic_error("no name");
        });
    }
    Totals Sum() {
        return rebar::guarded(VN_GUARD_SITE(GuardedThing, Sum),
                              [&]() -> Totals { throw std::out_of_range("sum"); });
    }
    std::wstring m_traceSeen;
    int m_guardLine = 0;
};

}  // namespace

TEST(Guard, AnExceptionGivesTheZeroValueOfTheResultTypeAndAReportOfWhereItEscaped) {
    CVnCrashHandler::setLogPath("");
    CVnCrashHandler::clearReports();
    GuardedThing thing;
    EXPECT_EQ(thing.Count(false), 3);
    EXPECT_TRUE(CVnCrashHandler::reports().empty());
    EXPECT_TRUE(thing.Name().IsEmpty());
    EXPECT_EQ(thing.m_traceSeen, L"GuardedThing::Name");
    EXPECT_TRUE(CVnLogEntry::openEntries().empty()) << "the entry closed when the member left";
    ASSERT_EQ(CVnCrashHandler::reports().size(), 1u);
    const CVnCrashReport report = CVnCrashHandler::reports()[0];
    EXPECT_EQ(report.sourceFile, L"components\\rebar\\guardedthing.cpp");
    EXPECT_EQ(report.line, thing.m_guardLine);
    EXPECT_EQ(report.what, L"no name");
    EXPECT_EQ(report.trace, std::vector<std::wstring>{L"GuardedThing::Name"});

    EXPECT_EQ(thing.Count(true), 0);
    EXPECT_FALSE(thing.IsValid());
    const Totals totals = thing.Sum();
    EXPECT_EQ(totals.bars, Totals{}.bars) << "a class is default-constructed";
    EXPECT_EQ(totals.family, Totals{}.family);
    EXPECT_EQ(CVnCrashHandler::reports().size(), 4u);
    CVnCrashHandler::clearReports();
}
