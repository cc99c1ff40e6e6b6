#include <gtest/gtest.h>

#include "rebar/host/afx.h"
#include "rebar/host/vntl.h"
#include "support/cstring_printer.h"

// How a loaded library joins and leaves the resource chain is the win layer's to test; here, that
// the rebar module is such a library, names its prompts' project and holds the product's texts.
TEST(RebarModule, LoadingAttachesTheModuleWithTheProductTextsCharacterForCharacter) {
    HMODULE module = LoadLibraryW(L"librebar.so");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(AfxFindStringResourceHandle(12001), module);
    using ProjectNameProc = const wchar_t* (*)();
    auto projectName =
        reinterpret_cast<ProjectNameProc>(GetProcAddress(module, "getModulePromptsProjectName"));
    ASSERT_NE(projectName, nullptr);
    EXPECT_STREQ(projectName(), L"REBAR");
    const std::pair<UINT, const wchar_t*> expected[] = {
        {12001, L"Nom"},
        {12002, L"Diamètre\nnominal"},
        {12003, L"Mandrin\nEtrier/Cadre (A)"},
        {12009, L"Périmètre"},
        {12011, L"Impossible de changer le nom des diamètres utilisés."},
        {12029, L"Erreur de saisie !\nVous avez probablement saisie une valeur négative."},
        {12034, L"Le type de catalogue est incorrect. Ce n'est pas un catalogue de barres!"},
        {12047, L"Min straight\nbar length(S)"},
        {12050,
         L"One ore more rows are duplicated. Are you sure you want to replace them with "
         L"the new values?"},
        {12051, L"Orvanta Béton"},
        {12052, L"One ore more rows are invalid. Delete them?"},
    };
    for (auto [id, text] : expected) EXPECT_EQ(VnPrompts::getPrompt(id, L"REBAR"), text) << id;

    // Ids the module leaves to the prompt service are not in its table.
    int count = 0;
    wchar_t buffer[256];
    for (UINT id = 12000; id <= 12060; ++id) count += LoadStringW(module, id, buffer, 256) > 0;
    EXPECT_EQ(count, 40);
    EXPECT_FALSE(VnPrompts::getPrompt(12010, L"REBAR").IsEmpty()) << "the service has it";
    FreeLibrary(module);
    EXPECT_EQ(AfxFindStringResourceHandle(12001), nullptr);
}
