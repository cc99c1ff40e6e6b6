// The maker's unit field: its value, what it shows, and how typed text is read back.
#include "vntlui/vnunitctrl.h"

#include <array>

#include "afx/dataexchange.h"
#include "vntlui/vntluitools.h"
#include "win/diagnostics.h"
#include "win/resource.h"

IMPLEMENT_DYNAMIC(CVnUnitCtrl, CVnEdit)

namespace {

// The sign shown after a multiple of a diameter when the module names none.
constexpr wchar_t kDefaultPhiSign[] = L"\u00D8";
// Room for any text Double2String writes: it never writes more than String2Double reads.
constexpr int kTextSize = 300;
// Upper bounds from here on stand for "no upper bound" (the open bound of unit fields is
// 1.7976931348623157e+150); messages do not quote them.
constexpr double kOpenUpperBound = 1e20;

// The plain number a multiple of a diameter is shown as: the unit's decimals, or two for a
// unit shown in fractions (a diameter does not come in halves).
CVnUnit multipleUnit(const CVnUnit& unit) {
    CVnUnit number;
    number.SetPrecision(unit.GetUnitFormat() == 1 ? 2 : unit.GetPrecision());
    return number;
}

CString loadPhiSign(HINSTANCE hInstance) {
    std::array<wchar_t, 16> buffer{};
    if (hInstance && ::LoadStringW(hInstance, CVnUnitCtrl::nIDS_PhiSign, buffer.data(),
                                   int(buffer.size())) > 0) {
        return CString(buffer.data());
    }
    return CString(kDefaultPhiSign);
}

}  // namespace

CVnUnitCtrl::CVnUnitCtrl(int nEditType) {
    if (nEditType != 1) AfxNotSupported("unit fields of a kind other than 1");
}

BOOL CVnUnitCtrl::SetDefaultValues(CWnd* pParentWnd, UINT nID, double dValueSI, const CVnUnit& unit,
                                   double dMinSI, double dMaxSI) {
    if (!m_hWnd && (!pParentWnd || !SubclassDlgItem(nID, pParentWnd))) return FALSE;
    m_unit = unit;
    m_min = dMinSI;
    m_max = dMaxSI;
    SetValueSI(dValueSI);
    return TRUE;
}

void CVnUnitCtrl::SetValueSI(double dValueSI) {
    ModifyValueSI(dValueSI);
    ShowValue();
}

void CVnUnitCtrl::ModifyValueSI(double dValueSI) {
    m_value = dValueSI;
    m_given = true;
}

double CVnUnitCtrl::GetValueSI() const {
    return m_given ? m_value : kNotGivenValue;
}

void CVnUnitCtrl::SetPhiEnabled(int nEnable, HINSTANCE hInstance) {
    m_phi = nEnable != 0;
    m_phiSign = m_phi ? loadPhiSign(hInstance) : CString();
    ShowValue();
}

void CVnUnitCtrl::ClearControl() {
    m_given = false;
    ShowValue();
}

void CVnUnitCtrl::SetVisibility(int nVisibility) {
    const bool visible = nVisibility != 0;
    if (visible == m_visible) return;
    m_visible = visible;
    // Text the person typed into the hidden field is theirs: it stays.
    if (!visible || GetWindowTextLength() == 0) ShowValue();
}

BOOL CVnUnitCtrl::UpdateData(BOOL bSaveAndValidate) {
    if (!m_hWnd) return FALSE;
    if (!bSaveAndValidate) {
        ShowValue();
        return TRUE;
    }
    double value = 0.0;
    const Reading reading = ReadText(value);
    return Store(reading, value) ? TRUE : FALSE;
}

LRESULT CVnUnitCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_CHAR && message != WM_KEYDOWN)
        return CVnEdit::WindowProc(message, wParam, lParam);
    // Counted down also when a handler of the notifications throws.
    struct Keystroke {
        int& count;
        explicit Keystroke(int& counter) : count(++counter) {}
        ~Keystroke() { --count; }
    } keystroke(m_keystrokes);
    return CVnEdit::WindowProc(message, wParam, lParam);
}

BOOL CVnUnitCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    // The parent offers the field its own notifications first; those the field caused by
    // setting its text are swallowed here.
    if (message == WM_COMMAND && m_settingText) return TRUE;
    return CVnEdit::OnChildNotify(message, wParam, lParam, pResult);
}

CString CVnUnitCtrl::FormatValue() const {
    if (!m_given || !m_visible) return CString();
    std::array<wchar_t, kTextSize> buffer{};
    if (m_phi) {
        return multipleUnit(m_unit).Double2String(buffer.data(), m_value, 0, m_format, 0, 1,
                                                  kTextSize) +
               L" " + m_phiSign;
    }
    return m_unit.Double2String(buffer.data(), m_value, 1, m_format, 1, 1, kTextSize);
}

void CVnUnitCtrl::ShowValue() {
    if (m_hWnd && m_keystrokes == 0) SetTextQuietly(FormatValue());
}

void CVnUnitCtrl::SetTextQuietly(const CString& text) {
    CString current;
    GetWindowText(current);
    if (current == text) return;
    m_settingText = true;
    SetWindowText(text);
    m_settingText = false;
}

CVnUnitCtrl::Reading CVnUnitCtrl::ReadText(double& dValueSI) const {
    if (GetStyle() & ES_READONLY) return Reading::Kept;
    CString text;
    GetWindowText(text);
    text.Trim();
    if (text.IsEmpty()) return m_given && m_visible ? Reading::BadText : Reading::Kept;
    if (!ParseText(text, dValueSI)) return Reading::BadText;
    if (dValueSI < m_min || dValueSI > m_max) return Reading::OutOfRange;
    return Reading::Value;
}

bool CVnUnitCtrl::ParseText(const CString& text, double& dValueSI) const {
    int error = 0;
    if (!m_phi) {
        dValueSI = m_unit.String2Double(text, &error, 1);
        return error == 0;
    }
    CString number(text);
    if (!m_phiSign.IsEmpty() && number.Right(m_phiSign.GetLength()) == m_phiSign)
        number = number.Left(number.GetLength() - m_phiSign.GetLength());
    dValueSI = multipleUnit(m_unit).String2Double(number, &error, 0);
    return error == 0;
}

bool CVnUnitCtrl::Store(Reading reading, double dValueSI) {
    if (reading != Reading::Value) return reading == Reading::Kept;
    m_value = dValueSI;
    m_given = true;
    m_visible = true;
    return true;
}

CString CVnUnitCtrl::Describe(double dValueSI) const {
    std::array<wchar_t, kTextSize> buffer{};
    if (m_phi)
        return multipleUnit(m_unit).Double2String(buffer.data(), dValueSI, 0, m_format, 0, 1,
                                                  kTextSize);
    return m_unit.Double2String(buffer.data(), dValueSI, 1, m_format, 1, 1, kTextSize);
}

CString CVnUnitCtrl::RefusalMessage(Reading reading) const {
    CString message;
    if (reading == Reading::BadText) {
        message = L"Please enter a number";
        if (!m_phi && !m_unit.GetName().IsEmpty())
            message.AppendFormat(L", in %s or followed by its unit", m_unit.GetName().GetString());
        message += L".";
    } else if (m_max >= kOpenUpperBound) {
        message.Format(L"Please enter a value of at least %s.", Describe(m_min).GetString());
    } else {
        message.Format(L"Please enter a value between %s and %s.", Describe(m_min).GetString(),
                       Describe(m_max).GetString());
    }
    return message;
}

void DDX_UnitCtrl(CDataExchange* pDX, int nIDC, CVnUnitCtrl& rControl, LPCTSTR lpszFormat) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!rControl.m_hWnd) VERIFY(rControl.SubclassWindow(hWndCtrl));
    rControl.m_format = lpszFormat ? lpszFormat : L"%.*f";
    if (!pDX->m_bSaveAndValidate) {
        rControl.ShowValue();
        return;
    }
    double value = 0.0;
    const CVnUnitCtrl::Reading reading = rControl.ReadText(value);
    if (rControl.Store(reading, value)) return;
    VNTLUITools::MessageBoxW(rControl.RefusalMessage(reading), MB_ICONEXCLAMATION, pDX->m_pDlgWnd);
    pDX->Fail();
}
