// A module for the loader tests: records the reasons its entry point is called with and
// joins the resource chain. Its resources come from the script it is built with
// (fixture_module.rc, fixture_second.rc).
#include <string>

#include "win/module.h"

namespace {

std::wstring entryCalls;

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

extern "C" __attribute__((visibility("default"))) const wchar_t* fixtureEntryCalls() {
    return entryCalls.c_str();
}
