// The bar-type combo's window class and life, and its plain settings. The layout lives in
// vnbartypesmartcombobox_layout.cpp, the three combos' item operations and sorts in
// _lists.cpp, the fills from the catalogue in _fills.cpp and the messages in _messages.cpp.
#include "rebar/vnbartypesmartcombobox.h"

#include "rebar/vnguard.h"
#include "rebar/vnrebarsteelgrade.h"
#include "rebar/vnrebarsteelgradecatalog.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnbartypesmartcombobox.cpp"
#define BARTYPE_GUARD(member) VN_GUARD_SITE(CVnBarTypeSmartComboBox, member)

IMPLEMENT_DYNAMIC(CVnBarTypeSmartComboBox, CWnd)

namespace {

constexpr wchar_t kClassName[] = L"CVNBARTYPESMARTCOMBOBOX";

// Windows of the class made from a dialog template get a heap object on WM_NCCREATE; a window
// the host made through its own object reaches here only through that object's saved
// procedure, which is cleared so that default handling goes straight to DefWindowProc.
LRESULT CALLBACK barTypeWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) {
        if (message != WM_NCCREATE) return ::DefWindowProcW(hWnd, message, wParam, lParam);
        pWnd = new CVnBarTypeSmartComboBox;
        pWnd->Attach(hWnd);
    } else if (auto* control = dynamic_cast<CVnBarTypeSmartComboBox*>(pWnd)) {
        control->SetAddressProcToNull();
    }
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

}  // namespace

CVnBarTypeSmartComboBox::CVnBarTypeSmartComboBox() {
    rebar::guarded(BARTYPE_GUARD(CVnBarTypeSmartComboBox), [&] {
        toolTip.Create(this, TTS_ALWAYSTIP);
        catalog = new CVnRebarSteelGradeCatalog;
    });
}

CVnBarTypeSmartComboBox::~CVnBarTypeSmartComboBox() {
    rebar::guarded(BARTYPE_GUARD(~CVnBarTypeSmartComboBox), [&] {
        if (m_hWnd) {
            for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
                if (child->IsKindOf(RUNTIME_CLASS(CVnComboBox))) toolTip.DelTool(child);
        }
        delete catalog;
        catalog = nullptr;
        delete currentSteelgrade;
        currentSteelgrade = nullptr;
    });
}

BOOL CVnBarTypeSmartComboBox::RegisterWndClass(HINSTANCE hInstance) {
    return rebar::guarded(BARTYPE_GUARD(RegisterWndClass), [&]() -> BOOL {
        WNDCLASSW wc{};
        wc.style = CS_GLOBALCLASS;
        wc.lpfnWndProc = &barTypeWndProc;
        wc.hInstance = hInstance;
        wc.lpszClassName = kClassName;
        return ::RegisterClassW(&wc) != 0;
    });
}

BOOL CVnBarTypeSmartComboBox::Create(CString help, CString whatsThisHelp, CString diameterLabel_,
                                     CString steelgradeLabel_) {
    return rebar::guarded(BARTYPE_GUARD(Create), [&]() -> BOOL {
        helpPath = help;
        whatsThisHelpPath = whatsThisHelp;
        diameterLabelText = diameterLabel_;
        steelgradeLabelText = steelgradeLabel_;
        diameterItems.clear();
        steelgradeItems.clear();
        EnableToolTips(TRUE);
        fixedDiameter = false;
        return TRUE;
    });
}

void CVnBarTypeSmartComboBox::SetAddressProcToNull() {
    rebar::guarded(BARTYPE_GUARD(SetAddressProcToNull), [&] { *GetSuperWndProcAddr() = nullptr; });
}

void CVnBarTypeSmartComboBox::PostNcDestroy() {
    rebar::guarded(BARTYPE_GUARD(PostNcDestroy), [&] { delete this; });
}

CVnRebarSteelGradeCatalog* CVnBarTypeSmartComboBox::GetSteelgradeCatalog() {
    return rebar::guarded(BARTYPE_GUARD(GetSteelgradeCatalog), [&] { return catalog; });
}

CVnRebarSteelGrade* CVnBarTypeSmartComboBox::GetCurSteelgrade() {
    return rebar::guarded(BARTYPE_GUARD(GetCurSteelgrade), [&] { return currentSteelgrade; });
}

void CVnBarTypeSmartComboBox::SetSort(int nSort) {
    rebar::guarded(BARTYPE_GUARD(SetSort), [&] { sort = nSort; });
}

int CVnBarTypeSmartComboBox::GetSort() {
    return rebar::guarded(BARTYPE_GUARD(GetSort), [&] { return sort; });
}

void CVnBarTypeSmartComboBox::SetVariant(int nVariant) {
    rebar::guarded(BARTYPE_GUARD(SetVariant), [&] {
        variant = nVariant;
        if (m_hWnd) InvalidateRect(nullptr, TRUE);
    });
}

int CVnBarTypeSmartComboBox::GetVariant() {
    return rebar::guarded(BARTYPE_GUARD(GetVariant), [&] { return variant; });
}

void CVnBarTypeSmartComboBox::SetVisibility(int nVisibility) {
    rebar::guarded(BARTYPE_GUARD(SetVisibility), [&] { visibility = nVisibility; });
}

int CVnBarTypeSmartComboBox::GetVisibility() {
    return rebar::guarded(BARTYPE_GUARD(GetVisibility), [&] { return visibility; });
}

void CVnBarTypeSmartComboBox::SetHelpPath(CString path) {
    rebar::guarded(BARTYPE_GUARD(SetHelpPath), [&] { helpPath = path; });
}

void CVnBarTypeSmartComboBox::SetWhatsThisHelpPath(CString path) {
    rebar::guarded(BARTYPE_GUARD(SetWhatsThisHelpPath), [&] { whatsThisHelpPath = path; });
}

BOOL CVnBarTypeSmartComboBox::GetFixedDiameterMode() {
    return rebar::guarded(BARTYPE_GUARD(GetFixedDiameterMode),
                          [&]() -> BOOL { return diameterCombo.GetPhiEnabled(); });
}

BOOL CVnBarTypeSmartComboBox::EnableWindow(BOOL bEnable) {
    return rebar::guarded(BARTYPE_GUARD(EnableWindow), [&]() -> BOOL {
        CWnd& first = firstSide().combo;
        BOOL result = first.EnableWindow(bEnable);
        if (firstLabel().m_hWnd) firstLabel().EnableWindow(bEnable);
        if (steelgradeCombo.m_hWnd) steelgradeCombo.EnableWindow(bEnable);
        if (steelgradeLabel.m_hWnd) steelgradeLabel.EnableWindow(bEnable);
        return result;
    });
}

void CVnBarTypeSmartComboBox::ClearControl() {
    rebar::guarded(BARTYPE_GUARD(ClearControl), [&] {
        firstSide().combo.SetCurSel(-1);
        steelgradeCombo.SetCurSel(-1);
        visibility = 0;
    });
}

CVnBarTypeSmartComboBox::Side CVnBarTypeSmartComboBox::side(Kind kind) {
    switch (kind) {
        case Kind::Diameter:
            return {kind, diameterCombo, diameterItems};
        case Kind::Name:
            return {kind, nameCombo, nameItems};
        case Kind::Steelgrade:
            break;
    }
    return {Kind::Steelgrade, steelgradeCombo, steelgradeItems};
}

CVnBarTypeSmartComboBox::Side CVnBarTypeSmartComboBox::firstSide() {
    return side(nameMode ? Kind::Name : Kind::Diameter);
}

CVnStatic& CVnBarTypeSmartComboBox::firstLabel() {
    if (nameMode) return nameLabel;
    return diameterLabel;
}
