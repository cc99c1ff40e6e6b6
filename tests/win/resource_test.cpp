#include "win/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/cstring_printer.h"
#include "vntl/vntoolsresoverride.h"
#include "win/module.h"
#include "win/resourceindex.h"

namespace {

// Loads a module for the length of a test: the resource chain is left as it was found.
class LoadedModule {
public:
    explicit LoadedModule(const wchar_t* fileName) : m_module(LoadLibraryW(fileName)) {}
    ~LoadedModule() {
        if (m_module) FreeLibrary(m_module);
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    operator HMODULE() const { return m_module; }
    void free() {
        FreeLibrary(m_module);
        m_module = nullptr;
    }

private:
    HMODULE m_module;
};

// The bytes of a resource as text ("<none>" when absent): the fixtures hold ASCII data.
std::string resourceText(HMODULE module, LPCWSTR name, LPCWSTR type, WORD language = 0) {
    HRSRC info = FindResourceExW(module, type, name, language);
    if (!info) return "<none>";
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, info)));
    return std::string(bytes, SizeofResource(module, info));
}

// Little-endian fields of a resource's raw bytes.
template <typename T>
T fieldAt(HMODULE module, LPCWSTR name, LPCWSTR type, std::size_t offset) {
    HRSRC info = FindResourceW(module, name, type);
    EXPECT_NE(info, nullptr);
    if (!info || SizeofResource(module, info) < offset + sizeof(T)) return T{};
    T value;
    std::memcpy(&value, static_cast<const BYTE*>(LoadResource(module, info)) + offset, sizeof(T));
    return value;
}

std::wstring loadString(HMODULE module, UINT id) {
    wchar_t buffer[256];
    int length = LoadStringW(module, id, buffer, 256);
    if (length == 0) return L"<none>";
    EXPECT_EQ(length, static_cast<int>(std::wcslen(buffer))) << id;
    return buffer;
}

class ResourceTest : public ::testing::Test {
protected:
    LoadedModule fixture{L"FixtureModule.so"};
    void SetUp() override { ASSERT_NE(HMODULE(fixture), nullptr); }
};

}  // namespace

// 99 and 102 sit in a block that exists but are absent, as is 999 whose block does not exist.
TEST_F(ResourceTest, StringsKeepTheirAccentsLineBreaksAndPlacesInTheirBlocks) {
    // 115 holds a character beyond 16 bits: a surrogate pair in the file.
    const std::pair<UINT, const wchar_t*> expected[] = {{99, L"<none>"},
                                                        {100, L"Première chaîne"},
                                                        {101, L"Second\nline"},
                                                        {111, L"Dernière du bloc"},
                                                        {112, L"Premier du bloc suivant"},
                                                        {115, L"Clef \U0001F511"},
                                                        {102, L"<none>"},
                                                        {999, L"<none>"}};
    for (auto [id, text] : expected) EXPECT_EQ(loadString(fixture, id), text) << id;
}

TEST_F(ResourceTest, LoadStringCutsToTheBufferOrHandsOutTheStringItself) {
    const struct {
        int cchBufferMax;
        int copied;
        const wchar_t* text;
    } cases[] = {
        {12, 11, L"Second\nline"}, {11, 10, L"Second\nlin"}, {8, 7, L"Second\n"}, {1, 0, L""}};
    for (auto c : cases) {
        wchar_t buffer[16];
        std::wmemset(buffer, L'#', 16);
        EXPECT_EQ(LoadStringW(fixture, 101, buffer, c.cchBufferMax), c.copied) << c.cchBufferMax;
        EXPECT_STREQ(buffer, c.text);
    }
    // Without a buffer, the string itself is handed out.
    const wchar_t* text = nullptr;
    EXPECT_EQ(LoadStringW(fixture, 101, reinterpret_cast<LPWSTR>(&text), 0), 11);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text, 11), L"Second\nline");
}

TEST_F(ResourceTest, NamesAndTypesAreIdsOrStringsIgnoringCase) {
    const struct {
        LPCWSTR name;
        LPCWSTR type;
        const char* bytes;
    } cases[] = {
        {MAKEINTRESOURCE(300), RT_RCDATA, "module"}, {L"#300", RT_RCDATA, "module"},
        {L"Legend", L"Notes", "Texte en notes"},     {L"LEGEND", L"notes", "Texte en notes"},
        {L"shared", MAKEINTRESOURCE(10), "fixture"},
    };
    for (auto c : cases) EXPECT_EQ(resourceText(fixture, c.name, c.type), c.bytes) << c.bytes;
}

TEST_F(ResourceTest, MissingResourcesGiveNull) {
    const struct {
        LPCWSTR name;
        LPCWSTR type;
    } cases[] = {{L"NOPE", RT_RCDATA},
                 {MAKEINTRESOURCE(300), RT_BITMAP},
                 {MAKEINTRESOURCE(301), RT_RCDATA},
                 {L"Legend", L"Other"},
                 {nullptr, RT_RCDATA}};
    for (auto c : cases) EXPECT_EQ(FindResourceW(fixture, c.name, c.type), nullptr);
    EXPECT_EQ(LoadResource(fixture, nullptr), nullptr);
    EXPECT_EQ(SizeofResource(fixture, nullptr), 0u);

    HMODULE stale = fixture;
    fixture.free();
    EXPECT_EQ(FindResourceW(stale, MAKEINTRESOURCE(300), RT_RCDATA), nullptr);
    EXPECT_EQ(LoadStringW(stale, 100, nullptr, 0), 0);
}

TEST(ProgramResources, TheProgramsOwnModuleCarriesResources) {
    EXPECT_EQ(resourceText(nullptr, L"SHARED", RT_RCDATA), "program");
    EXPECT_EQ(resourceText(GetModuleHandleW(nullptr), L"SHARED", RT_RCDATA), "program");
    EXPECT_EQ(loadString(GetModuleHandleW(nullptr), 102), L"Texte du programme");
    EXPECT_EQ(loadString(nullptr, 102), L"Texte du programme");
}

TEST(ProgramResources, LanguagesPreferNeutralAndMatchExplicitOnesExactly) {
    const std::pair<WORD, const char*> cases[] = {
        {0, "salut"},
        {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), "bonjour"},
        {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), "hello"},
        {MAKELANGID(0x07, SUBLANG_DEFAULT), "<none>"},  // German: not in the program
    };
    for (auto [language, bytes] : cases)
        EXPECT_EQ(resourceText(nullptr, L"GREETING", RT_RCDATA, language), bytes) << language;
}

TEST_F(ResourceTest, TheCurrentResourceModuleAnswersBeforeTheExtensionModules) {
    HINSTANCE program = AfxGetInstanceHandle();
    EXPECT_EQ(AfxFindResourceHandle(L"SHARED", RT_RCDATA), program);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(300), RT_RCDATA), fixture);
    {
        CVnToolsResOverride override(fixture);
        EXPECT_EQ(AfxFindResourceHandle(L"SHARED", RT_RCDATA), fixture);
        EXPECT_EQ(AfxFindStringResourceHandle(100), fixture);
    }
    EXPECT_EQ(AfxFindResourceHandle(L"SHARED", RT_RCDATA), program);
}

TEST_F(ResourceTest, ExtensionModulesAnswerInTheOrderTheyJoinedTheChain) {
    LoadedModule second(L"FixtureSecond.so");
    ASSERT_NE(HMODULE(second), nullptr);
    EXPECT_EQ(AfxFindResourceHandle(L"CHAINED", RT_RCDATA), fixture);
    EXPECT_EQ(AfxFindStringResourceHandle(100), fixture);
    EXPECT_EQ(AfxFindResourceHandle(L"SECONDONLY", RT_RCDATA), second);
    EXPECT_EQ(AfxFindResourceHandle(L"NOWHERE", RT_RCDATA), AfxGetResourceHandle());

    fixture.free();
    EXPECT_EQ(AfxFindResourceHandle(L"CHAINED", RT_RCDATA), second);
    CString text;
    ASSERT_TRUE(text.LoadString(100));
    EXPECT_EQ(text, L"Chaîne du second module");
    second.free();
    EXPECT_FALSE(text.LoadString(100)) << "the unloaded modules' strings are gone";
}

TEST(UiKitModule, IsFoundByItsWindowsNameAndLendsTheProductIcon) {
    LoadedModule uikit(L"UiKit10-9.so");
    ASSERT_NE(HMODULE(uikit), nullptr);
    EXPECT_EQ(GetModuleHandleW(L"UiKit10-9.dll"), uikit);

    CVnToolsResOverride override(L"UiKit10-9.dll");
    HINSTANCE holder = AfxFindResourceHandle(MAKEINTRESOURCE(20922), RT_GROUP_ICON);
    ASSERT_EQ(holder, uikit);
    // The icon group lists a 16 and a 32 pixel image, each an RT_ICON of the module.
    auto group = [&](std::size_t offset) {
        return fieldAt<WORD>(holder, MAKEINTRESOURCE(20922), RT_GROUP_ICON, offset);
    };
    ASSERT_EQ(group(4), 2);
    for (int i = 0; i < 2; ++i) {
        std::size_t entry = 6 + 14 * i;
        EXPECT_EQ(group(entry) & 0xFF, i == 0 ? 16 : 32);
        HRSRC icon = FindResourceW(holder, MAKEINTRESOURCE(group(entry + 12)), RT_ICON);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(SizeofResource(holder, icon),
                  fieldAt<DWORD>(holder, MAKEINTRESOURCE(20922), RT_GROUP_ICON, entry + 8));
    }
}

TEST(RebarModuleResources, DialogTemplatesAndTheLegendBitmapHaveTheirSizes) {
    LoadedModule rebar(L"librebar.so");
    ASSERT_NE(HMODULE(rebar), nullptr);
    // DLGTEMPLATEEX: version 1 and signature 0xFFFF, then style at 12, item count at 16 and
    // the size in dialog units at 22.
    const struct {
        UINT id;
        WORD items;
        short cx;
        short cy;
    } dialogs[] = {{10707, 9, 480, 142}, {10705, 1, 490, 132}, {10701, 19, 500, 256}};
    for (auto d : dialogs) {
        LPCWSTR name = MAKEINTRESOURCE(d.id);
        EXPECT_EQ(AfxFindResourceHandle(name, RT_DIALOG), rebar) << d.id;
        EXPECT_EQ(fieldAt<DWORD>(rebar, name, RT_DIALOG, 0), 0xFFFF0001u) << d.id;
        EXPECT_EQ(fieldAt<WORD>(rebar, name, RT_DIALOG, 16), d.items) << d.id;
        EXPECT_EQ(fieldAt<short>(rebar, name, RT_DIALOG, 22), d.cx) << d.id;
        EXPECT_EQ(fieldAt<short>(rebar, name, RT_DIALOG, 24), d.cy) << d.id;
    }
    // Popup, caption, system menu, modal frame and a font of its own.
    EXPECT_EQ(fieldAt<DWORD>(rebar, MAKEINTRESOURCE(10707), RT_DIALOG, 12), 0x80C800C0u);

    // A bitmap resource is a DIB without its file header: BITMAPINFOHEADER first.
    LPCWSTR legend = MAKEINTRESOURCE(10706);
    EXPECT_EQ(AfxFindResourceHandle(legend, RT_BITMAP), rebar);
    EXPECT_EQ(fieldAt<LONG>(rebar, legend, RT_BITMAP, 4), 722);
    EXPECT_EQ(fieldAt<LONG>(rebar, legend, RT_BITMAP, 8), 205);
    EXPECT_EQ(fieldAt<WORD>(rebar, legend, RT_BITMAP, 14), 24);
}

TEST(ResourceIndexDeathTest, AMalformedImageStopsWithADiagnostic) {
    // A record whose header claims 32 bytes where the image ends after 10.
    const BYTE truncated[] = {0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF};
    EXPECT_DEATH(ResourceIndex{std::span(truncated)}, "resourceindex.cpp:.*assertion failed");
}
