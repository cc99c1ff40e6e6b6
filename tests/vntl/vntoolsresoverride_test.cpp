#include "vntl/vntoolsresoverride.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "win/module.h"

TEST(CVnToolsResOverride, RestoresThePreviousResourceModuleEvenWhenAnExceptionPasses) {
    HMODULE module = LoadLibraryW(L"PromptFixture.so");
    ASSERT_NE(module, nullptr);
    HINSTANCE before = AfxGetResourceHandle();
    try {
        CVnToolsResOverride byName(L"promptfixture.dll");
        EXPECT_EQ(AfxGetResourceHandle(), module);
        throw std::runtime_error("interrupted");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(AfxGetResourceHandle(), before);
    {
        CVnToolsResOverride unknown(L"UiKit-NotLoaded.dll");
        EXPECT_EQ(AfxGetResourceHandle(), before) << "an unknown module changes nothing";
    }
    FreeLibrary(module);
}
