// The edit control's messages and editing: typing, keys, selection, limits and notifications.
#include "user/controls/edit.h"

#include <cwchar>
#include <cwctype>

#include "user/controls/combobox.h"
#include "user/controls/paintkit.h"
#include "user/controls/textbuffer.h"
#include "win/diagnostics.h"

namespace user::controls {

namespace {

bool shiftHeld() {
    return GetKeyState(VK_SHIFT) < 0;
}

ComboBox* comboOf(HWND edit) {
    return controlOf<ComboBox>(GetParent(edit));
}

}  // namespace

LRESULT Edit::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handleFont(msg, wParam, lParam, result)) return result;
    if (handlePaint(msg, wParam, result)) return result;
    if (msg >= EM_GETSEL && msg <= EM_GETLIMITTEXT) return onEditMessage(msg, wParam, lParam);
    switch (msg) {
        case WM_CREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            if (create->style & ES_MULTILINE) AfxNotSupported("multi-line edit controls");
            if (create->style & ES_PASSWORD) m_passwordChar = L'*';
            if (create->lpszName && !IS_INTRESOURCE(create->lpszName)) m_text = create->lpszName;
            return 0;
        }
        case WM_SETTEXT:
            return onSetText(reinterpret_cast<LPCWSTR>(lParam));
        case WM_GETTEXT:
            return static_cast<LRESULT>(
                copyToBuffer(m_text, reinterpret_cast<LPWSTR>(lParam), wParam));
        case WM_GETTEXTLENGTH:
            return length();
        case WM_CHAR:
            onChar(static_cast<wchar_t>(wParam));
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (comboOf(hwnd()) && ComboBox::steersList(wParam)) {
                return SendMessageW(GetParent(hwnd()), msg, wParam, lParam);
            }
            if (msg == WM_KEYDOWN) onKeyDown(wParam);
            return msg == WM_KEYDOWN ? 0 : defaultProc(msg, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            onFocus(msg == WM_SETFOCUS, reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            onMouse(msg, wParam, lParam);
            return 0;
        case WM_CLEAR:
            if (!readOnly()) replaceSelection(L"", false);
            return 0;
        case WM_CUT:
        case WM_COPY:
        case WM_PASTE:
            AfxNotSupported("the clipboard in edit controls");
        case WM_ENABLE:
        case WM_SIZE:
            scrollToCaret();
            invalidate();
            return 0;
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
            ComboBox* combo = comboOf(hwnd());
            return code | (combo && combo->dropped() ? DLGC_WANTALLKEYS : 0);
        }
        default:
            return defaultProc(msg, wParam, lParam);
    }
}

LRESULT Edit::onEditMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case EM_GETSEL:
            return getSelection(wParam, lParam);
        case EM_SETSEL: {
            int start = static_cast<int>(static_cast<LONG_PTR>(wParam));
            int end = static_cast<int>(lParam);
            // -1 as the start removes the selection; -1 (or past the end) as the end means the end.
            if (start == -1)
                setSelection(m_caret, m_caret);
            else
                setSelection(start, end < 0 ? length() : end);
            return 0;
        }
        case EM_REPLACESEL:
            replaceSelection(lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"", false);
            return 0;
        case EM_GETMODIFY:
            return m_modified ? TRUE : FALSE;
        case EM_SETMODIFY:
            m_modified = wParam != 0;
            return 0;
        case EM_GETLINECOUNT:
            return 1;
        case EM_LINELENGTH:
            return length();
        case EM_SCROLLCARET:
            scrollToCaret();
            invalidate();
            return TRUE;
        // This edit keeps no undo buffer: there is never anything to undo.
        case EM_CANUNDO:
            return FALSE;
        case EM_EMPTYUNDOBUFFER:
            return 0;
        case EM_LIMITTEXT:
            m_limit = wParam ? static_cast<UINT>(wParam) : 0x7FFFFFFEu;
            return 0;
        case EM_GETLIMITTEXT:
            return m_limit;
        case EM_SETREADONLY: {
            DWORD newStyle =
                wParam ? (style() | ES_READONLY) : (style() & ~static_cast<DWORD>(ES_READONLY));
            SetWindowLongW(hwnd(), GWL_STYLE, static_cast<LONG>(newStyle));
            invalidate();
            return TRUE;
        }
        case EM_SETPASSWORDCHAR:
            m_passwordChar = static_cast<wchar_t>(wParam);
            invalidate();
            return 0;
        case EM_GETPASSWORDCHAR:
            return m_passwordChar;
        case EM_SETMARGINS:
            return setMargins(wParam, lParam);
        case EM_GETMARGINS:
            return MAKELRESULT(m_leftMargin, m_rightMargin);
        default:
            AfxNotSupported("this edit control message");
    }
}

LRESULT Edit::onSetText(LPCWSTR text) {
    m_text = text ? text : L"";
    m_anchor = m_caret = 0;
    m_scroll = 0;
    m_modified = false;
    defaultProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_text.c_str()));
    // A single-line edit reports text set from code as a change too (EN_UPDATE, EN_CHANGE).
    textChanged();
    return TRUE;
}

LRESULT Edit::getSelection(WPARAM startOut, LPARAM endOut) const {
    if (startOut) *reinterpret_cast<DWORD*>(startOut) = static_cast<DWORD>(selStart());
    if (endOut) *reinterpret_cast<DWORD*>(endOut) = static_cast<DWORD>(selEnd());
    return MAKELRESULT(selStart(), selEnd());
}

void Edit::setSelection(int anchor, int caret) {
    m_anchor = std::clamp(anchor, 0, length());
    m_caret = std::clamp(caret, 0, length());
    scrollToCaret();
    invalidate();
}

bool Edit::refuseChange() const {
    if (!readOnly()) return false;
    MessageBeep(MB_OK);
    return true;
}

void Edit::onChar(wchar_t ch) {
    if (ch == 0x01) {  // Ctrl+A
        setSelection(0, length());
        return;
    }
    if (ch == L'\b') {
        if (!refuseChange()) deleteAtCaret(false);
        return;
    }
    if (ch < L' ' || refuseChange()) return;
    if ((style() & ES_NUMBER) && !std::iswdigit(static_cast<wint_t>(ch))) {
        MessageBeep(MB_OK);
        return;
    }
    if (style() & ES_UPPERCASE) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
    if (style() & ES_LOWERCASE) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
    replaceSelection(std::wstring(1, ch), true);
}

void Edit::onKeyDown(WPARAM key) {
    bool extend = shiftHeld();
    switch (key) {
        case VK_LEFT:
            moveCaret(m_anchor != m_caret && !extend ? selStart() : m_caret - 1, extend);
            break;
        case VK_RIGHT:
            moveCaret(m_anchor != m_caret && !extend ? selEnd() : m_caret + 1, extend);
            break;
        case VK_HOME:
            moveCaret(0, extend);
            break;
        case VK_END:
            moveCaret(length(), extend);
            break;
        case VK_DELETE:
            if (!refuseChange()) deleteAtCaret(true);
            break;
        default:
            break;
    }
}

void Edit::moveCaret(int position, bool extend) {
    int caret = std::clamp(position, 0, length());
    setSelection(extend ? m_anchor : caret, caret);
}

void Edit::deleteAtCaret(bool forward) {
    if (m_anchor == m_caret) {
        int other = forward ? m_caret + 1 : m_caret - 1;
        if (other < 0 || other > length()) return;
        m_anchor = other;
    }
    replaceSelection(L"", true);
}

// Replaces the selection with the text, within the length limit and, without ES_AUTOHSCROLL,
// within the control's width; EN_MAXTEXT reports what did not fit. A typed character that does
// not fit is refused whole.
bool Edit::replaceSelection(std::wstring insert, bool typed) {
    std::size_t kept = m_text.size() - static_cast<std::size_t>(selEnd() - selStart());
    std::size_t room = m_limit > kept ? m_limit - kept : 0;
    bool tooLong = insert.size() > room;
    if (tooLong && typed) {
        notifyParent(EN_MAXTEXT);
        return false;
    }
    if (tooLong) insert.resize(room);
    std::wstring next = m_text;
    next.replace(static_cast<std::size_t>(selStart()),
                 static_cast<std::size_t>(selEnd() - selStart()), insert);
    if (!(style() & ES_AUTOHSCROLL) && !insert.empty() && !fitsWithout(next)) {
        notifyParent(EN_MAXTEXT);
        return false;
    }
    int caret = selStart() + static_cast<int>(insert.size());
    m_text = std::move(next);
    m_anchor = m_caret = caret;
    m_modified = true;
    defaultProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_text.c_str()));
    scrollToCaret();
    textChanged();
    if (tooLong) notifyParent(EN_MAXTEXT);
    return true;
}

// EN_UPDATE comes before the control shows the new text, EN_CHANGE after.
void Edit::textChanged() {
    notifyParent(EN_UPDATE);
    invalidate();
    notifyParent(EN_CHANGE);
}

void Edit::onFocus(bool gained, HWND other) {
    invalidate();
    notifyParent(gained ? EN_SETFOCUS : EN_KILLFOCUS);
    if (!gained) {
        m_dragging = false;
        if (ComboBox* combo = comboOf(hwnd())) combo->editLosingFocus(other);
    }
}

void Edit::onMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    int position = positionFromX(GET_X_LPARAM(lParam));
    switch (msg) {
        case WM_LBUTTONDOWN:
            if (GetFocus() != hwnd()) SetFocus(hwnd());
            setSelection((wParam & MK_SHIFT) ? m_anchor : position, position);
            m_dragging = true;
            SetCapture(hwnd());
            break;
        case WM_MOUSEMOVE:
            if (m_dragging) setSelection(m_anchor, position);
            break;
        case WM_LBUTTONUP:
            if (m_dragging && GetCapture() == hwnd()) ReleaseCapture();
            m_dragging = false;
            break;
        case WM_LBUTTONDBLCLK: {
            // A double click selects the word under the mouse.
            int start = position;
            int end = position;
            while (start > 0 && !std::iswspace(static_cast<wint_t>(m_text[start - 1]))) --start;
            while (end < length() && !std::iswspace(static_cast<wint_t>(m_text[end]))) ++end;
            setSelection(start, end);
            break;
        }
        default:
            break;
    }
}

}  // namespace user::controls
