#include "win/variant.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>
#include <string>
#include <string_view>

#include "win/crt.h"
#include "win/textlocale.h"

// ---- BSTR -------------------------------------------------------------------------------

namespace {

// The byte count sits in the four bytes before the first character, as on Windows.
std::uint32_t* prefixOf(BSTR bstr) {
    return reinterpret_cast<std::uint32_t*>(bstr) - 1;
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* strIn, UINT ui) {
    const std::size_t bytes = std::size_t{ui} * sizeof(OLECHAR);
    if (bytes > std::numeric_limits<std::uint32_t>::max()) return nullptr;
    void* block = std::malloc(sizeof(std::uint32_t) + bytes + sizeof(OLECHAR));
    if (!block) return nullptr;
    auto* prefix = static_cast<std::uint32_t*>(block);
    *prefix = static_cast<std::uint32_t>(bytes);
    BSTR text = reinterpret_cast<BSTR>(prefix + 1);
    if (strIn) {
        std::memcpy(text, strIn, bytes);
    } else {
        std::memset(text, 0, bytes);
    }
    text[ui] = L'\0';
    return text;
}

BSTR SysAllocString(const OLECHAR* psz) {
    return psz ? SysAllocStringLen(psz, static_cast<UINT>(std::wcslen(psz))) : nullptr;
}

void SysFreeString(BSTR bstrString) {
    if (bstrString) std::free(prefixOf(bstrString));
}

UINT SysStringByteLen(BSTR bstr) {
    return bstr ? *prefixOf(bstr) : 0;
}

UINT SysStringLen(BSTR pbstr) {
    return SysStringByteLen(pbstr) / sizeof(OLECHAR);
}

int SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, UINT len) {
    if (!pbstr) return FALSE;
    // Allocate before freeing: psz may point into the old string.
    BSTR copy = SysAllocStringLen(psz, len);
    if (!copy) return FALSE;
    SysFreeString(*pbstr);
    *pbstr = copy;
    return TRUE;
}

int SysReAllocString(BSTR* pbstr, const OLECHAR* psz) {
    if (!psz) {
        if (!pbstr) return FALSE;
        SysFreeString(*pbstr);
        *pbstr = nullptr;
        return TRUE;
    }
    return SysReAllocStringLen(pbstr, psz, static_cast<UINT>(std::wcslen(psz)));
}

// ---- VARIANT ----------------------------------------------------------------------------

namespace {

bool isSupportedType(VARTYPE vt) {
    switch (vt) {
        case VT_EMPTY:
        case VT_NULL:
        case VT_I2:
        case VT_I4:
        case VT_R4:
        case VT_R8:
        case VT_DATE:
        case VT_BSTR:
        case VT_ERROR:
        case VT_BOOL:
        case VT_I1:
        case VT_UI1:
        case VT_UI2:
        case VT_UI4:
        case VT_I8:
        case VT_UI8:
        case VT_INT:
        case VT_UINT:
            return true;
        default:
            return false;
    }
}

// Every supported number as a long double, which holds any 64-bit integer exactly.
bool numberOf(const VARIANT& v, long double& out) {
    switch (v.vt) {
        case VT_EMPTY:
            out = 0;
            return true;
        case VT_I1:
            out = static_cast<signed char>(v.cVal);
            return true;
        case VT_I2:
            out = v.iVal;
            return true;
        case VT_I4:
            out = v.lVal;
            return true;
        case VT_INT:
            out = v.intVal;
            return true;
        case VT_I8:
            out = static_cast<long double>(v.llVal);
            return true;
        case VT_UI1:
            out = v.bVal;
            return true;
        case VT_UI2:
            out = v.uiVal;
            return true;
        case VT_UI4:
            out = v.ulVal;
            return true;
        case VT_UINT:
            out = v.uintVal;
            return true;
        case VT_UI8:
            out = static_cast<long double>(v.ullVal);
            return true;
        case VT_R4:
            out = v.fltVal;
            return true;
        case VT_R8:
            out = v.dblVal;
            return true;
        case VT_DATE:
            out = v.date;
            return true;
        case VT_BOOL:
            out = v.boolVal ? -1 : 0;
            return true;
        default:
            return false;
    }
}

std::wstring_view textOf(const VARIANT& v) {
    return {v.bstrVal ? v.bstrVal : L"", SysStringLen(v.bstrVal)};
}

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && vnwin::isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && vnwin::isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The whole text, blanks aside, must be one decimal number written with ".".
HRESULT parseNumber(std::wstring_view text, long double& out) {
    text = trimmed(text);
    if (text.empty() || text.find_first_not_of(L"0123456789+-.eE") != std::wstring_view::npos)
        return DISP_E_TYPEMISMATCH;
    const std::wstring copy(text);
    wchar_t* end = nullptr;
    out = wcstold_l(copy.c_str(), &end, vnwin::classicLocale());
    if (end != copy.c_str() + copy.size()) return DISP_E_TYPEMISMATCH;
    return std::isfinite(out) ? S_OK : DISP_E_OVERFLOW;
}

HRESULT parseBool(std::wstring_view text, VARIANT_BOOL& out) {
    text = trimmed(text);
    const std::wstring copy(text);
    if (_wcsicmp(copy.c_str(), L"True") == 0) return out = VARIANT_TRUE, S_OK;
    if (_wcsicmp(copy.c_str(), L"False") == 0) return out = VARIANT_FALSE, S_OK;
    long double number = 0;
    HRESULT hr = parseNumber(text, number);
    if (SUCCEEDED(hr)) out = number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return hr;
}

BSTR formatNumber(const char* format, long double value) {
    char buffer[64];
    {
        vnwin::ClassicLocaleScope classic;
        std::snprintf(buffer, sizeof buffer, format, value);
    }
    std::wstring wide(buffer, buffer + std::strlen(buffer));
    return SysAllocStringLen(wide.c_str(), static_cast<UINT>(wide.size()));
}

// Texts for numbers as Windows writes them: integers in full, doubles with up to 15
// significant digits, floats with up to 7, and booleans as -1/0 unless words are asked for.
HRESULT toText(const VARIANT& src, USHORT flags, VARIANT& out) {
    BSTR text = nullptr;
    switch (src.vt) {
        case VT_EMPTY:
            text = SysAllocString(L"");
            break;
        case VT_BOOL:
            if (flags & VARIANT_ALPHABOOL) {
                text = SysAllocString(src.boolVal ? L"True" : L"False");
            } else {
                text = SysAllocString(src.boolVal ? L"-1" : L"0");
            }
            break;
        case VT_R4:
            text = formatNumber("%.7LG", src.fltVal);
            break;
        case VT_R8:
            text = formatNumber("%.15LG", src.dblVal);
            break;
        // Not Windows: a date would need Windows' date format; refuse it rather than guess.
        case VT_DATE:
        case VT_ERROR:
        case VT_NULL:
            return DISP_E_TYPEMISMATCH;
        default: {
            long double number = 0;
            if (!numberOf(src, number)) return DISP_E_BADVARTYPE;
            text = formatNumber("%.0Lf", number);
        }
    }
    if (!text) return E_OUTOFMEMORY;
    out.vt = VT_BSTR;
    out.bstrVal = text;
    return S_OK;
}

template <typename T>
HRESULT toInteger(long double value, T& out) {
    // Windows rounds halves to the even neighbour: 2.5 gives 2, 3.5 gives 4.
    long double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<long double>(std::numeric_limits<T>::min()) &&
          rounded <= static_cast<long double>(std::numeric_limits<T>::max())))
        return DISP_E_OVERFLOW;
    out = static_cast<T>(rounded);
    return S_OK;
}

HRESULT fromNumber(long double value, VARTYPE vt, VARIANT& out) {
    out.vt = vt;
    switch (vt) {
        case VT_I1:
            return toInteger(value, out.cVal);
        case VT_I2:
            return toInteger(value, out.iVal);
        case VT_I4:
            return toInteger(value, out.lVal);
        case VT_INT:
            return toInteger(value, out.intVal);
        case VT_I8:
            return toInteger(value, out.llVal);
        case VT_UI1:
            return toInteger(value, out.bVal);
        case VT_UI2:
            return toInteger(value, out.uiVal);
        case VT_UI4:
            return toInteger(value, out.ulVal);
        case VT_UINT:
            return toInteger(value, out.uintVal);
        case VT_UI8:
            return toInteger(value, out.ullVal);
        case VT_R4:
            if (std::fabs(value) > FLT_MAX) return DISP_E_OVERFLOW;
            out.fltVal = static_cast<float>(value);
            return S_OK;
        case VT_R8:
            out.dblVal = static_cast<double>(value);
            return S_OK;
        case VT_DATE:
            out.date = static_cast<double>(value);
            return S_OK;
        case VT_BOOL:
            out.boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        default:
            return DISP_E_TYPEMISMATCH;
    }
}

HRESULT convert(const VARIANT& src, USHORT flags, VARTYPE vt, VARIANT& out) {
    if (vt == VT_EMPTY || vt == VT_NULL) {
        // Anything but null may become empty; both may become null.
        if (src.vt == VT_NULL && vt == VT_EMPTY) return DISP_E_TYPEMISMATCH;
        out.vt = vt;
        return S_OK;
    }
    if (src.vt == VT_NULL || src.vt == VT_ERROR || vt == VT_ERROR) return DISP_E_TYPEMISMATCH;
    if (vt == VT_BSTR) return toText(src, flags, out);
    if (src.vt == VT_BSTR) {
        if (vt == VT_BOOL) {
            out.vt = VT_BOOL;
            return parseBool(textOf(src), out.boolVal);
        }
        long double number = 0;
        HRESULT hr = parseNumber(textOf(src), number);
        return FAILED(hr) ? hr : fromNumber(number, vt, out);
    }
    long double number = 0;
    if (!numberOf(src, number)) return DISP_E_BADVARTYPE;
    return fromNumber(number, vt, out);
}

}  // namespace

void VariantInit(VARIANTARG* pvarg) {
    if (!pvarg) return;
    *pvarg = VARIANT{};
    pvarg->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANTARG* pvarg) {
    if (!pvarg) return E_INVALIDARG;
    if (!(pvarg->vt & VT_BYREF) && !isSupportedType(pvarg->vt)) return DISP_E_BADVARTYPE;
    if (pvarg->vt == VT_BSTR) SysFreeString(pvarg->bstrVal);
    pvarg->vt = VT_EMPTY;
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* pvargDest, const VARIANTARG* pvargSrc) {
    if (!pvargDest || !pvargSrc) return E_INVALIDARG;
    if (pvargDest == pvargSrc) return S_OK;
    if (!(pvargSrc->vt & VT_BYREF) && !isSupportedType(pvargSrc->vt)) return DISP_E_BADVARTYPE;
    VARIANT copy = *pvargSrc;
    if (copy.vt == VT_BSTR && copy.bstrVal) {
        copy.bstrVal = SysAllocStringLen(copy.bstrVal, SysStringLen(copy.bstrVal));
        if (!copy.bstrVal) return E_OUTOFMEMORY;
    }
    HRESULT hr = VariantClear(pvargDest);
    if (FAILED(hr)) {
        if (copy.vt == VT_BSTR) SysFreeString(copy.bstrVal);
        return hr;
    }
    *pvargDest = copy;
    return S_OK;
}

HRESULT VariantChangeType(VARIANTARG* pvargDest, const VARIANTARG* pvarSrc, USHORT wFlags,
                          VARTYPE vt) {
    if (!pvargDest || !pvarSrc) return E_INVALIDARG;
    if (!isSupportedType(pvarSrc->vt) || !isSupportedType(vt)) return DISP_E_BADVARTYPE;
    if (pvarSrc->vt == vt) return VariantCopy(pvargDest, pvarSrc);
    // Built aside, so that a failure, or a destination that is the source, loses nothing.
    VARIANT result{};
    HRESULT hr = convert(*pvarSrc, wFlags, vt, result);
    if (FAILED(hr)) return hr;
    hr = VariantClear(pvargDest);
    if (FAILED(hr)) {
        VariantClear(&result);
        return hr;
    }
    *pvargDest = result;
    return S_OK;
}
