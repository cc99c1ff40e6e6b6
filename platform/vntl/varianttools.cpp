#include "vntl/varianttools.h"

#include <charconv>

#include "win/crt.h"

namespace {

CString shortestText(double value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return CString(std::string(buffer, result.ptr).c_str());
}

}  // namespace

CString VariantToString(const VARIANT& value) {
    switch (value.vt) {
        case VT_BSTR:
            return CString(value.bstrVal);
        case VT_R8:
            return shortestText(value.dblVal);
        case VT_R4:
            return shortestText(value.fltVal);
        case VT_I4:
            return shortestText(value.lVal);
        case VT_I2:
            return shortestText(value.iVal);
        case VT_I8:
            return shortestText(static_cast<double>(value.llVal));
        case VT_UI1:
            return shortestText(value.bVal);
        case VT_BOOL:
            return value.boolVal ? CString(L"1") : CString(L"0");
        default:
            return CString();
    }
}

double VariantToDouble(const VARIANT& value) {
    switch (value.vt) {
        case VT_BSTR:
            return value.bstrVal ? _wtof(value.bstrVal) : 0.0;
        case VT_R8:
            return value.dblVal;
        case VT_R4:
            return value.fltVal;
        case VT_I4:
            return value.lVal;
        case VT_I2:
            return value.iVal;
        case VT_I8:
            return static_cast<double>(value.llVal);
        case VT_UI1:
            return value.bVal;
        case VT_BOOL:
            return value.boolVal ? 1.0 : 0.0;
        default:
            return 0.0;
    }
}

std::wstring StdText(const CString& text) {
    return std::wstring(text.GetString(), static_cast<std::size_t>(text.GetLength()));
}
