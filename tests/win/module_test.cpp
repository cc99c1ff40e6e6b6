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

TEST(Module, StringsAreFoundThroughTheChainAndTheCurrentResourceModule) {
    CString text;
    EXPECT_FALSE(text.LoadString(100));
    HMODULE module = LoadLibraryW(L"FixtureModule.so");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(AfxFindStringResourceHandle(100), module);
    ASSERT_TRUE(text.LoadString(100));
    EXPECT_EQ(text, L"Première chaîne");

    wchar_t buffer[8];
    EXPECT_EQ(LoadStringW(module, 101, buffer, 8), 7) << "cut to the buffer";
    EXPECT_STREQ(buffer, L"Second\n");
    EXPECT_EQ(LoadStringW(module, 999, buffer, 8), 0);

    // The current resource module answers before the chain.
    HINSTANCE program = AfxGetInstanceHandle();
    EXPECT_EQ(AfxGetResourceHandle(), program);
    AfxSetResourceHandle(module);
    EXPECT_EQ(AfxFindStringResourceHandle(101), module);
    AfxSetResourceHandle(program);
    FreeLibrary(module);
    EXPECT_FALSE(text.LoadString(100)) << "the unloaded module's strings are gone";
}

TEST(Module, MissingLibrariesAndSymbolsGiveNull) {
    EXPECT_EQ(LoadLibraryW(L"NoSuchModule.so"), nullptr);
    EXPECT_EQ(LoadLibraryW(L""), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"NoSuchModule.dll"), nullptr);
    EXPECT_NE(GetModuleHandleW(nullptr), nullptr);
    wchar_t path[512];
    EXPECT_GT(GetModuleFileNameW(nullptr, path, 512), 0u);
    EXPECT_NE(CString(path).Find(L"win_tests"), -1);
}
