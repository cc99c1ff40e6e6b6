// The standard control wrappers: each call is the control message Windows documents.
#include "afx/button.h"
#include "afx/combobox.h"
#include "afx/edit.h"
#include "afx/listbox.h"
#include "afx/static.h"
#include "win/diagnostics.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

LRESULT send(const CWnd* pWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(pWnd->m_hWnd, message, wParam, lParam);
}

LPARAM text(LPCTSTR lpsz) {
    return reinterpret_cast<LPARAM>(lpsz);
}

// Owner-drawn controls draw themselves: the parent's WM_DRAWITEM comes back here.
template <class Control>
BOOL drawItemNotify(Control* pControl, UINT message, LPARAM lParam) {
    if (message != WM_DRAWITEM) return FALSE;
    pControl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}

}  // namespace

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create(WC_BUTTONW, lpszCaption, dwStyle, rect, pParentWnd, nID);
}
int CButton::GetCheck() const {
    return int(send(this, BM_GETCHECK));
}
void CButton::SetCheck(int nCheck) {
    send(this, BM_SETCHECK, WPARAM(nCheck));
}
UINT CButton::GetState() const {
    return UINT(send(this, BM_GETSTATE));
}
void CButton::SetState(BOOL bHighlight) {
    send(this, BM_SETSTATE, WPARAM(bHighlight));
}
UINT CButton::GetButtonStyle() const {
    return UINT(GetStyle() & 0xFFFF);
}
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    send(this, BM_SETSTYLE, nStyle, bRedraw);
}
void CButton::DrawItem(LPDRAWITEMSTRUCT) {
    AfxNotSupported("CButton::DrawItem without override");
}
BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return drawItemNotify(this, message, lParam) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_COMBOBOXW, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CComboBox::GetCount() const {
    return int(send(this, CB_GETCOUNT));
}
int CComboBox::GetCurSel() const {
    return int(send(this, CB_GETCURSEL));
}
int CComboBox::SetCurSel(int nSelect) {
    return int(send(this, CB_SETCURSEL, WPARAM(nSelect)));
}
int CComboBox::AddString(LPCTSTR lpsz) {
    return int(send(this, CB_ADDSTRING, 0, text(lpsz)));
}
int CComboBox::InsertString(int nIndex, LPCTSTR lpsz) {
    return int(send(this, CB_INSERTSTRING, WPARAM(nIndex), text(lpsz)));
}
int CComboBox::DeleteString(UINT nIndex) {
    return int(send(this, CB_DELETESTRING, nIndex));
}
void CComboBox::ResetContent() {
    send(this, CB_RESETCONTENT);
}
int CComboBox::FindString(int nStartAfter, LPCTSTR lpsz) const {
    return int(send(this, CB_FINDSTRING, WPARAM(nStartAfter), text(lpsz)));
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpsz) const {
    return int(send(this, CB_FINDSTRINGEXACT, WPARAM(nIndexStart), text(lpsz)));
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpsz) {
    return int(send(this, CB_SELECTSTRING, WPARAM(nStartAfter), text(lpsz)));
}
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
    return int(send(this, CB_GETLBTEXT, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
    int nLength = GetLBTextLen(nIndex);
    if (nLength == CB_ERR) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(nLength));
    rString.ReleaseBuffer();
}
int CComboBox::GetLBTextLen(int nIndex) const {
    return int(send(this, CB_GETLBTEXTLEN, WPARAM(nIndex)));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return DWORD_PTR(send(this, CB_GETITEMDATA, WPARAM(nIndex)));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return int(send(this, CB_SETITEMDATA, WPARAM(nIndex), LPARAM(dwItemData)));
}
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
    return int(send(this, CB_SETITEMHEIGHT, WPARAM(nIndex), LPARAM(cyItemHeight)));
}
int CComboBox::GetItemHeight(int nIndex) const {
    return int(send(this, CB_GETITEMHEIGHT, WPARAM(nIndex)));
}
void CComboBox::ShowDropDown(BOOL bShowIt) {
    send(this, CB_SHOWDROPDOWN, WPARAM(bShowIt));
}
BOOL CComboBox::GetDroppedState() const {
    return BOOL(send(this, CB_GETDROPPEDSTATE));
}
BOOL CComboBox::LimitText(int nMaxChars) {
    return BOOL(send(this, CB_LIMITTEXT, WPARAM(nMaxChars)));
}
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
    return BOOL(send(this, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)));
}
DWORD CComboBox::GetEditSel() const {
    return DWORD(send(this, CB_GETEDITSEL));
}
void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {
    AfxNotSupported("CComboBox::DrawItem without override");
}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {
    AfxNotSupported("CComboBox::MeasureItem without override");
}
BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_MEASUREITEM) {
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        return TRUE;
    }
    return drawItemNotify(this, message, lParam) ||
           CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_EDITW, nullptr, dwStyle, rect, pParentWnd, nID);
}
// The edit control of this layer keeps its caret in view itself, so there is nothing to scroll.
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL /*bNoScroll*/) {
    send(this, EM_SETSEL, WPARAM(nStartChar), nEndChar);
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwSel = GetSel();
    nStartChar = LOWORD(dwSel);
    nEndChar = HIWORD(dwSel);
}
DWORD CEdit::GetSel() const {
    return DWORD(send(this, EM_GETSEL));
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    send(this, EM_REPLACESEL, WPARAM(bCanUndo), text(lpszNewText));
}
void CEdit::LimitText(int nChars) {
    send(this, EM_LIMITTEXT, WPARAM(nChars));
}
void CEdit::SetLimitText(UINT nMax) {
    send(this, EM_SETLIMITTEXT, nMax);
}
BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
    return BOOL(send(this, EM_SETREADONLY, WPARAM(bReadOnly)));
}
BOOL CEdit::GetModify() const {
    return BOOL(send(this, EM_GETMODIFY));
}
void CEdit::SetModify(BOOL bModified) {
    send(this, EM_SETMODIFY, WPARAM(bModified));
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create(WC_STATICW, lpszText, dwStyle, rect, pParentWnd, nID);
}
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
    return reinterpret_cast<HBITMAP>(
        send(this, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}
HBITMAP CStatic::GetBitmap() const {
    return reinterpret_cast<HBITMAP>(send(this, STM_GETIMAGE, IMAGE_BITMAP));
}
HICON CStatic::SetIcon(HICON hIcon) {
    return reinterpret_cast<HICON>(send(this, STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
}
HICON CStatic::GetIcon() const {
    return reinterpret_cast<HICON>(send(this, STM_GETICON));
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTBOXW, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CListBox::GetCount() const {
    return int(send(this, LB_GETCOUNT));
}
int CListBox::GetCurSel() const {
    return int(send(this, LB_GETCURSEL));
}
int CListBox::SetCurSel(int nSelect) {
    return int(send(this, LB_SETCURSEL, WPARAM(nSelect)));
}
int CListBox::AddString(LPCTSTR lpsz) {
    return int(send(this, LB_ADDSTRING, 0, text(lpsz)));
}
int CListBox::DeleteString(UINT nIndex) {
    return int(send(this, LB_DELETESTRING, nIndex));
}
void CListBox::ResetContent() {
    send(this, LB_RESETCONTENT);
}
int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpsz) const {
    return int(send(this, LB_FINDSTRINGEXACT, WPARAM(nIndexStart), text(lpsz)));
}
void CListBox::GetText(int nIndex, CString& rString) const {
    int nLength = GetTextLen(nIndex);
    if (nLength == LB_ERR) {
        rString.Empty();
        return;
    }
    send(this, LB_GETTEXT, WPARAM(nIndex),
         reinterpret_cast<LPARAM>(rString.GetBufferSetLength(nLength)));
    rString.ReleaseBuffer();
}
int CListBox::GetTextLen(int nIndex) const {
    return int(send(this, LB_GETTEXTLEN, WPARAM(nIndex)));
}
