#include "vntl/vntoolsresoverride.h"

#include "win/module.h"

CVnToolsResOverride::CVnToolsResOverride(HINSTANCE hInstance)
    : m_hPrevious(AfxGetResourceHandle()) {
    if (hInstance) AfxSetResourceHandle(hInstance);
}

CVnToolsResOverride::CVnToolsResOverride(const wchar_t* moduleFileName)
    : CVnToolsResOverride(moduleFileName ? GetModuleHandleW(moduleFileName) : nullptr) {}

CVnToolsResOverride::~CVnToolsResOverride() {
    AfxSetResourceHandle(m_hPrevious);
}
