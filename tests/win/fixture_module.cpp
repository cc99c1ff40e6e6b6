// A module for the loader tests: records the reasons its entry point is called with and
// carries a two-string resource table.
#include <string>

#include "win/module.h"

namespace {

std::wstring entryCalls;

constexpr AFX_STRING_RESOURCE strings[] = {{100, L"Première chaîne"}, {101, L"Second\nline"}};
constexpr AFX_RESOURCE_TABLE resources = {strings, 2};

AFX_EXTENSION_MODULE fixtureModule;

}  // namespace

extern "C" __attribute__((visibility("default"))) BOOL DllMain(HINSTANCE h, DWORD reason, LPVOID) {
    entryCalls += std::to_wstring(reason);
    if (reason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(fixtureModule, h)) return FALSE;
        new CDynLinkLibrary(fixtureModule);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(fixtureModule);
    }
    return TRUE;
}

extern "C" __attribute__((visibility("default"))) const AFX_RESOURCE_TABLE*
AfxGetModuleResourceTable() {
    return &resources;
}

extern "C" __attribute__((visibility("default"))) const wchar_t* fixtureEntryCalls() {
    return entryCalls.c_str();
}
