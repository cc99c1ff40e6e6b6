// MFC's list box control.
#pragma once

#include "afx/wnd.h"

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int AddString(LPCTSTR lpszItem);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
};
