// Win32 resources: finding a resource of a module by type and name, and reading its bytes.
//
// A module's resources are the standard compiled resource (.res) file its resource script
// was built into, embedded in the library (cmake/WindowsResources.cmake). They are indexed
// once, when the module is loaded, and live as long as the module.
//
// Texts inside resources are UTF-16 as on Windows, while wchar_t holds UTF-32 here:
// LockResource hands out the raw UTF-16 bytes (dialog and menu templates are read by their
// parsers, see win/resourcetext.h), and LoadStringW converts the string it copies.
#pragma once

#include "win/windef.h"

// Predefined resource types.
#define RT_CURSOR MAKEINTRESOURCE(1)
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_MENU MAKEINTRESOURCE(4)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_FONTDIR MAKEINTRESOURCE(7)
#define RT_FONT MAKEINTRESOURCE(8)
#define RT_ACCELERATOR MAKEINTRESOURCE(9)
#define RT_RCDATA MAKEINTRESOURCE(10)
#define RT_MESSAGETABLE MAKEINTRESOURCE(11)
#define RT_GROUP_CURSOR MAKEINTRESOURCE(12)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_VERSION MAKEINTRESOURCE(16)

// Language ids of resources.
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))
#define PRIMARYLANGID(lgid) ((WORD)(lgid)&0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)
#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define LANG_FRENCH 0x0c
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_ENGLISH_US 0x01
#define SUBLANG_FRENCH 0x01

// Names and types are MAKEINTRESOURCE ids or strings; strings compare ignoring case, and
// "#123" names id 123. A null module means the program's own module.
// Without a thread language, FindResourceW takes the neutral language, then the first the
// module has (Windows would try the thread's UI languages in between).
HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);
// Language 0 behaves as FindResourceW; any other language must be present as such.
HRSRC FindResourceExW(HMODULE hModule, LPCWSTR lpType, LPCWSTR lpName, WORD wLanguage);
// The resource's bytes, valid while the module stays loaded.
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
// Resources are part of the module's image: there is nothing to free.
BOOL FreeResource(HGLOBAL hResData);

inline HRSRC FindResource(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
    return FindResourceW(hModule, lpName, lpType);
}

// Copies string resource uID of the module into the buffer, cut to cchBufferMax - 1
// characters and always terminated; returns the number of characters copied, 0 when the
// module has no such string. With cchBufferMax 0, lpBuffer receives a read-only pointer to
// the whole string instead (null-terminated here, which Windows does not promise).
// Lengths count wchar_t characters, where Windows counts UTF-16 units.
int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax);
inline int LoadString(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
    return LoadStringW(hInstance, uID, lpBuffer, cchBufferMax);
}
