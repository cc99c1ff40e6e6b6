#include "vntl/vnprompts.h"

#include <gtest/gtest.h>

#include "support/cstring_printer.h"
#include "win/module.h"

TEST(VnPrompts, ThePromptTablesAnswerFirstAndTheModuleTableFillsTheGaps) {
    HMODULE module = LoadLibraryW(L"PromptFixture.so");
    ASSERT_NE(module, nullptr);

    CString text;
    EXPECT_EQ(VnPrompts::getPrompt(text, 500, L"FIXTURE", 0), 1);
    EXPECT_EQ(text, L"Texte du module");
    EXPECT_EQ(VnPrompts::getPrompt(501, L"fixture"), L"Autre texte") << "project names ignore case";

    VnPrompts::setPrompt(L"FIXTURE", 500, L"Texte du service");
    EXPECT_EQ(VnPrompts::getPrompt(500, L"FIXTURE"), L"Texte du service");
    VnPrompts::resetPrompts();
    EXPECT_EQ(VnPrompts::getPrompt(500, L"FIXTURE"), L"Texte du module");

    FreeLibrary(module);
    EXPECT_EQ(VnPrompts::getPrompt(text, 500, L"FIXTURE", 0), 0) << "module unloaded";
    EXPECT_TRUE(text.IsEmpty());
}

TEST(VnPrompts, TheHostFilesTextsForIdsNoModuleTableHolds) {
    EXPECT_EQ(VnPrompts::getPrompt(40385, L"REBARPROPERTIESUI"), L"Sismique");
    EXPECT_FALSE(VnPrompts::getPrompt(17260, L"VNTLCONFIG").IsEmpty());
    EXPECT_TRUE(VnPrompts::getPrompt(1, L"NOSUCHMODULE").IsEmpty());
    CString text = L"stale";
    EXPECT_EQ(VnPrompts::getPrompt(text, 1, nullptr, 0), 0);
    EXPECT_TRUE(text.IsEmpty());
}
