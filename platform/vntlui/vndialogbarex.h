// The maker's dialog bar: a dialog painted in one background colour, which it also gives to
// its controls (and to composite controls that ask it, through OnCtlColor).
#pragma once

#include "afx/brush.h"
#include "afx/dialog.h"

class CVnDialogBarEx : public CDialog {
    DECLARE_DYNAMIC(CVnDialogBarEx)
public:
    CVnDialogBarEx();
    explicit CVnDialogBarEx(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    void SetBackgroundColor(COLORREF crBackground);
    COLORREF GetBackgroundColor() const { return m_crBackground; }
    // The bar's brush, with the DC's background colour set to match, for every control type.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

protected:
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_crBackground;
    CBrush m_brBackground;
};
