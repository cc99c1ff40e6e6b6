// The bar-type combo's children: their creation in OnCreate and the re-layouts that follow
// changes of the labels. Every position derives from the label texts' measures on the
// control's client DC and the client width.
#include <cmath>
#include <cstdlib>

#include "rebar/vnbartypesmartcombobox.h"
#include "rebar/vnbartypesmartcombobox_ids.h"
#include "rebar/vnguard.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnbartypesmartcombobox_layout.cpp"
#define BARTYPE_GUARD(member) VN_GUARD_SITE(CVnBarTypeSmartComboBox, member)

using namespace rebar::bartype;

namespace {

constexpr int kGap = 6;
constexpr int kLabelTop = 2;
// The combos' height: the height of the dropped list.
constexpr int kListHeight = 200;
// The share of the width that the first combo takes in each mode.
constexpr double kNameShare = 0.35;
constexpr double kDiameterShare = 0.4;

struct LabelMeasures {
    CSize diameter, name, steelgrade;
};

// The three label texts measured in the DC's own font, the one the labels are drawn in.
LabelMeasures measure(CWnd& control, const CString& diameter, const CString& name,
                      const CString& steelgrade) {
    CClientDC dc(&control);
    return {dc.GetTextExtent(diameter), dc.GetTextExtent(name), dc.GetTextExtent(steelgrade)};
}

int floorOf(double value) {
    return static_cast<int>(std::floor(value));
}

bool isShown(const CWnd& window) {
    return window.m_hWnd && (window.GetStyle() & WS_VISIBLE);
}

// Where a re-layout puts a label: the size of its text. After SetVisibleLabels the labels
// count by their visibility instead: a hidden one takes no width and is not moved, a shown
// one is 4 pixels taller than its text.
struct LabelPlace {
    CSize size;
    bool moved;
};

LabelPlace labelPlace(const CWnd& label, CSize text, bool byVisibility) {
    if (!byVisibility) return {text, true};
    if (!isShown(label)) return {CSize(0, text.cy), false};
    return {CSize(text.cx, text.cy + 4), true};
}

// Moves the label to (x, 2) unless it stays, and sets its text again.
void placeLabel(CWnd& label, const CString& text, int x, const LabelPlace& place) {
    if (place.moved && label.m_hWnd)
        label.MoveWindow(x, kLabelTop, place.size.cx, place.size.cy, TRUE);
    label.SetWindowText(text);
}

}  // namespace

int CVnBarTypeSmartComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    return rebar::guarded(BARTYPE_GUARD(OnCreate), [&]() -> int {
        CString standard = VnProjectSettings::ReadCurrentStandard();
        nameMode = standard.CompareNoCase(L"CSA A23 M") == 0 ||
                   standard.CompareNoCase(L"CSA A23 I") == 0 || standard.CompareNoCase(L"ACI") == 0;
        if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;

        auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        LOGFONTW logFont{};
        ::GetObjectW(font, sizeof(logFont), &logFont);
        const int h = std::abs(logFont.lfHeight) + 4;
        const LabelMeasures m =
            measure(*this, diameterLabelText, nameLabelText, steelgradeLabelText);
        CRect client;
        GetClientRect(&client);
        const int wF = nameMode ? m.name.cx : m.diameter.cx;
        const int w3 = m.steelgrade.cx;
        const double r = nameMode ? kNameShare : kDiameterShare;
        const int shared = client.Width() - wF - w3 - 3 * kGap;

        firstLabel().Create(nameMode ? nameLabelText : diameterLabelText, kLabelStyle,
                            CRect(0, kLabelTop, wF, h), this, kFirstLabelId);
        int x = wF + kGap;
        createCombo(firstSide(), CRect(x, 0, x + floorOf(shared * r), kListHeight), font, h);
        x = wF + kGap + floorOf(shared * r + kGap);
        steelgradeLabel.Create(steelgradeLabelText, kLabelStyle, CRect(x, kLabelTop, x + w3, h),
                               this, kSteelgradeLabelId);
        x = x + kGap + w3;
        createCombo(side(Kind::Steelgrade), CRect(x, 0, client.right, kListHeight), font, h);

        CWnd* parent = GetParent();
        for (CWnd* owner : {parent, parent ? parent->GetParent() : nullptr})
            if (owner && !dialogBar) dialogBar = dynamic_cast<CVnDialogBarEx*>(owner);
        return 0;
    });
}

void CVnBarTypeSmartComboBox::createCombo(Side s, const CRect& rect, HFONT font, int height) {
    const bool diameter = s.kind == Kind::Diameter;
    const UINT id = diameter               ? kDiameterComboId
                    : s.kind == Kind::Name ? kNameComboId
                                           : kSteelgradeComboId;
    s.combo.Create(diameter ? kDiameterComboStyle : kComboStyle, rect, this, id);
    s.combo.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    s.combo.SetItemHeight(-1, static_cast<UINT>(height));
}

// Labels and combos side by side without gaps: the first combo takes its mode's share of what
// the labels leave, the steel-grade combo the rest.
void CVnBarTypeSmartComboBox::relayout(bool byVisibility) {
    if (!m_hWnd) return;
    const LabelMeasures m = measure(*this, diameterLabelText, nameLabelText, steelgradeLabelText);
    CRect client;
    GetClientRect(&client);
    CVnStatic& label = firstLabel();
    const LabelPlace first = labelPlace(label, nameMode ? m.name : m.diameter, byVisibility);
    const LabelPlace steelgrade = labelPlace(steelgradeLabel, m.steelgrade, byVisibility);
    const int wF = first.size.cx, w3 = steelgrade.size.cx;
    const double r = nameMode ? kNameShare : kDiameterShare;
    const int shared = client.Width() - wF - w3;
    const int share = floorOf(shared * r);

    placeLabel(label, nameMode ? nameLabelText : diameterLabelText, 0, first);
    firstSide().combo.MoveWindow(wF, 0, share, kListHeight, TRUE);
    placeLabel(steelgradeLabel, steelgradeLabelText, wF + share, steelgrade);
    steelgradeCombo.MoveWindow(wF + share + w3, 0, floorOf(shared * (1 - r)), kListHeight, TRUE);
}

// The steel-grade label and combo over the whole width; the first pair is left as it is.
void CVnBarTypeSmartComboBox::layoutSteelgradeAlone() {
    if (!m_hWnd) return;
    const LabelMeasures m = measure(*this, diameterLabelText, nameLabelText, steelgradeLabelText);
    CRect client;
    GetClientRect(&client);
    placeLabel(steelgradeLabel, steelgradeLabelText, 0, {m.steelgrade, true});
    steelgradeCombo.MoveWindow(m.steelgrade.cx, 0, client.Width() - m.steelgrade.cx, kListHeight,
                               TRUE);
}

void CVnBarTypeSmartComboBox::SetLabels(CString diameterLabel_, CString nameLabel_,
                                        CString steelgradeLabel_) {
    rebar::guarded(BARTYPE_GUARD(SetLabels), [&] {
        diameterLabelText = diameterLabel_;
        nameLabelText = nameLabel_;
        steelgradeLabelText = steelgradeLabel_;
        relayout(false);
    });
}

void CVnBarTypeSmartComboBox::SetVisibleLabels(bool diameter, bool name, bool steelgrade) {
    rebar::guarded(BARTYPE_GUARD(SetVisibleLabels), [&] {
        const bool first = nameMode ? name : diameter;
        if (firstLabel().m_hWnd)
            firstLabel().ModifyStyle(first ? 0 : WS_VISIBLE, first ? WS_VISIBLE : 0);
        if (steelgradeLabel.m_hWnd)
            steelgradeLabel.ModifyStyle(steelgrade ? 0 : WS_VISIBLE, steelgrade ? WS_VISIBLE : 0);
        relayout(true);
    });
}

void CVnBarTypeSmartComboBox::SetVisibleDiameter(bool bVisible) {
    rebar::guarded(BARTYPE_GUARD(SetVisibleDiameter), [&] {
        if (bVisible)
            relayout(false);
        else
            layoutSteelgradeAlone();
    });
}

void CVnBarTypeSmartComboBox::SetVisibleSteelgrade(bool bVisible) {
    rebar::guarded(BARTYPE_GUARD(SetVisibleSteelgrade), [&] {
        if (bVisible)
            relayout(false);
        else
            layoutSteelgradeAlone();
    });
}

void CVnBarTypeSmartComboBox::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) {
    // The layout follows the label texts only; a new size changes nothing.
    rebar::guarded(BARTYPE_GUARD(OnSize), [] {});
}
