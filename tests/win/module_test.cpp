#include "win/module.h"

#include <gtest/gtest.h>

#include "win/cstring.h"

namespace {

using EntryCallsProc = const wchar_t* (*)();

std::wstring entryCalls(HMODULE module) {
    auto calls = reinterpret_cast<EntryCallsProc>(GetProcAddress(module, "fixtureEntryCalls"));
    return calls ? calls() : L"<no entry point>";
}

}  // namespace

TEST(Module, LoadingCallsTheEntryOnceAndJoinsTheResourceChain) {
    int chainBefore = CDynLinkLibrary::GetChainCount();
    HMODULE module = LoadLibraryW(L"FixtureModule.so");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(entryCalls(module), L"1");
    EXPECT_EQ(CDynLinkLibrary::GetChainCount(), chainBefore + 1);
    EXPECT_EQ(GetModuleHandleW(L"fixturemodule.dll"), module) << "names match ignoring case";

    // A second load only counts; the entry is not called again.
    EXPECT_EQ(LoadLibraryW(L"FixtureModule.so"), module);
    EXPECT_EQ(entryCalls(module), L"1");
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(GetModuleHandleW(L"FixtureModule.so"), module);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(GetModuleHandleW(L"FixtureModule.so"), nullptr);
    EXPECT_EQ(CDynLinkLibrary::GetChainCount(), chainBefore);
    EXPECT_FALSE(FreeLibrary(module)) << "a freed handle is no longer valid";
}

TEST(Module, MissingLibrariesAndSymbolsGiveNull) {
    EXPECT_EQ(LoadLibraryW(L"NoSuchModule.so"), nullptr);
    EXPECT_EQ(LoadLibraryW(L""), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"NoSuchModule.dll"), nullptr);
    wchar_t path[512];
    EXPECT_GT(GetModuleFileNameW(nullptr, path, 512), 0u);
    EXPECT_NE(CString(path).Find(L"win_tests"), -1);
}
