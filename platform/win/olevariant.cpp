// COleVariant: a VARIANT that owns its value. Copies duplicate a BSTR, moves hand it over.
#include <cstring>

#include "win/variant.h"

namespace {

BSTR allocText(const wchar_t* text, int length) {
    return SysAllocStringLen(text, static_cast<UINT>(length));
}

}  // namespace

COleVariant::COleVariant() {
    VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc) {
    VariantInit(this);
    VariantCopy(this, &varSrc);
}

COleVariant::COleVariant(LPCVARIANT pSrc) {
    VariantInit(this);
    if (pSrc) VariantCopy(this, pSrc);
}

COleVariant::COleVariant(const COleVariant& varSrc)
    : COleVariant(static_cast<const VARIANT&>(varSrc)) {}

COleVariant::COleVariant(COleVariant&& varSrc) noexcept {
    static_cast<VARIANT&>(*this) = static_cast<const VARIANT&>(varSrc);
    varSrc.setEmpty();
}

COleVariant::COleVariant(LPCTSTR lpszSrc) {
    VariantInit(this);
    *this = lpszSrc;
}

COleVariant::COleVariant(const CString& strSrc) {
    VariantInit(this);
    *this = strSrc;
}

COleVariant::COleVariant(BYTE nSrc) {
    VariantInit(this);
    vt = VT_UI1;
    bVal = nSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc) {
    VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        vt = VT_I2;
        iVal = nSrc;
    }
}

COleVariant::COleVariant(LONG lSrc, VARTYPE vtSrc) {
    VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vtSrc == VT_ERROR) {
        vt = VT_ERROR;
        scode = lSrc;
    } else {
        vt = VT_I4;
        lVal = lSrc;
    }
}

COleVariant::COleVariant(LONGLONG nSrc) {
    VariantInit(this);
    vt = VT_I8;
    llVal = nSrc;
}

COleVariant::COleVariant(float fltSrc) {
    VariantInit(this);
    vt = VT_R4;
    fltVal = fltSrc;
}

COleVariant::COleVariant(double dblSrc, VARTYPE vtSrc) {
    VariantInit(this);
    vt = vtSrc == VT_DATE ? VT_DATE : VT_R8;
    dblVal = dblSrc;
}

COleVariant::~COleVariant() {
    VariantClear(this);
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc) {
    if (&varSrc != static_cast<const VARIANT*>(this)) VariantCopy(this, &varSrc);
    return *this;
}

COleVariant& COleVariant::operator=(LPCVARIANT pSrc) {
    if (pSrc) {
        *this = *pSrc;
    } else {
        Clear();
    }
    return *this;
}

COleVariant& COleVariant::operator=(const COleVariant& varSrc) {
    return *this = static_cast<const VARIANT&>(varSrc);
}

COleVariant& COleVariant::operator=(COleVariant&& varSrc) noexcept {
    if (&varSrc != this) {
        Clear();
        static_cast<VARIANT&>(*this) = static_cast<const VARIANT&>(varSrc);
        varSrc.setEmpty();
    }
    return *this;
}

COleVariant& COleVariant::operator=(LPCTSTR lpszSrc) {
    // Allocated before clearing: the text may be our own BSTR.
    BSTR text = SysAllocString(lpszSrc ? lpszSrc : L"");
    Clear();
    vt = VT_BSTR;
    bstrVal = text;
    return *this;
}

COleVariant& COleVariant::operator=(const CString& strSrc) {
    BSTR text = allocText(strSrc.GetString(), strSrc.GetLength());
    Clear();
    vt = VT_BSTR;
    bstrVal = text;
    return *this;
}

COleVariant& COleVariant::operator=(BYTE nSrc) {
    if (vt != VT_UI1) {
        Clear();
        vt = VT_UI1;
    }
    bVal = nSrc;
    return *this;
}

COleVariant& COleVariant::operator=(short nSrc) {
    if (vt == VT_BOOL) {
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
        return *this;
    }
    if (vt != VT_I2) {
        Clear();
        vt = VT_I2;
    }
    iVal = nSrc;
    return *this;
}

COleVariant& COleVariant::operator=(LONG lSrc) {
    if (vt == VT_BOOL) {
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vt == VT_ERROR) {
        scode = lSrc;
    } else {
        if (vt != VT_I4) {
            Clear();
            vt = VT_I4;
        }
        lVal = lSrc;
    }
    return *this;
}

COleVariant& COleVariant::operator=(LONGLONG nSrc) {
    if (vt != VT_I8) {
        Clear();
        vt = VT_I8;
    }
    llVal = nSrc;
    return *this;
}

COleVariant& COleVariant::operator=(float fltSrc) {
    if (vt != VT_R4) {
        Clear();
        vt = VT_R4;
    }
    fltVal = fltSrc;
    return *this;
}

COleVariant& COleVariant::operator=(double dblSrc) {
    if (vt != VT_R8) {
        Clear();
        vt = VT_R8;
    }
    dblVal = dblSrc;
    return *this;
}

BOOL COleVariant::operator==(const VARIANT& var) const {
    if (&var == static_cast<const VARIANT*>(this)) return TRUE;
    if (var.vt != vt) return FALSE;
    switch (vt) {
        case VT_EMPTY:
        case VT_NULL:
            return TRUE;
        case VT_BOOL:
            return var.boolVal == boolVal;
        case VT_I1:
            return var.cVal == cVal;
        case VT_UI1:
            return var.bVal == bVal;
        case VT_I2:
            return var.iVal == iVal;
        case VT_UI2:
            return var.uiVal == uiVal;
        case VT_I4:
            return var.lVal == lVal;
        case VT_UI4:
            return var.ulVal == ulVal;
        case VT_INT:
            return var.intVal == intVal;
        case VT_UINT:
            return var.uintVal == uintVal;
        case VT_I8:
            return var.llVal == llVal;
        case VT_UI8:
            return var.ullVal == ullVal;
        case VT_R4:
            return var.fltVal == fltVal;
        case VT_R8:
            return var.dblVal == dblVal;
        case VT_DATE:
            return var.date == date;
        case VT_ERROR:
            return var.scode == scode;
        case VT_BSTR: {
            UINT bytes = SysStringByteLen(bstrVal);
            return bytes == SysStringByteLen(var.bstrVal) &&
                   (bytes == 0 || std::memcmp(bstrVal, var.bstrVal, bytes) == 0);
        }
        default:
            return var.vt & VT_BYREF ? var.byref == byref : FALSE;
    }
}

void COleVariant::Clear() {
    VariantClear(this);
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc) {
    if (!pSrc) pSrc = this;
    if (pSrc != this || vartype != vt) VariantChangeType(this, pSrc, 0, vartype);
}

void COleVariant::Attach(VARIANT& varSrc) {
    if (&varSrc == static_cast<VARIANT*>(this)) return;
    Clear();
    static_cast<VARIANT&>(*this) = varSrc;
    varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach() {
    VARIANT value = *this;
    setEmpty();
    return value;
}

// Forgets the value without freeing it: its ownership has gone elsewhere.
void COleVariant::setEmpty() {
    vt = VT_EMPTY;
}
