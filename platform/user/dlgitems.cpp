// Dialog items by id, their texts, numbers and check states; dialog units.
#include <climits>
#include <cwctype>
#include <string>

#include "user/dialog.h"

using namespace user::detail;

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    Window* w = W(hDlg);
    if (!w) return nullptr;
    for (Window* c : w->children) {
        if (static_cast<int>(c->id) == nIDDlgItem) return c->handle;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    Window* w = W(hWnd);
    return w && w->isChild() ? static_cast<int>(w->id) : 0;
}

BOOL SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString) {
    HWND ctl = GetDlgItem(hDlg, nIDDlgItem);
    return ctl ? SetWindowTextW(ctl, lpString) : FALSE;
}

UINT GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax) {
    if (lpString && cchMax > 0) lpString[0] = 0;
    HWND ctl = GetDlgItem(hDlg, nIDDlgItem);
    return ctl ? static_cast<UINT>(GetWindowTextW(ctl, lpString, cchMax)) : 0;
}

BOOL SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
    std::wstring text =
        bSigned ? std::to_wstring(static_cast<int>(uValue)) : std::to_wstring(uValue);
    return SetDlgItemTextW(hDlg, nIDDlgItem, text.c_str());
}

// Leading and trailing blanks are allowed around an optional minus sign and decimal digits.
UINT GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
    if (lpTranslated) *lpTranslated = FALSE;
    wchar_t buffer[64];
    GetDlgItemTextW(hDlg, nIDDlgItem, buffer, 64);
    const wchar_t* p = buffer;
    while (std::iswspace(*p)) ++p;
    bool negative = bSigned && *p == L'-';
    if (negative) ++p;
    if (!std::iswdigit(*p)) return 0;
    long long value = 0;
    for (; std::iswdigit(*p); ++p) {
        value = value * 10 + (*p - L'0');
        if (value > (bSigned ? static_cast<long long>(INT_MAX) + negative : UINT_MAX)) return 0;
    }
    while (std::iswspace(*p)) ++p;
    if (*p) return 0;
    if (lpTranslated) *lpTranslated = TRUE;
    return static_cast<UINT>(negative ? -value : value);
}

LRESULT SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    HWND ctl = GetDlgItem(hDlg, nIDDlgItem);
    return ctl ? SendMessageW(ctl, Msg, wParam, lParam) : 0;
}

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    HWND ctl = GetDlgItem(hDlg, nIDButton);
    if (!ctl) return FALSE;
    SendMessageW(ctl, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    return static_cast<UINT>(SendDlgItemMessageW(hDlg, nIDButton, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    if (!IsWindow(hDlg)) return FALSE;
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        SendDlgItemMessageW(hDlg, id, BM_SETCHECK,
                            id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
    Window* w = W(hDlg);
    if (!w || !lpRect) return FALSE;
    DialogState& d = DialogOf(w);
    *lpRect = {ScaleRounded(lpRect->left, d.baseX, 4), ScaleRounded(lpRect->top, d.baseY, 8),
               ScaleRounded(lpRect->right, d.baseX, 4), ScaleRounded(lpRect->bottom, d.baseY, 8)};
    return TRUE;
}

// The base units of the classic system font, which dialogs without DS_SETFONT use.
LONG GetDialogBaseUnits() {
    return MAKELONG(8, 16);
}
