// The unit combo box: order-keeping additions and the owner drawing of the phi display.
#include "vntlui/vnunitcombobox.h"

#include "afx/clientdc.h"
#include "afx/dc.h"

IMPLEMENT_DYNAMIC(CVnUnitComboBox, CVnComboBox)

BEGIN_MESSAGE_MAP(CVnUnitComboBox, CVnComboBox)
ON_MESSAGE(WM_SETFONT, &CVnUnitComboBox::OnSetFont)
END_MESSAGE_MAP()

BOOL CVnUnitComboBox::PreCreateWindow(CREATESTRUCT& cs) {
    // Differs from the style asked for: the items are always drawn here, texts kept.
    cs.style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    return CVnComboBox::PreCreateWindow(cs);
}

LRESULT CVnUnitComboBox::OnSetFont(WPARAM wParam, LPARAM lParam) {
    LRESULT result = Default();
    CClientDC dc(this);
    // A null font is the system font, which the DC holds already.
    HGDIOBJ oldFont =
        wParam ? ::SelectObject(dc.m_hDC, reinterpret_cast<HGDIOBJ>(wParam)) : nullptr;
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc.m_hDC, &metrics);
    if (oldFont) ::SelectObject(dc.m_hDC, oldFont);
    SetItemHeight(0, static_cast<UINT>(metrics.tmHeight));
    SetItemHeight(-1, static_cast<UINT>(metrics.tmHeight + 2));
    if (LOWORD(lParam)) Invalidate();
    return result;
}

int CVnUnitComboBox::AddString(LPCTSTR lpszString, int nNoSort) {
    if (!nNoSort) return CComboBox::AddString(lpszString);
    return InsertString(GetCount(), lpszString);
}

void CVnUnitComboBox::SetPhiEnabled(int bEnable) {
    m_phiEnabled = bEnable ? 1 : 0;
    if (m_hWnd) Invalidate();
}

CString CVnUnitComboBox::DisplayText(const CString& rawText) const {
    if (!m_phiEnabled) return rawText;
    CString shown(kPhiSign);
    shown += rawText;
    return shown;
}

void CVnUnitComboBox::MeasureItem(LPMEASUREITEMSTRUCT /*lpMeasureItemStruct*/) {}

// Draws one item as the standard combo box would, the phi sign before its text: highlighted
// when selected, grey when disabled, with the focus rectangle in the selection field.
void CVnUnitComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const DRAWITEMSTRUCT& item = *lpDrawItemStruct;
    CDC* pDC = CDC::FromHandle(item.hDC);
    CRect rect(item.rcItem);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    // A disabled field keeps the background the control painted beneath it.
    if (!disabled)
        pDC->FillSolidRect(rect, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (static_cast<int>(item.itemID) >= 0) {
        CString text;
        GetLBText(static_cast<int>(item.itemID), text);
        text = DisplayText(text);
        pDC->SetTextColor(::GetSysColor(disabled   ? COLOR_GRAYTEXT
                                        : selected ? COLOR_HIGHLIGHTTEXT
                                                   : COLOR_WINDOWTEXT));
        int oldMode = pDC->SetBkMode(TRANSPARENT);
        CRect textRect(rect.left + 2, rect.top, rect.right - 2, rect.bottom);
        pDC->DrawText(text, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
        pDC->SetBkMode(oldMode);
    }
    if ((item.itemState & ODS_FOCUS) && (item.itemState & ODS_COMBOBOXEDIT))
        pDC->DrawFocusRect(rect);
}
