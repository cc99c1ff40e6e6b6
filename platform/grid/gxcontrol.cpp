#include "grid/gxcontrol.h"

#include "grid/gxgridcore.h"
#include "grid/gxstyle.h"
#include "user/controls/wincontrols.h"

namespace {

// The height of a choice list's window: its field and the dropped list below it.
constexpr int kDroppedHeight = 140;

CString windowText(HWND hWnd) {
    int length = ::GetWindowTextLengthW(hWnd);
    CString text;
    ::GetWindowTextW(hWnd, text.GetBufferSetLength(length), length + 1);
    text.ReleaseBuffer(length);
    return text;
}

}  // namespace

CGXControl::~CGXControl() {
    for (HWND hWnd : {m_hWndEdit, m_hWndCombo})
        if (hWnd && ::IsWindow(hWnd)) ::DestroyWindow(hWnd);
}

HWND CGXControl::create(LPCWSTR cls, DWORD style, WNDPROC& pfnOriginal) {
    HWND hGrid = m_pGrid->GridWnd()->GetSafeHwnd();
    HWND hWnd = ::CreateWindowExW(0, cls, L"", WS_CHILD | style, 0, 0, 0, 0, hGrid, nullptr,
                                  nullptr, nullptr);
    ASSERT(hWnd);
    ::SendMessageW(hWnd, WM_SETFONT, ::SendMessageW(hGrid, WM_GETFONT, 0, 0), FALSE);
    // The editor's keys pass through the grid first (see onEditorMessage).
    ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    auto previous =
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&editorProc));
    pfnOriginal = reinterpret_cast<WNDPROC>(previous);
    return hWnd;
}

HWND CGXControl::editWindow() {
    if (!m_hWndEdit) m_hWndEdit = create(WC_EDITW, ES_AUTOHSCROLL, m_pfnEditProc);
    return m_hWndEdit;
}

HWND CGXControl::comboWindow() {
    if (!m_hWndCombo)
        m_hWndCombo = create(WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, m_pfnComboProc);
    return m_hWndCombo;
}

void CGXControl::Activate(ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style,
                          const CString& text, BOOL bDropDown) {
    bool bChoice = style.GetControl() == GX_IDS_CTRL_CBS_DROPDOWNLIST;
    m_hWndActive = bChoice ? comboWindow() : editWindow();
    m_nRow = nRow;
    m_nCol = nCol;
    m_bActive = TRUE;
    if (bChoice) {
        m_strInitial = style.GetValue();
        ::MoveWindow(m_hWndActive, rect.left, rect.top, rect.Width(), kDroppedHeight, FALSE);
        fillChoices(style.GetChoiceList(), text);
    } else {
        m_strInitial = style.GetValue();
        ::MoveWindow(m_hWndActive, rect.left + 1, rect.top + 1, rect.Width() - 1, rect.Height() - 1,
                     FALSE);
        ::SetWindowTextW(m_hWndActive, text);
        ::SendMessageW(m_hWndActive, EM_SETSEL, text.GetLength(), text.GetLength());
    }
    ::ShowWindow(m_hWndActive, SW_SHOW);
    ::SetFocus(m_hWndActive);
    if (bChoice && bDropDown) ::SendMessageW(m_hWndActive, CB_SHOWDROPDOWN, TRUE, 0);
}

void CGXControl::fillChoices(const CString& choices, const CString& text) {
    ::SendMessageW(m_hWndCombo, CB_RESETCONTENT, 0, 0);
    int start = 0;
    while (start <= choices.GetLength()) {
        int end = choices.Find(L'\n', start);
        if (end < 0) end = choices.GetLength();
        CString entry = choices.Mid(start, end - start);
        if (!entry.IsEmpty() || end < choices.GetLength())
            ::SendMessageW(m_hWndCombo, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(entry.GetString()));
        start = end + 1;
    }
    SetCurrentText(text);
}

void CGXControl::Deactivate() {
    if (!m_bActive) return;
    m_bActive = FALSE;
    if (IsDroppedDown()) ::SendMessageW(m_hWndActive, CB_SHOWDROPDOWN, FALSE, 0);
    ::ShowWindow(m_hWndActive, SW_HIDE);
    m_hWndActive = nullptr;
}

BOOL CGXControl::GetCurrentText(CString& strResult) const {
    if (!m_bActive) return FALSE;
    if (!IsChoiceList()) {
        strResult = windowText(m_hWndActive);
        return TRUE;
    }
    auto index = ::SendMessageW(m_hWndActive, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        strResult = m_strInitial;
        return TRUE;
    }
    auto length = ::SendMessageW(m_hWndActive, CB_GETLBTEXTLEN, index, 0);
    ::SendMessageW(m_hWndActive, CB_GETLBTEXT, index,
                   reinterpret_cast<LPARAM>(strResult.GetBufferSetLength(int(length))));
    strResult.ReleaseBuffer(int(length));
    return TRUE;
}

void CGXControl::SetCurrentText(const CString& str) {
    if (!m_hWndActive) return;
    if (!IsChoiceList()) {
        ::SetWindowTextW(m_hWndActive, str);
        return;
    }
    auto index = ::SendMessageW(m_hWndActive, CB_FINDSTRINGEXACT, WPARAM(-1),
                                reinterpret_cast<LPARAM>(str.GetString()));
    ::SendMessageW(m_hWndActive, CB_SETCURSEL, index == CB_ERR ? WPARAM(-1) : WPARAM(index), 0);
}

BOOL CGXControl::GetModify() const {
    CString text;
    return GetCurrentText(text) && text != m_strInitial;
}

BOOL CGXControl::IsDroppedDown() const {
    return IsChoiceList() && ::SendMessageW(m_hWndActive, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

LRESULT CALLBACK CGXControl::editorProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CGXControl*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    return self->onEditorMessage(hWnd, msg, wParam, lParam);
}

LRESULT CGXControl::onEditorMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC original = hWnd == m_hWndEdit ? m_pfnEditProc : m_pfnComboProc;
    switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | ::CallWindowProcW(original, hWnd, msg, wParam, lParam);
        case WM_KEYDOWN:
        case WM_CHAR:
            if (m_bActive &&
                m_pGrid->ProcessKeys(nullptr, msg, UINT(wParam), LOWORD(lParam), HIWORD(lParam)))
                return 0;
            break;
        case WM_KILLFOCUS: {
            LRESULT result = ::CallWindowProcW(original, hWnd, msg, wParam, lParam);
            if (m_bActive && !IsDroppedDown())
                m_pGrid->editorLostFocus(reinterpret_cast<HWND>(wParam));
            return result;
        }
        default:
            break;
    }
    return ::CallWindowProcW(original, hWnd, msg, wParam, lParam);
}
