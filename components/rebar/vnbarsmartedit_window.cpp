// The bar smart edit as a window: creating its fields and frames, passing the focus on to a
// field, Tab between the fields, and the fields' tool tips.
#include "rebar/rebarmodule.h"
#include "rebar/vnbarsmartedit.h"

namespace {

// Below this client size the two fields would have no room for a single character.
constexpr int kMinClientSize = 4;
constexpr DWORD kValueEditStyle = 0x50010081;  // visible child, tab stop, centred, auto-scroll
constexpr DWORD kPhiEditStyle = 0x50000881;    // visible child, read-only, centred, auto-scroll
constexpr DWORD kBoxStyle = 0x50000008;        // visible child, grey frame
constexpr UINT kBoxId = UINT(-1);
// The fields accept any value from 0 up; no bar length comes near the upper bound.
constexpr double kMinValue = 0.0;
constexpr double kMaxValue = 1e20;

bool shiftHeld() {
    return ::GetKeyState(VK_SHIFT) < 0;
}

}  // namespace

bool CVnBarSmartEdit::HasClientEdge() const {
    return (GetExStyle() & WS_EX_CLIENTEDGE) != 0;
}

int CVnBarSmartEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1 || !VerifyThisRect()) return -1;
    CFont* pFont = GetDefaultGUIFontPointer();
    if (!pFont) return -1;
    return CreateControls(pFont) ? 0 : -1;
}

BOOL CVnBarSmartEdit::VerifyThisRect() {
    CRect client;
    GetClientRect(&client);
    return client.Width() >= kMinClientSize && client.Height() >= kMinClientSize;
}

CFont* CVnBarSmartEdit::GetDefaultGUIFontPointer() {
    LOGFONT logFont{};
    if (!GetDefaultGUIFontInfo(logFont)) return static_cast<CFont*>(nullptr);
    return CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
}

BOOL CVnBarSmartEdit::GetDefaultGUIFontInfo(LOGFONT& logFont) {
    HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    return hFont && ::GetObjectW(hFont, sizeof logFont, &logFont) == int(sizeof logFont);
}

BOOL CVnBarSmartEdit::CreateControls(CFont* pFont) {
    CRect client;
    GetClientRect(&client);
    const int w = client.Width(), h = client.Height(), m = w / 2;
    const bool edge = HasClientEdge();
    if (!CreateEditCtrl(CRect(1, 1, m - 1, edge ? h : h - 1), pFont)) return FALSE;
    if (!CreateBoxForEditCtrl(edge ? CRect(m - 1, 0, m, h) : CRect(0, 0, m, h))) return FALSE;
    if (!CreateEditPhiCtrl(CRect(m, 1, w - 1, h - 1), pFont)) return FALSE;
    if (!edge && !CreateBoxForEditPhiCtrl(CRect(m - 1, 0, w, h))) return FALSE;
    return InitializeVnUnitCtrls();
}

BOOL CVnBarSmartEdit::CreateEditCtrl(const CRect& rect, CFont* pFont) {
    if (!valueEdit.Create(kValueEditStyle, rect, this, UINT(nIDC_EditCtrl))) return FALSE;
    valueEdit.SetFont(pFont, TRUE);
    return TRUE;
}

BOOL CVnBarSmartEdit::CreateBoxForEditCtrl(const CRect& rect) {
    return valueBox.Create(L"", kBoxStyle, rect, this, kBoxId);
}

BOOL CVnBarSmartEdit::CreateEditPhiCtrl(const CRect& rect, CFont* pFont) {
    if (!phiEdit.Create(kPhiEditStyle, rect, this, UINT(nIDC_EditPhiCtrl))) return FALSE;
    phiEdit.SetFont(pFont, TRUE);
    return TRUE;
}

BOOL CVnBarSmartEdit::CreateBoxForEditPhiCtrl(const CRect& rect) {
    return phiBox.Create(L"", kBoxStyle, rect, this, kBoxId);
}

BOOL CVnBarSmartEdit::InitializeVnUnitCtrls() {
    CVnUnit unit = LengthUnit();
    unit.SetExponent(1);
    if (!valueEdit.SetDefaultValues(this, UINT(nIDC_EditCtrl), 0.0, unit, kMinValue, kMaxValue) ||
        !phiEdit.SetDefaultValues(this, UINT(nIDC_EditPhiCtrl), 0.0, unit, kMinValue, kMaxValue)) {
        return FALSE;
    }
    // The phi sign is one of this module's texts, also while the host's are current.
    CVnToolsResOverride resources(rebar::moduleInstance());
    phiEdit.SetPhiEnabled(1, rebar::moduleInstance());
    return TRUE;
}

void CVnBarSmartEdit::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    const bool backwards = shiftHeld();
    CVnUnitCtrl& preferred = backwards ? phiEdit : valueEdit;
    CVnUnitCtrl& other = backwards ? valueEdit : phiEdit;
    if (preferred.IsWindowEnabled()) {
        preferred.SetFocus();
    } else if (other.IsWindowEnabled()) {
        other.SetFocus();
    } else if (CWnd* pParent = GetParent()) {
        // Nothing here takes the focus: it goes on to the dialog's next item.
        CWnd* pNext = pParent->GetNextDlgTabItem(this, backwards);
        if (pNext && pNext->m_hWnd != m_hWnd) pNext->SetFocus();
    }
}

BOOL CVnBarSmartEdit::PreTranslateMessage(MSG* pMsg) {
    if (toolTip.m_hWnd) toolTip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_TAB)
        return CWnd::PreTranslateMessage(pMsg);
    CWnd* pFocus = GetFocus();
    const bool valueEnabled = valueEdit.IsWindowEnabled() != FALSE;
    const bool phiEnabled = phiEdit.IsWindowEnabled() != FALSE;
    if (!pFocus || (!valueEnabled && !phiEnabled)) return CWnd::PreTranslateMessage(pMsg);
    const bool backwards = shiftHeld();
    if (!backwards && pFocus->m_hWnd == valueEdit.m_hWnd && phiEnabled) {
        phiEdit.SetFocus();
        return TRUE;
    }
    if (backwards && pFocus->m_hWnd == phiEdit.m_hWnd && valueEnabled) {
        valueEdit.SetFocus();
        return TRUE;
    }
    return FALSE;  // the dialog moves the focus out of the control
}

void CVnBarSmartEdit::OnNcDestroy() {
    for (CWnd* pChild = GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        CWnd* pField = FromHandlePermanent(pChild->m_hWnd);
        if (toolTip.m_hWnd && pField && pField->IsKindOf(RUNTIME_CLASS(CVnUnitCtrl)))
            toolTip.DelTool(pField);
    }
    CWnd::OnNcDestroy();
}

void CVnBarSmartEdit::AddFormatToolTipEditCtrl(CString text) {
    if (valueEdit.m_hWnd) toolTip.AddWindowTool(&valueEdit, text);
}

void CVnBarSmartEdit::AddFormatToolTipEditPhiCtrl(CString text) {
    if (phiEdit.m_hWnd) toolTip.AddWindowTool(&phiEdit, text);
}

void CVnBarSmartEdit::SetFormatToolTipEditCtrl(CString text) {
    toolTip.AddWindowTool(GetDlgItem(nIDC_EditCtrl), text);
}

void CVnBarSmartEdit::SetFormatToolTipEditPhiCtrl(CString text) {
    toolTip.AddWindowTool(GetDlgItem(nIDC_EditPhiCtrl), text);
}
