// The bar smart edit: its window class, its two fields and the values they hold. Focus,
// keyboard, tool tips and the creation of the fields live in vnbarsmartedit_window.cpp.
#include "rebar/vnbarsmartedit.h"

#include <cmath>

namespace {

constexpr wchar_t kClassName[] = L"CVNBARSMARTEDIT";
// Values and multiples closer than this (squared) are the same to the control.
constexpr double kSameSquared = 1e-20;
// The characters of the text a multiple's value is shown with to compare it with typed text.
constexpr int kShownSize = 50;

// Windows of the class that no object owns yet (placed by a dialog template) get a heap object
// on their first message; the window owns it and PostNcDestroy deletes it.
LRESULT CALLBACK barSmartEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) {
        auto* pEdit = new CVnBarSmartEdit;
        pEdit->Attach(hWnd);
        pWnd = pEdit;
    } else {
        // An object the host created itself saved this procedure as the one to fall back on;
        // coming back here from its default handling would loop.
        *pWnd->GetSuperWndProcAddr() = nullptr;
    }
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

}  // namespace

int CVnBarSmartEdit::nIDC_EditCtrl = 1114;
int CVnBarSmartEdit::nIDC_EditPhiCtrl = 1115;

BEGIN_MESSAGE_MAP(CVnBarSmartEdit, CWnd)
ON_WM_CREATE()
ON_WM_NCDESTROY()
ON_WM_SETFOCUS()
ON_EN_UPDATE(1114, &CVnBarSmartEdit::OnEditChange)
END_MESSAGE_MAP()

CVnBarSmartEdit::CVnBarSmartEdit() : valueEdit(1), phiEdit(1) {
    toolTip.Create(this, 0);
}

CVnBarSmartEdit::~CVnBarSmartEdit() {
    if (toolTip.m_hWnd) toolTip.DestroyWindow();
}

BOOL CVnBarSmartEdit::RegisterWndClass(HINSTANCE hInstance) {
    WNDCLASSW wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = &barSmartEditProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = kClassName;
    return ::RegisterClassW(&wc) != 0 ? TRUE : FALSE;
}

void CVnBarSmartEdit::PostNcDestroy() {
    delete this;
}

BOOL CVnBarSmartEdit::Create(CString newHelpPath, CString newWhatsThisHelpPath) {
    helpPath = newHelpPath;
    whatsThisHelpPath = newWhatsThisHelpPath;
    EnableToolTips(TRUE);
    return TRUE;
}

void CVnBarSmartEdit::SetHelpPath(CString newHelpPath) {
    helpPath = newHelpPath;
}

void CVnBarSmartEdit::SetWhatsThisHelpPath(CString newWhatsThisHelpPath) {
    whatsThisHelpPath = newWhatsThisHelpPath;
}

void CVnBarSmartEdit::SetAddressProcToNull() {
    *GetSuperWndProcAddr() = nullptr;
}

void CVnBarSmartEdit::SetUnitManager(CVnUnitManager* pUnitManager) {
    unitManager = pUnitManager;
}

CVnUnitManager* CVnBarSmartEdit::GetUnitManager() const {
    return unitManager;
}

CVnUnitCtrl& CVnBarSmartEdit::GetEditCtrl() {
    return valueEdit;
}

CVnUnitCtrl& CVnBarSmartEdit::GetEditPhiCtrl() {
    return phiEdit;
}

void CVnBarSmartEdit::SetEditCtrlValue(double valueSI) {
    valueEdit.ModifyValueSI(valueSI);
    SetEditPhiCtrlValue(valueSI / phiDiameter);
    valueEdit.UpdateData(FALSE);
}

double CVnBarSmartEdit::GetEditCtrlValue() {
    valueEdit.UpdateData(TRUE);
    return valueEdit.GetValueSI();
}

double CVnBarSmartEdit::GetEditPhiCtrlValue() {
    phiEdit.UpdateData(TRUE);
    return phiEdit.GetValueSI();
}

void CVnBarSmartEdit::SetEditPhiCtrlValue(double multiple) {
    const double change = phiEdit.GetValueSI() - multiple;
    if (change * change <= kSameSquared) return;
    phiEdit.ModifyValueSI(multiple);
    phiEdit.UpdateData(FALSE);
}

void CVnBarSmartEdit::SetPhiDiameterValue(double diameterSI) {
    // A zero diameter would make every multiple infinite: the previous one stays.
    if (diameterSI * diameterSI > kSameSquared) phiDiameter = diameterSI;
    SetEditPhiCtrlValue(GetEditCtrlValue() / phiDiameter);
}

double CVnBarSmartEdit::GetPhiDiameterValue() const {
    return phiDiameter;
}

void CVnBarSmartEdit::SetVisibility(int nVisibility) {
    visibility = nVisibility;
    valueEdit.SetVisibility(nVisibility);
    phiEdit.SetVisibility(nVisibility);
}

int CVnBarSmartEdit::GetVisibility() const {
    return visibility;
}

void CVnBarSmartEdit::ClearControl() {
    valueEdit.ClearControl();
    phiEdit.ClearControl();
}

BOOL CVnBarSmartEdit::EnableWindow(BOOL bEnable) {
    const BOOL result = valueEdit.EnableWindow(bEnable);
    phiEdit.EnableWindow(bEnable);
    return result;
}

BOOL CVnBarSmartEdit::UpdateData(BOOL bSaveAndValidate) {
    const BOOL result = valueEdit.UpdateData(bSaveAndValidate);
    phiEdit.UpdateData(bSaveAndValidate);
    return result;
}

CVnUnit CVnBarSmartEdit::LengthUnit() const {
    return unitManager ? *unitManager->GetVisUnit(1) : CVnUnit();
}

// Typing in the value field: the multiple follows, unless the text only shows the value the
// multiple already stands for (an extra trailing zero, say), which must not disturb a multiple
// set from code with more digits than the field shows.
void CVnBarSmartEdit::OnEditChange() {
    const CVnUnit unit = LengthUnit();
    valueEdit.UpdateData(TRUE);
    phiEdit.UpdateData(TRUE);
    if (visibility) {
        valueEdit.SetVisibility(1);
        phiEdit.SetVisibility(1);
    }
    double value = valueEdit.GetValueSI();
    if (!(valueEdit.GetStyle() & ES_READONLY)) {
        CString text;
        valueEdit.GetWindowText(text);
        value = unit.String2Double(text, nullptr, 1);
        if (ShowsCurrentMultiple(unit, value)) return;
    }
    if (value > 1e-10) SetVisibility(1);
    const double multiple = value / phiDiameter;
    const double change = phiEdit.GetValueSI() - multiple;
    if (change * change <= kSameSquared) return;
    SetEditPhiCtrlValue(multiple);
    UpdateData(FALSE);
}

bool CVnBarSmartEdit::ShowsCurrentMultiple(const CVnUnit& unit, double typedSI) const {
    const double halfStep =
        0.5 * (unit.GetUnitFormat() == 1 ? std::ldexp(1.0, -unit.GetPrecision())
                                         : std::pow(10.0, -unit.GetPrecision()));
    wchar_t buffer[kShownSize] = {};
    unit.Double2String(buffer, phiEdit.GetValueSI() * phiDiameter, 1, L"%.*f", 1, 1, kShownSize);
    double shown = unit.String2Double(buffer, nullptr, 1);
    double typed = typedSI;
    unit.SI2Double(shown, 1);
    unit.SI2Double(typed, 1);
    return std::fabs(shown - typed) < halfStep - (1e-10 + 1e-10 * halfStep);
}

void DDX_BarSmartEditCtrl(CDataExchange* pDX, CVnBarSmartEdit* pControl) {
    if (!pControl) return;
    CDataExchange exchange(pControl, pDX->m_bSaveAndValidate);
    DDX_UnitCtrl(&exchange, CVnBarSmartEdit::nIDC_EditCtrl, pControl->GetEditCtrl(), L"%.*f");
    DDX_UnitCtrl(&exchange, CVnBarSmartEdit::nIDC_EditPhiCtrl, pControl->GetEditPhiCtrl(), L"%.*f");
}
