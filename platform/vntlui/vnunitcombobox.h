// The maker's combo box of values with a unit. With the phi display on, each value is shown as
// a multiple of a bar diameter, the diameter sign before it ("Ø12"), while the items keep their
// plain texts ("12") so that searches and item texts still see the values themselves.
//
// The combo box draws its items itself: it makes the control owner-drawn (fixed height, with
// strings) when it creates the window, whatever style the caller asks for.
#pragma once

#include "vntlui/vncombobox.h"

class CVnUnitComboBox : public CVnComboBox {
    DECLARE_DYNAMIC(CVnUnitComboBox)
public:
    // The diameter sign drawn before each value while the phi display is on.
    static constexpr wchar_t kPhiSign = L'\u00D8';

    using CComboBox::AddString;
    // nNoSort non-zero appends the text after the last item even when the style sorts
    // (CB_INSERTSTRING at the end); zero adds it as CB_ADDSTRING does. The index, or CB_ERR.
    int AddString(LPCTSTR lpszString, int nNoSort);

    // Non-zero turns the phi display on; the control is redrawn.
    void SetPhiEnabled(int bEnable);
    int GetPhiEnabled() const { return m_phiEnabled; }
    // The text shown for an item's raw text: with the diameter sign while phi is on.
    CString DisplayText(const CString& rawText) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Keeps the height the combo box proposes, a line of its font at creation; WM_SETFONT
    // measures the items again.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Owner-drawn items keep the height they were measured with; a new font gives them, and
    // the selection field, the heights a plain combo box would take from it.
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    int m_phiEnabled = 0;
};
