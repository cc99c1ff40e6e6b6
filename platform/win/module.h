// Modules: loading a library as a DLL, its instance handle, its resources and MFC's chain of
// extension modules through which resource look-ups fall back.
//
// A Windows module carries its resources in its image. Ours exports a function named
// AFX_RESOURCE_TABLE_EXPORT returning an AFX_RESOURCE_TABLE; the loader attaches the table to
// the module's instance handle before it calls the entry point.
#pragma once

#include <cstddef>

#include "win/windef.h"

struct AFX_STRING_RESOURCE {
    UINT nID;
    const wchar_t* lpszText;
};

struct AFX_RESOURCE_TABLE {
    const AFX_STRING_RESOURCE* pStrings = nullptr;
    std::size_t nStrings = 0;
};

#define AFX_RESOURCE_TABLE_EXPORT "AfxGetModuleResourceTable"
using AFX_RESOURCE_TABLE_PROC = const AFX_RESOURCE_TABLE* (*)();
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

// Copies string resource nID of the module into the buffer; returns its length, 0 if absent.
int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax);
inline int LoadString(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
    return LoadStringW(hInstance, uID, lpBuffer, cchBufferMax);
}

// MFC's module state: the application's instance and the current resource module.
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds string nID: the current resource module first, then the extension
// modules in the order they joined the chain. Null when none has it.
HINSTANCE AfxFindStringResourceHandle(UINT nID);

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
