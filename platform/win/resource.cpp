#include "win/resource.h"

#include <algorithm>
#include <cwchar>

#include "win/resourceindex.h"

namespace {

using Entry = ResourceIndex::Entry;

const Entry* entryOf(HRSRC hResInfo) {
    return reinterpret_cast<const Entry*>(hResInfo);
}

}  // namespace

HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
    return FindResourceExW(hModule, lpType, lpName, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
}

HRSRC FindResourceExW(HMODULE hModule, LPCWSTR lpType, LPCWSTR lpName, WORD wLanguage) {
    const ResourceIndex* index = ModuleResourceIndex(hModule);
    const Entry* entry = index ? index->find(lpType, lpName, wLanguage) : nullptr;
    // HRSRC is opaque: it carries the index entry itself.
    return reinterpret_cast<HRSRC>(const_cast<Entry*>(entry));
}

HGLOBAL LoadResource(HMODULE, HRSRC hResInfo) {
    return hResInfo ? const_cast<BYTE*>(entryOf(hResInfo)->data) : nullptr;
}

LPVOID LockResource(HGLOBAL hResData) {
    return hResData;
}

DWORD SizeofResource(HMODULE, HRSRC hResInfo) {
    return hResInfo ? entryOf(hResInfo)->size : 0;
}

BOOL FreeResource(HGLOBAL) {
    return FALSE;
}

int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
    const ResourceIndex* index = ModuleResourceIndex(hInstance);
    const std::wstring* text = index ? index->string(uID) : nullptr;
    if (!text || !lpBuffer || cchBufferMax < 0) return 0;
    if (cchBufferMax == 0) {
        *reinterpret_cast<LPCWSTR*>(lpBuffer) = text->c_str();
        return static_cast<int>(text->size());
    }
    int n = static_cast<int>(std::min<std::size_t>(text->size(), cchBufferMax - 1));
    std::wmemcpy(lpBuffer, text->c_str(), n);
    lpBuffer[n] = L'\0';
    return n;
}
