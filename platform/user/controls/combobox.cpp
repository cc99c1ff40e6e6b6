// The combo box: creation, the CB_ messages and the text of its selection field.
#include "user/controls/combobox.h"

#include <algorithm>
#include <cwchar>

#include "user/controls/paintkit.h"
#include "user/controls/textbuffer.h"
#include "win/diagnostics.h"

namespace user::controls {

namespace {

// The id Windows gives the edit child of a drop-down combo box.
constexpr int kComboEditId = 1001;

DWORD comboType(DWORD style) {
    return style & 0x3;
}

}  // namespace

LRESULT ComboBox::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (msg == WM_SETFONT) {
        if (m_edit) SendMessageW(m_edit, WM_SETFONT, wParam, FALSE);
        SendMessageW(m_list, WM_SETFONT, wParam, FALSE);
        handleFont(msg, wParam, lParam, result);
        SetWindowPos(hwnd(), nullptr, 0, 0, clientRect().right, windowHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    if (handleFont(msg, wParam, lParam, result)) return result;
    if (handlePaint(msg, wParam, result)) return result;
    if (msg >= CB_GETEDITSEL && msg <= CB_GETCOMBOBOXINFO)
        return onComboMessage(msg, wParam, lParam);
    switch (msg) {
        case WM_NCCREATE:
            // The scroll bars of the style belong to the dropped list: the control itself has
            // none, as in Windows.
            SetWindowLongW(
                hwnd(), GWL_STYLE,
                static_cast<LONG>(style() & ~static_cast<DWORD>(WS_VSCROLL | WS_HSCROLL)));
            return defaultProc(msg, wParam, lParam);
        case WM_CREATE:
            return onCreate(*reinterpret_cast<CREATESTRUCTW*>(lParam));
        case WM_DESTROY:
            if (IsWindow(m_list)) DestroyWindow(m_list);
            m_list = nullptr;
            return 0;
        case WM_SETTEXT:
            return onSetText(reinterpret_cast<LPCWSTR>(lParam));
        case WM_GETTEXT:
            return onGetText(wParam, reinterpret_cast<LPWSTR>(lParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(fieldText().size());
        case WM_ENABLE:
            if (m_edit) EnableWindow(m_edit, static_cast<BOOL>(wParam));
            if (!wParam && m_dropped) closeUp(CBN_SELENDCANCEL);
            invalidate();
            return 0;
        case WM_SIZE:
            layoutChildren();
            return 0;
        case WM_WINDOWPOSCHANGING:
            onWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
            return 0;
        case WM_SETFOCUS:
            if (m_edit) {
                SetFocus(m_edit);
                SendMessageW(m_edit, EM_SETSEL, 0, -1);
            } else {
                onFocusEnter();
            }
            return 0;
        case WM_KILLFOCUS:
            if (!m_edit) onFocusLeave(reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_COMMAND:
            if (m_edit && reinterpret_cast<HWND>(lParam) == m_edit) onEditCommand(HIWORD(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            onLButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            onKeyDown(wParam, msg == WM_SYSKEYDOWN);
            return msg == WM_SYSKEYDOWN ? defaultProc(msg, wParam, lParam) : 0;
        case WM_CHAR:
            onChar(static_cast<wchar_t>(wParam));
            return 0;
        case WM_GETDLGCODE:
            // While dropped, Enter and Escape belong to the list, not to the dialog's buttons.
            return DLGC_WANTCHARS | DLGC_WANTARROWS | (m_dropped ? DLGC_WANTALLKEYS : 0);
        default:
            return defaultProc(msg, wParam, lParam);
    }
}

LRESULT ComboBox::onCreate(const CREATESTRUCTW& create) {
    DWORD style = static_cast<DWORD>(create.style);
    DWORD type = comboType(style);
    if (type == CBS_SIMPLE) AfxNotSupported("CBS_SIMPLE combo boxes");
    // Owner-drawn items keep their texts here: the owner draws them, the list stores them.
    if ((style & CBS_OWNERDRAWVARIABLE) ||
        ((style & CBS_OWNERDRAWFIXED) && !(style & CBS_HASSTRINGS)))
        AfxNotSupported("variable or string-less owner-drawn combo boxes");
    DWORD listStyle = WS_POPUP | WS_CLIPSIBLINGS | LBS_COMBOBOX | LBS_HASSTRINGS |
                      ((style & CBS_SORT) ? LBS_SORT : 0) |
                      ((style & CBS_OWNERDRAWFIXED) ? LBS_OWNERDRAWFIXED : 0);
    m_list = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WC_COMBOLBOXW, nullptr, listStyle, 0,
                             0, create.cx, create.cy, hwnd(), nullptr, create.hInstance, hwnd());
    if (!m_list) return -1;
    if (type == CBS_DROPDOWN) {
        DWORD editStyle = WS_CHILD | WS_VISIBLE | ((style & CBS_AUTOHSCROLL) ? ES_AUTOHSCROLL : 0) |
                          ((style & WS_DISABLED) ? WS_DISABLED : 0);
        m_edit = CreateWindowExW(0, WC_EDITW, nullptr, editStyle, 0, 0, 0, 0, hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kComboEditId)),
                                 create.hInstance, nullptr);
        if (!m_edit) return -1;
    }
    if (ownerDrawn()) measureByOwner();
    // The height given at creation is the dropped height; the control keeps its field's height.
    m_droppedHeight = std::max<int>(create.cy - windowHeight(), list()->itemHeight() + 2);
    SetWindowPos(hwnd(), nullptr, 0, 0, create.cx, windowHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layoutChildren();
    return 0;
}

// The owner of a fixed owner-drawn combo box is asked once for the selection field's height
// (item -1) and once for the items' height (item 0), before the control is shown.
void ComboBox::measureByOwner() {
    int preset = fontLineHeight(font());
    m_fieldItemHeight = measureItemByOwner(hwnd(), -1, preset);
    toList(LB_SETITEMHEIGHT, 0, measureItemByOwner(hwnd(), 0, preset));
}

ListBox* ComboBox::list() const {
    return controlOf<ListBox>(m_list);
}

LRESULT ComboBox::toList(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(m_list, msg, wParam, lParam);
}

int ComboBox::selection() const {
    return static_cast<int>(toList(LB_GETCURSEL, 0, 0));
}

std::wstring ComboBox::itemText(int index) const {
    const ItemList& items = list()->items();
    return items.valid(index) ? items.text(index) : std::wstring();
}

LRESULT ComboBox::onComboMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    switch (msg) {
        case CB_ADDSTRING:
            return toList(LB_ADDSTRING, wParam, lParam);
        case CB_INSERTSTRING:
            return toList(LB_INSERTSTRING, wParam, lParam);
        case CB_DELETESTRING: {
            LRESULT left = toList(LB_DELETESTRING, wParam, lParam);
            invalidate();
            return left;
        }
        case CB_RESETCONTENT:
            toList(LB_RESETCONTENT, 0, 0);
            if (m_edit) setEditText(L"");
            invalidate();
            return CB_OKAY;
        case CB_GETCOUNT:
            return toList(LB_GETCOUNT, 0, 0);
        case CB_GETLBTEXT:
            return toList(LB_GETTEXT, wParam, lParam);
        case CB_GETLBTEXTLEN:
            return toList(LB_GETTEXTLEN, wParam, lParam);
        case CB_FINDSTRING:
            return toList(LB_FINDSTRING, wParam, lParam);
        case CB_FINDSTRINGEXACT:
            return toList(LB_FINDSTRINGEXACT, wParam, lParam);
        case CB_GETITEMDATA:
            return toList(LB_GETITEMDATA, wParam, lParam);
        case CB_SETITEMDATA:
            return toList(LB_SETITEMDATA, wParam, lParam);
        case CB_GETCURSEL:
            return selection();
        case CB_SETCURSEL:
            return setSelection(index);
        case CB_SELECTSTRING: {
            int found = static_cast<int>(toList(LB_FINDSTRING, wParam, lParam));
            return found < 0 ? CB_ERR : setSelection(found);
        }
        case CB_SETITEMHEIGHT:
            return setItemHeight(index, static_cast<int>(lParam));
        case CB_GETITEMHEIGHT:
            return index == -1 ? fieldHeight() : toList(LB_GETITEMHEIGHT, wParam, 0);
        case CB_SHOWDROPDOWN:
            if (wParam && !m_dropped) dropDown();
            if (!wParam && m_dropped) closeUp(0);
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return m_dropped ? TRUE : FALSE;
        case CB_GETDROPPEDCONTROLRECT: {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            if (!rect) return CB_ERR;
            GetWindowRect(hwnd(), rect);
            rect->bottom = rect->top + windowHeight() + m_droppedHeight;
            return CB_OKAY;
        }
        case CB_LIMITTEXT:
            if (!m_edit) return CB_ERR;
            SendMessageW(m_edit, EM_LIMITTEXT, wParam, 0);
            return TRUE;
        case CB_SETEDITSEL:
            if (!m_edit) return CB_ERR;
            SendMessageW(m_edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))),
                         static_cast<SHORT>(HIWORD(lParam)));
            return TRUE;
        case CB_GETEDITSEL:
            if (!m_edit) return CB_ERR;
            return SendMessageW(m_edit, EM_GETSEL, wParam, lParam);
        case CB_GETCOMBOBOXINFO:
            return getInfo(reinterpret_cast<COMBOBOXINFO*>(lParam));
        default:
            AfxNotSupported("this combo box message");
    }
}

LRESULT ComboBox::setSelection(int index) {
    LRESULT result = toList(LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (m_edit) setEditText(itemText(selection()));
    invalidate();
    return result;
}

LRESULT ComboBox::setItemHeight(int index, int height) {
    if (height <= 0 || height > 255) return CB_ERR;
    if (index != -1) return toList(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), height);
    // The selection field's height sets the control's height, as in Windows.
    m_fieldItemHeight = height;
    SetWindowPos(hwnd(), nullptr, 0, 0, clientRect().right, windowHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layoutChildren();
    return CB_OKAY;
}

void ComboBox::setEditText(const std::wstring& text) {
    m_quietEdit = true;
    SetWindowTextW(m_edit, text.c_str());
    m_quietEdit = false;
}

std::wstring ComboBox::fieldText() const {
    if (!m_edit) return itemText(selection());
    int length = GetWindowTextLengthW(m_edit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(m_edit, text.data(), length + 1)));
    return text;
}

LRESULT ComboBox::onSetText(LPCWSTR text) {
    std::wstring value = text ? text : L"";
    if (m_edit) {
        setEditText(value);
        return TRUE;
    }
    // A drop-down list can only show one of its items.
    int found = list()->items().findExact(-1, value);
    if (found < 0) return CB_ERR;
    setSelection(found);
    return TRUE;
}

LRESULT ComboBox::onGetText(WPARAM size, LPWSTR buffer) const {
    return static_cast<LRESULT>(copyToBuffer(fieldText(), buffer, size));
}

LRESULT ComboBox::getInfo(COMBOBOXINFO* info) const {
    if (!info || info->cbSize != sizeof(COMBOBOXINFO)) return FALSE;
    info->rcItem = fieldRect();
    info->rcButton = buttonRect();
    info->stateButton = m_dropped ? STATE_SYSTEM_PRESSED : 0;
    info->hwndCombo = hwnd();
    info->hwndItem = m_edit ? m_edit : hwnd();
    info->hwndList = m_list;
    return TRUE;
}

}  // namespace user::controls

BOOL GetComboBoxInfo(HWND hwndCombo, PCOMBOBOXINFO pcbi) {
    return static_cast<BOOL>(
        SendMessageW(hwndCombo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(pcbi)));
}
