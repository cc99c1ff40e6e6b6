// GUIDs as COM defines them: the binary form, equality, creation and the registry text form
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#pragma once

#include <cstdint>

#include "win/windef.h"

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using LPGUID = GUID*;
using LPIID = IID*;
using LPCLSID = CLSID*;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr GUID GUID_NULL{};
inline constexpr CLSID CLSID_NULL{};
inline constexpr IID IID_NULL{};

#define CO_E_CLASSSTRING ((HRESULT)0x800401F3L)
#define CO_E_IIDSTRING ((HRESULT)0x800401F4L)

// The number of characters of the text form, the terminator included.
#define CHARS_IN_GUID 39

inline BOOL IsEqualGUID(REFGUID rguid1, REFGUID rguid2) {
    if (rguid1.Data1 != rguid2.Data1 || rguid1.Data2 != rguid2.Data2 ||
        rguid1.Data3 != rguid2.Data3)
        return FALSE;
    for (int i = 0; i < 8; ++i) {
        if (rguid1.Data4[i] != rguid2.Data4[i]) return FALSE;
    }
    return TRUE;
}
inline BOOL IsEqualIID(REFIID riid1, REFIID riid2) {
    return IsEqualGUID(riid1, riid2);
}
inline BOOL IsEqualCLSID(REFCLSID rclsid1, REFCLSID rclsid2) {
    return IsEqualGUID(rclsid1, rclsid2);
}
inline bool operator==(REFGUID guidOne, REFGUID guidOther) {
    return IsEqualGUID(guidOne, guidOther);
}
inline bool operator!=(REFGUID guidOne, REFGUID guidOther) {
    return !(guidOne == guidOther);
}

// A new random (version 4) GUID from the kernel's random source; E_INVALIDARG for null.
HRESULT CoCreateGuid(GUID* pguid);
// Writes the braced upper-case text form; returns 39 (the terminator counted), or 0 when
// cchMax is below 39.
int StringFromGUID2(REFGUID rguid, LPWSTR lpsz, int cchMax);
// Read the braced text form, hex digits in either case. A null text gives GUID_NULL.
// Windows would also look a CLSID text up as a ProgID; nothing is registered here, so a
// text that is not a GUID gives CO_E_CLASSSTRING.
HRESULT CLSIDFromString(LPCWSTR lpsz, LPCLSID pclsid);
// E_INVALIDARG when the length is wrong, CO_E_IIDSTRING when the text is not a GUID.
HRESULT IIDFromString(LPCWSTR lpsz, LPIID lpiid);
