// The data-exchange functions. Numbers are read and written with "." as the decimal point
// whatever the locale; a text that is not wholly a number (blanks around it aside) fails.
#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

#include "afx/dataexchange.h"
#include "afx/exception.h"
#include "win/diagnostics.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    ASSERT(nIDC != 0 && nIDC != -1);
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    ASSERT(hWndCtrl != nullptr);
    m_idLastControl = UINT(nIDC);
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    // The user has been told what is wrong; the focus goes back to the control at fault.
    if (m_idLastControl != 0) {
        HWND hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, int(m_idLastControl));
        ::SetFocus(hWndLastControl);
        if (m_bEditLastControl) ::SendMessageW(hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

namespace {

CString windowText(HWND hWnd) {
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

// Only a changed text is set, so that loading the same data again sends no notifications.
void setWindowText(HWND hWnd, LPCTSTR lpszNew) {
    if (windowText(hWnd) != lpszNew) ::SetWindowTextW(hWnd, lpszNew);
}

// The text as plain ASCII without the blanks around it; empty when it holds anything else.
std::string numberText(const CString& text) {
    CString trimmed(text);
    trimmed.Trim();
    std::string ascii;
    for (int i = 0; i < trimmed.GetLength(); ++i) {
        wchar_t ch = trimmed[i];
        if (ch > 0x7F) return {};
        ascii += char(ch);
    }
    if (ascii.size() > 1 && ascii[0] == '+' && ascii[1] != '-') ascii.erase(0, 1);
    return ascii;
}

template <class Number>
bool parse(const CString& text, Number& value) {
    std::string ascii = numberText(text);
    if (ascii.empty()) return false;
    Number parsed{};
    auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (error != std::errc() || end != ascii.data() + ascii.size()) return false;
    value = parsed;
    return true;
}

void failWith(CDataExchange* pDX, LPCTSTR lpszMessage) {
    AfxMessageBox(lpszMessage, MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <class Number>
void exchangeNumber(CDataExchange* pDX, int nIDC, Number& value, LPCTSTR lpszParseError) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!parse(windowText(hWndCtrl), value)) failWith(pDX, lpszParseError);
        return;
    }
    char buffer[64];
    std::to_chars_result result;
    if constexpr (std::is_floating_point_v<Number>)
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                               std::numeric_limits<double>::digits10);
    else
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    setWindowText(hWndCtrl, CString(std::string(buffer, result.ptr).c_str()));
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;
    VERIFY(rControl.SubclassWindow(pDX->PrepareCtrl(nIDC)));
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    ASSERT(::GetWindowLongW(hWndCtrl, GWL_STYLE) & WS_GROUP);
    if (pDX->m_bSaveAndValidate) value = -1;
    int iButton = 0;
    do {
        if (::SendMessageW(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) != 0) value = iButton;
            } else {
                ::SendMessageW(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !(::GetWindowLongW(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = int(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > 2) value = 0;  // as MFC, an unknown state loads as unchecked
        ::SendMessageW(hWndCtrl, BM_SETCHECK, WPARAM(value), 0);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = windowText(hWndCtrl);
    else
        setWindowText(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    exchangeNumber(pDX, nIDC, value, L"Please enter an integer.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    exchangeNumber(pDX, nIDC, value, L"Please enter a positive integer.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    exchangeNumber(pDX, nIDC, value, L"Please enter an integer.");
}
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    exchangeNumber(pDX, nIDC, value, L"Please enter a number.");
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if ((::GetWindowLongW(hWndCtrl, GWL_STYLE) & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST)
        pDX->m_bEditLastControl = TRUE;
    if (pDX->m_bSaveAndValidate) {
        value = windowText(hWndCtrl);
    } else if (::SendMessageW(hWndCtrl, CB_SELECTSTRING, WPARAM(-1),
                              reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR) {
        setWindowText(hWndCtrl, value);  // a drop-down list ignores it
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = int(::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWndCtrl, CB_SETCURSEL, WPARAM(index), 0);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    CString message;
    message.Format(L"Please enter an integer between %d and %d.", minVal, maxVal);
    failWith(pDX, message);
}

void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    CString message;
    message.Format(L"Please enter a number between %g and %g.", minVal, maxVal);
    failWith(pDX, message);
}
