// The bar-type combo's messages: the combos' notifications turned into the private messages to
// the parent, the focus moving between the two combos (mouse, arrows, Tab), enabling and
// colouring.
#include "rebar/vnbartypesmartcombobox.h"
#include "rebar/vnbartypesmartcombobox_ids.h"
#include "rebar/vnguard.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnbartypesmartcombobox_messages.cpp"
#define BARTYPE_GUARD(member) VN_GUARD_SITE(CVnBarTypeSmartComboBox, member)

using namespace rebar::bartype;

namespace {

bool isEnabled(const CWnd& window) {
    return window.m_hWnd && window.IsWindowEnabled();
}

bool shiftHeld() {
    return ::GetKeyState(VK_SHIFT) < 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CVnBarTypeSmartComboBox, CWnd)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_CTLCOLOR()
ON_WM_SIZE()
ON_WM_ENABLE()
ON_WM_KEYDOWN()
ON_MESSAGE(kMsgButtonSelChanged, &CVnBarTypeSmartComboBox::OnButtonSelChanged)
ON_CBN_SELCHANGE(kDiameterComboId, &CVnBarTypeSmartComboBox::OnSelchangeComboDiameter)
ON_CBN_SELCHANGE(kNameComboId, &CVnBarTypeSmartComboBox::OnSelchangeComboName)
ON_CBN_SELCHANGE(kSteelgradeComboId, &CVnBarTypeSmartComboBox::OnSelchangeComboSteelgrade)
ON_CBN_SELENDOK(kDiameterComboId, &CVnBarTypeSmartComboBox::OnSelchangeOkComboDiameter)
ON_CBN_SELENDOK(kNameComboId, &CVnBarTypeSmartComboBox::OnSelchangeOkComboName)
ON_CBN_SELENDOK(kSteelgradeComboId, &CVnBarTypeSmartComboBox::OnSelchangeOkComboSteelgrade)
ON_CBN_EDITUPDATE(kDiameterComboId, &CVnBarTypeSmartComboBox::OnEditUpdateComboDiameter)
ON_CBN_EDITUPDATE(kNameComboId, &CVnBarTypeSmartComboBox::OnEditUpdateComboName)
ON_CBN_EDITUPDATE(kSteelgradeComboId, &CVnBarTypeSmartComboBox::OnEditUpdateComboSteelgrade)
ON_CBN_SETFOCUS(kDiameterComboId, &CVnBarTypeSmartComboBox::OnSetFocusComboDiameter)
ON_CBN_SETFOCUS(kNameComboId, &CVnBarTypeSmartComboBox::OnSetFocusComboName)
ON_CBN_SETFOCUS(kSteelgradeComboId, &CVnBarTypeSmartComboBox::OnSetFocusComboSteelgrade)
END_MESSAGE_MAP()

void CVnBarTypeSmartComboBox::notifyParent(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HWND parent = ::GetParent(m_hWnd)) ::SendMessageW(parent, message, wParam, lParam);
}

LRESULT CVnBarTypeSmartComboBox::OnButtonSelChanged(WPARAM /*wParam*/, LPARAM lParam) {
    return rebar::guarded(BARTYPE_GUARD(OnButtonSelChanged), [&]() -> LRESULT {
        notifyParent(kMsgButtonSelChanged, static_cast<WPARAM>(GetDlgCtrlID()), lParam);
        firstSide().combo.SetFocus();
        return 0;
    });
}

// ---- Selections ------------------------------------------------------------------------------

void CVnBarTypeSmartComboBox::OnSelchangeComboDiameter() {
    rebar::guarded(BARTYPE_GUARD(OnSelchangeComboDiameter), [&] { visibility = 1; });
}

void CVnBarTypeSmartComboBox::OnSelchangeComboName() {
    rebar::guarded(BARTYPE_GUARD(OnSelchangeComboName), [&] { visibility = 1; });
}

void CVnBarTypeSmartComboBox::OnSelchangeComboSteelgrade() {
    // The family counts once the user confirms it (CBN_SELENDOK).
    rebar::guarded(BARTYPE_GUARD(OnSelchangeComboSteelgrade), [] {});
}

void CVnBarTypeSmartComboBox::OnSelchangeOkComboDiameter() {
    rebar::guarded(BARTYPE_GUARD(OnSelchangeOkComboDiameter), [&] {
        visibility = 1;
        notifyParent(kMsgSelectionConfirmed, 0, GetDlgCtrlID());
    });
}

void CVnBarTypeSmartComboBox::OnSelchangeOkComboName() {
    rebar::guarded(BARTYPE_GUARD(OnSelchangeOkComboName), [&] {
        visibility = 1;
        notifyParent(kMsgSelectionConfirmed, 0, GetDlgCtrlID());
    });
}

// A confirmed family refills the first combo, keeping its selection when the new family has
// the same text and falling back to the first item otherwise.
void CVnBarTypeSmartComboBox::onFamilyConfirmed(bool redraw) {
    visibility = 1;
    CString family, kept;
    getCurSel(side(Kind::Steelgrade), family);
    getCurSel(firstSide(), kept);
    refillFirstCombo(family);
    CComboBox& first = firstSide().combo;
    if (!kept.IsEmpty() && selectText(firstSide(), kept) == -1) first.SetCurSel(0);
    if (redraw) first.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    notifyParent(kMsgSelectionConfirmed, 0, 0);
}

void CVnBarTypeSmartComboBox::OnSelchangeOkComboSteelgrade() {
    rebar::guarded(BARTYPE_GUARD(OnSelchangeOkComboSteelgrade), [&] { onFamilyConfirmed(true); });
}

void CVnBarTypeSmartComboBox::OnEditUpdateComboDiameter() {
    rebar::guarded(BARTYPE_GUARD(OnEditUpdateComboDiameter), [&] {
        visibility = 1;
        notifyParent(kMsgEditUpdated, 0, 0);
    });
}

void CVnBarTypeSmartComboBox::OnEditUpdateComboName() {
    rebar::guarded(BARTYPE_GUARD(OnEditUpdateComboName), [&] {
        visibility = 1;
        notifyParent(kMsgEditUpdated, 0, 0);
    });
}

void CVnBarTypeSmartComboBox::OnEditUpdateComboSteelgrade() {
    rebar::guarded(BARTYPE_GUARD(OnEditUpdateComboSteelgrade), [&] {
        onFamilyConfirmed(false);
        notifyParent(kMsgEditUpdated, 0, 0);
    });
}

void CVnBarTypeSmartComboBox::OnSetFocusComboDiameter() {
    rebar::guarded(BARTYPE_GUARD(OnSetFocusComboDiameter),
                   [&] { notifyParent(kMsgComboFocused, 0, GetDlgCtrlID()); });
}

void CVnBarTypeSmartComboBox::OnSetFocusComboName() {
    rebar::guarded(BARTYPE_GUARD(OnSetFocusComboName),
                   [&] { notifyParent(kMsgComboFocused, 0, GetDlgCtrlID()); });
}

void CVnBarTypeSmartComboBox::OnSetFocusComboSteelgrade() {
    rebar::guarded(BARTYPE_GUARD(OnSetFocusComboSteelgrade),
                   [&] { notifyParent(kMsgComboFocused, 0, GetDlgCtrlID()); });
}

// ---- Focus and keys --------------------------------------------------------------------------

// The focus passes on to a combo: the first one, or the steel-grade one when it came backwards
// (Shift held), each falling back to the other when it is disabled.
void CVnBarTypeSmartComboBox::OnSetFocus(CWnd* pOldWnd) {
    rebar::guarded(BARTYPE_GUARD(OnSetFocus), [&] {
        CWnd::OnSetFocus(pOldWnd);
        CWnd& first = firstSide().combo;
        CWnd* order[] = {&first, &steelgradeCombo};
        if (shiftHeld()) std::swap(order[0], order[1]);
        for (CWnd* combo : order) {
            if (!isEnabled(*combo)) continue;
            combo->SetFocus();
            return;
        }
    });
}

void CVnBarTypeSmartComboBox::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {
    rebar::guarded(BARTYPE_GUARD(OnLButtonDown), [&] { firstSide().combo.SetFocus(); });
}

void CVnBarTypeSmartComboBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    rebar::guarded(BARTYPE_GUARD(OnKeyDown), [&] {
        CWnd& first = firstSide().combo;
        const HWND focus = ::GetFocus();
        if (nChar == VK_LEFT && focus == steelgradeCombo.m_hWnd && first.m_hWnd)
            first.SetFocus();
        else if (nChar == VK_RIGHT && focus == first.m_hWnd && steelgradeCombo.m_hWnd)
            steelgradeCombo.SetFocus();
        else
            CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    });
}

// Tab moves from the first combo's edit field to the steel-grade combo, Shift+Tab back from
// the steel-grade combo to the first one; everything else is the dialog's.
BOOL CVnBarTypeSmartComboBox::PreTranslateMessage(MSG* pMsg) {
    return rebar::guarded(BARTYPE_GUARD(PreTranslateMessage), [&]() -> BOOL {
        if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_TAB)
            return CWnd::PreTranslateMessage(pMsg);
        CWnd& first = firstSide().combo;
        const HWND focus = ::GetFocus();
        if ((!isEnabled(first) && !isEnabled(steelgradeCombo)) || !focus)
            return CWnd::PreTranslateMessage(pMsg);
        if (!shiftHeld() && isEnabled(steelgradeCombo) && ::GetParent(focus) == first.m_hWnd) {
            steelgradeCombo.SetFocus();
            return TRUE;
        }
        if (shiftHeld() && isEnabled(first) && focus == steelgradeCombo.m_hWnd) {
            first.SetFocus();
            return TRUE;
        }
        return CWnd::PreTranslateMessage(pMsg);
    });
}

// ---- Enabling and colours --------------------------------------------------------------------

void CVnBarTypeSmartComboBox::OnEnable(BOOL bEnable) {
    rebar::guarded(BARTYPE_GUARD(OnEnable), [&] {
        for (CWnd* combo : {static_cast<CWnd*>(&diameterCombo), static_cast<CWnd*>(&nameCombo),
                            static_cast<CWnd*>(&steelgradeCombo)})
            if (combo->m_hWnd) combo->EnableWindow(bEnable);
    });
}

HBRUSH CVnBarTypeSmartComboBox::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    return rebar::guarded(BARTYPE_GUARD(OnCtlColor), [&]() -> HBRUSH {
        if (dialogBar) return dialogBar->OnCtlColor(pDC, pWnd, nCtlColor);
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    });
}
