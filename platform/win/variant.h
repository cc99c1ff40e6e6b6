// Automation values: BSTR, VARIANT and MFC's COleVariant, as the table container exchanges
// cells. Type numbers and the VARIANT layout are those of 64-bit Windows. Of the variant
// types, the empty, null, integer, floating, date, error, boolean and BSTR ones are
// supported; COM interfaces, arrays, records and decimals are not.
#pragma once

#include <cstdint>

#include "win/cstring.h"
#include "win/windef.h"

using OLECHAR = wchar_t;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
// A BSTR points at its first character; its length in bytes is stored just before it, and
// a terminator follows it. It may hold embedded null characters. A null BSTR is empty text.
using BSTR = OLECHAR*;

using VARTYPE = unsigned short;
using DATE = double;
using SCODE = LONG;

enum VARENUM {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
    VT_TYPEMASK = 0xfff,
};

#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

// VariantChangeType flags.
#define VARIANT_NOVALUEPROP 0x01
#define VARIANT_ALPHABOOL 0x02
#define VARIANT_NOUSEROVERRIDE 0x04
#define VARIANT_LOCALBOOL 0x10

#define DISP_E_TYPEMISMATCH ((HRESULT)0x80020005L)
#define DISP_E_BADVARTYPE ((HRESULT)0x80020008L)
#define DISP_E_OVERFLOW ((HRESULT)0x8002000AL)

BSTR SysAllocString(const OLECHAR* psz);                // null gives a null BSTR
BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui);  // a null strIn gives ui zero chars
void SysFreeString(BSTR bstrString);
UINT SysStringLen(BSTR pbstr);
UINT SysStringByteLen(BSTR bstr);
// Replace *pbstr with a copy of psz (which may point into *pbstr); FALSE when out of memory.
int SysReAllocString(BSTR* pbstr, const OLECHAR* psz);
int SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, UINT len);

struct tagVARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONGLONG llVal;
        LONG lVal;
        BYTE bVal;
        SHORT iVal;
        float fltVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        DATE date;
        BSTR bstrVal;
        char cVal;
        USHORT uiVal;
        ULONG ulVal;
        std::uint64_t ullVal;
        int intVal;
        UINT uintVal;
        void* byref;
        // Windows' record pair: it gives the union its 16 bytes.
        struct {
            void* pvRecord;
            void* pRecInfo;
        } brecVal;
    };
};
using VARIANT = tagVARIANT;
using VARIANTARG = tagVARIANT;
using LPVARIANT = VARIANT*;
using LPCVARIANT = const VARIANT*;
using LPVARIANTARG = VARIANT*;

static_assert(sizeof(VARIANT) == 24, "VARIANT keeps the 64-bit Windows layout");

void VariantInit(VARIANTARG* pvarg);
// Frees what the variant owns and leaves it VT_EMPTY; DISP_E_BADVARTYPE for an unsupported
// type, which is left as it is.
HRESULT VariantClear(VARIANTARG* pvarg);
// Deep copy: a BSTR is duplicated. The destination is cleared first.
HRESULT VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc);
// Converts between the supported types; pvargDest may be pvarSrc. Texts are read and written
// with "." as the decimal point; a text that is not a number gives DISP_E_TYPEMISMATCH, a
// value out of the target's range DISP_E_OVERFLOW. On failure the destination is unchanged.
HRESULT VariantChangeType(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, USHORT wFlags,
                          VARTYPE vt);

class COleVariant : public tagVARIANT {
public:
    COleVariant();
    COleVariant(const VARIANT& varSrc);
    COleVariant(LPCVARIANT pSrc);
    COleVariant(const COleVariant& varSrc);
    // Not MFC: moves take the value over and leave the source empty.
    COleVariant(COleVariant&& varSrc) noexcept;
    // Not MFC for null: an empty BSTR rather than a null one, so bstrVal is always text.
    COleVariant(LPCTSTR lpszSrc);
    COleVariant(const CString& strSrc);
    COleVariant(BYTE nSrc);
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);  // VT_I2 or VT_BOOL
    COleVariant(LONG lSrc, VARTYPE vtSrc = VT_I4);   // VT_I4, VT_ERROR or VT_BOOL
    COleVariant(LONGLONG nSrc);
    COleVariant(float fltSrc);
    COleVariant(double dblSrc, VARTYPE vtSrc = VT_R8);  // VT_R8 or VT_DATE
    ~COleVariant();

    // As MFC, assigning a number of the variant's own family keeps its type: a VT_BOOL
    // assigned a LONG stays boolean, a VT_ERROR takes it as its code.
    COleVariant& operator=(const VARIANT& varSrc);
    COleVariant& operator=(LPCVARIANT pSrc);
    COleVariant& operator=(const COleVariant& varSrc);
    COleVariant& operator=(COleVariant&& varSrc) noexcept;
    COleVariant& operator=(LPCTSTR lpszSrc);
    COleVariant& operator=(const CString& strSrc);
    COleVariant& operator=(BYTE nSrc);
    COleVariant& operator=(short nSrc);
    COleVariant& operator=(LONG lSrc);
    COleVariant& operator=(LONGLONG nSrc);
    COleVariant& operator=(float fltSrc);
    COleVariant& operator=(double dblSrc);

    // Equal when of the same type and value: VT_I4 1 differs from VT_R8 1.0, and texts
    // compare case-sensitively, embedded nulls included.
    BOOL operator==(const COleVariant& var) const {
        return *this == static_cast<const VARIANT&>(var);
    }
    BOOL operator==(const VARIANT& var) const;
    BOOL operator==(LPCVARIANT pSrc) const { return *this == *pSrc; }
    BOOL operator!=(const COleVariant& var) const { return !(*this == var); }
    BOOL operator!=(const VARIANT& var) const { return !(*this == var); }
    BOOL operator!=(LPCVARIANT pSrc) const { return !(*this == *pSrc); }
    // Not MFC: without these a non-const pointer would also match the built-in pointer
    // comparison through operator LPVARIANT, and the call would be ambiguous.
    BOOL operator==(LPVARIANT pSrc) const { return *this == *pSrc; }
    BOOL operator!=(LPVARIANT pSrc) const { return !(*this == *pSrc); }

    operator LPVARIANT() { return this; }
    operator LPCVARIANT() const { return this; }

    void Clear();
    // Converts pSrc (this variant when null) to vartype in place. Not MFC: a failed
    // conversion leaves the variant as it was instead of throwing.
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = nullptr);
    // Takes over varSrc's value (varSrc becomes VT_EMPTY) / hands ours over (we become empty).
    void Attach(VARIANT& varSrc);
    VARIANT Detach();

private:
    void setEmpty();
};
