// The module's entry point and its one exported plain function.
#include "rebar/host/afx.h"
#include "rebar/rebarapi.h"
#include "rebar/rebarmodule.h"

namespace {

AFX_EXTENSION_MODULE rebarModule;
HINSTANCE instanceHandle = nullptr;

}  // namespace

HINSTANCE rebar::moduleInstance() {
    return instanceHandle;
}

extern "C" REBAR_API BOOL DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        instanceHandle = hInstance;
        if (!AfxInitExtensionModule(rebarModule, hInstance)) return 0;
        // Joins the host's resource chain; the runtime owns and frees it.
        new CDynLinkLibrary(rebarModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(rebarModule);
        instanceHandle = nullptr;  // the handle names nothing once the library is gone
    }
    return 1;
}

extern "C" REBAR_API const wchar_t* getModulePromptsProjectName() {
    return L"REBAR";
}
