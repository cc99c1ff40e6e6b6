// Modules: loading a library as a DLL, its instance handle, its resources and MFC's chain of
// extension modules through which resource look-ups fall back.
//
// A Windows module carries its resources in its image. Ours embed their compiled resource
// (.res) file and export AFX_RESOURCE_DATA_EXPORT, which hands out its bytes; the loader
// indexes them before it calls the module's entry point. A program carries resources the
// same way: the build exports that one function from the executable (see
// cmake/WindowsResources.cmake), and GetModuleHandleW(nullptr) finds them through it.
#pragma once

#include <cstddef>

#include "win/resource.h"
#include "win/windef.h"

#define AFX_RESOURCE_DATA_EXPORT "AfxGetModuleResourceData"
// Returns the module's .res image and stores its size in *pSize.
using AFX_RESOURCE_DATA_PROC = const void* (*)(std::size_t* pSize);
using AFX_DLLMAIN_PROC = BOOL (*)(HINSTANCE, DWORD, LPVOID);

// Win32 module functions. Paths and names are UTF-8 file names underneath.
HMODULE LoadLibraryW(LPCWSTR lpLibFileName);
BOOL FreeLibrary(HMODULE hLibModule);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
// Matches the file name of a loaded module ignoring case, with or without its extension;
// null gives the program's own module.
HMODULE GetModuleHandleW(LPCWSTR lpModuleName);
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);
HANDLE GetCurrentProcess();
BOOL EnumProcessModules(HANDLE hProcess, HMODULE* lphModule, DWORD cb, LPDWORD lpcbNeeded);

// MFC's module state: the application's instance and the current resource module.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds string nID: the current resource module first, then the extension
// modules in the order they joined the chain. Null when none has it.
HINSTANCE AfxFindStringResourceHandle(UINT nID);
// The module that holds resource lpszName of type lpszType, searched in the same order.
// When none has it, the current resource module, as MFC answers: the caller's FindResource on
// it then fails and reports the missing resource.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

struct CRuntimeClass;

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
    CRuntimeClass* pFirstSharedClass = nullptr;
};

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the module's CDynLinkLibrary objects from the chain and frees them.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Joins a module to the chain that resource look-ups walk. Created with new by the module's
// entry point; from then on the runtime owns it and frees it when the module terminates.
class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;

    // Not MFC: lets a caller walk the chain without MFC's module-state internals.
    static int GetChainCount();
    static CDynLinkLibrary* GetChainAt(int index);

private:
    bool m_bInChain = true;
    friend void AfxTermExtensionModule(AFX_EXTENSION_MODULE&, BOOL);
};
