#include "win/guid.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

TEST(Guid, TextIsBracedUpperCaseHexAndReadsBackInEitherCase) {
    const GUID known = {
        0x0A6EE23E, 0xF2A1, 0x0187, {0x04, 0x9F, 0x3B, 0xCE, 0x5D, 0xDD, 0x9F, 0x70}};
    wchar_t text[64];
    EXPECT_EQ(StringFromGUID2(known, text, 64), 39);
    EXPECT_STREQ(text, L"{0A6EE23E-F2A1-0187-049F-3BCE5DDD9F70}");
    CLSID parsed{};
    ASSERT_EQ(CLSIDFromString(text, &parsed), S_OK);
    EXPECT_EQ(parsed, known);
    EXPECT_EQ(StringFromGUID2(known, text, 38), 0) << "no room for the terminator";

    IID iid{};
    ASSERT_EQ(IIDFromString(L"{7f04a3bd-4a63-4864-bb3f-52dd85d45042}", &iid), S_OK);
    EXPECT_EQ(iid.Data1, 0x7F04A3BDu);
    EXPECT_EQ(iid.Data4[7], 0x42);
    EXPECT_EQ(CLSIDFromString(L"{7F04A3BD-4A63-4864-BB3F-52DD85D4504G}", &parsed),
              CO_E_CLASSSTRING);
    EXPECT_EQ(CLSIDFromString(L"Some.ProgId", &parsed), CO_E_CLASSSTRING);
    EXPECT_EQ(IIDFromString(L"{7F04A3BD}", &iid), E_INVALIDARG);
    EXPECT_EQ(IIDFromString(L"(7F04A3BD-4A63-4864-BB3F-52DD85D45042)", &iid), CO_E_IIDSTRING);
    ASSERT_EQ(CLSIDFromString(nullptr, &parsed), S_OK);
    EXPECT_EQ(parsed, CLSID_NULL);
}

TEST(Guid, CreatedGuidsAreRandomVersion4AndDiffer) {
    GUID first, second;
    ASSERT_EQ(CoCreateGuid(&first), S_OK);
    ASSERT_EQ(CoCreateGuid(&second), S_OK);
    EXPECT_NE(first, second);
    EXPECT_EQ(first.Data3 >> 12, 4);
    EXPECT_EQ(first.Data4[0] & 0xC0, 0x80);
    EXPECT_EQ(CoCreateGuid(nullptr), E_INVALIDARG);
}

// Records are told apart by their GUIDs, so none may repeat: not over many thousands, not
// between threads, and not between a process and a child it forks while holding random bytes
// it has not used yet.
TEST(Guid, NoGuidRepeatsAcrossCallsThreadsAndForks) {
    std::vector<GUID> made(20000);
    std::thread other([&] {
        for (std::size_t i = 0; i < made.size() / 2; ++i) CoCreateGuid(&made[i]);
    });
    for (std::size_t i = made.size() / 2; i < made.size(); ++i) CoCreateGuid(&made[i]);
    other.join();
    auto less = [](const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof a) < 0; };
    std::set<GUID, decltype(less)> distinct(made.begin(), made.end(), less);
    EXPECT_EQ(distinct.size(), made.size());

    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        GUID inChild;
        CoCreateGuid(&inChild);
        const bool sent = ::write(channel[1], &inChild, sizeof inChild) == sizeof inChild;
        ::_exit(sent ? 0 : 1);
    }
    GUID inParent, inChild;
    CoCreateGuid(&inParent);
    ASSERT_EQ(::read(channel[0], &inChild, sizeof inChild), static_cast<ssize_t>(sizeof inChild));
    ::waitpid(child, nullptr, 0);
    ::close(channel[0]);
    ::close(channel[1]);
    EXPECT_NE(inParent, inChild) << "a forked child made its parent's next GUID";
}
