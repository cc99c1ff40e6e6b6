// Keyboard navigation in dialogs: Tab order, groups, default buttons, Enter and Escape.
#include <algorithm>
#include <cwctype>
#include <string>

#include "user/dialog.h"

using namespace user::detail;

namespace {

std::vector<HWND> Controls(HWND dlg) {
    std::vector<HWND> out;
    if (Window* w = W(dlg)) {
        for (Window* c : w->children) out.push_back(c->handle);
    }
    return out;
}

bool Usable(HWND h) {
    return IsWindowVisible(h) && IsWindowEnabled(h);
}

bool TabStop(HWND h) {
    return Usable(h) && (GetWindowLongW(h, GWL_STYLE) & WS_TABSTOP);
}

// Steps through `list` from `from`, wrapping, and returns the first window satisfying `ok`.
template <class Ok>
HWND Walk(const std::vector<HWND>& list, HWND from, bool previous, Ok ok) {
    if (list.empty()) return nullptr;
    auto n = static_cast<long>(list.size());
    long start = std::find(list.begin(), list.end(), from) - list.begin();
    if (start == n) start = previous ? 0 : n - 1;
    for (long i = 1; i <= n; ++i) {
        long k = ((start + (previous ? -i : i)) % n + n) % n;
        if (ok(list[k])) return list[k];
    }
    return nullptr;
}

// The controls of the group `ctl` belongs to: from the WS_GROUP control that starts it to the
// control before the next WS_GROUP.
std::vector<HWND> GroupOf(HWND dlg, HWND ctl) {
    std::vector<HWND> all = Controls(dlg), group;
    for (HWND h : all) {
        if ((GetWindowLongW(h, GWL_STYLE) & WS_GROUP) && !group.empty()) {
            if (std::find(group.begin(), group.end(), ctl) != group.end()) return group;
            group.clear();
        }
        group.push_back(h);
    }
    return group;
}

UINT Code(HWND h, MSG* msg) {
    WPARAM key = msg && msg->message == WM_KEYDOWN ? msg->wParam : 0;
    return static_cast<UINT>(SendMessageW(h, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(msg)));
}

void PushButton(HWND dlg, int id) {
    HWND ctl = GetDlgItem(dlg, id);
    if (ctl && !IsWindowEnabled(ctl)) {
        MessageBeep(0);
        return;
    }
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(ctl));
}

void Enter(HWND dlg, HWND focus) {
    if (focus && (Code(focus, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        PushButton(dlg, GetDlgCtrlID(focus));
        return;
    }
    LRESULT def = SendMessageW(dlg, DM_GETDEFID, 0, 0);
    PushButton(dlg, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
}

void Arrow(HWND dlg, HWND focus, bool previous) {
    HWND next = GetNextDlgGroupItem(dlg, focus, previous);
    if (!next || next == focus) return;
    DialogSetFocus(dlg, next);
    bool autoRadio = (GetWindowLongW(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if ((Code(next, nullptr) & DLGC_RADIOBUTTON) && autoRadio) SendMessageW(next, BM_CLICK, 0, 0);
}

// The key messages the dialog manager interprets itself; false leaves the message to the control.
bool HandleKey(HWND dlg, MSG* msg) {
    HWND focus = msg->hwnd;
    UINT code = Code(focus, msg);
    if (code & DLGC_WANTALLKEYS) return false;
    switch (msg->wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB) return false;
            DialogSetFocus(dlg, GetNextDlgTabItem(dlg, focus, GetKeyState(VK_SHIFT) < 0));
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (code & DLGC_WANTARROWS) return false;
            Arrow(dlg, focus, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
            return true;
        case VK_RETURN:
            Enter(dlg, focus);
            return true;
        case VK_ESCAPE:
            PushButton(dlg, IDCANCEL);
            return true;
        default:
            return false;
    }
}

// The control whose text marks `ch` with '&' ("&&" is a literal ampersand).
HWND MnemonicOwner(HWND dlg, wchar_t ch) {
    for (HWND h : Controls(dlg)) {
        if (!Usable(h)) continue;
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
        GetWindowTextW(h, text.data(), static_cast<int>(text.size()));
        for (std::size_t i = 0; i + 1 < text.size() && text[i]; ++i) {
            if (text[i] != L'&') continue;
            if (text[i + 1] == L'&') {
                ++i;
            } else if (std::towlower(text[i + 1]) == std::towlower(ch)) {
                return h;
            }
        }
    }
    return nullptr;
}

// A label's mnemonic focuses the control after it; a button's presses it (a radio button or
// check box takes the focus too).
bool Mnemonic(HWND dlg, wchar_t ch) {
    HWND owner = MnemonicOwner(dlg, ch);
    if (!owner) return false;
    UINT code = Code(owner, nullptr);
    if (code & DLGC_STATIC) {
        std::vector<HWND> list = Controls(dlg);
        HWND next = Walk(list, owner, false,
                         [](HWND h) { return Usable(h) && !(Code(h, nullptr) & DLGC_STATIC); });
        if (next) DialogSetFocus(dlg, next);
    } else if (code & DLGC_BUTTON) {
        if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) DialogSetFocus(dlg, owner);
        SendMessageW(owner, BM_CLICK, 0, 0);
    } else {
        DialogSetFocus(dlg, owner);
    }
    return true;
}

// Characters a control does not take are mnemonics; with Alt they always are.
bool HandleChar(HWND dlg, MSG* msg) {
    bool alt = msg->message == WM_SYSCHAR;
    if (!alt && (Code(msg->hwnd, msg) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS))) return false;
    if (Mnemonic(dlg, static_cast<wchar_t>(msg->wParam))) return true;
    if (alt) MessageBeep(0);
    return alt;
}

void ShowDefaultLook(HWND button, bool isDefault) {
    SendMessageW(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// A push button with the focus looks like the default button; elsewhere the dialog's default
// button (DM_GETDEFID) keeps that look.
void UpdateDefaultLook(HWND dlg, HWND focus) {
    LRESULT def = SendMessageW(dlg, DM_GETDEFID, 0, 0);
    HWND defButton = HIWORD(def) == DC_HASDEFID ? GetDlgItem(dlg, LOWORD(def)) : nullptr;
    bool focusIsButton = Code(focus, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    for (HWND h : Controls(dlg)) {
        UINT code = Code(h, nullptr);
        if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) continue;
        bool want = focusIsButton ? h == focus : h == defButton;
        if (want != static_cast<bool>(code & DLGC_DEFPUSHBUTTON)) ShowDefaultLook(h, want);
    }
}

}  // namespace

namespace user::detail {

void DialogSetFocus(HWND dlg, HWND control) {
    if (!control) return;
    if (Code(control, nullptr) & DLGC_HASSETSEL) SendMessageW(control, EM_SETSEL, 0, -1);
    UpdateDefaultLook(dlg, control);
    SetFocus(control);
}

HWND FirstTabItem(HWND dlg) {
    std::vector<HWND> list = Controls(dlg);
    auto it = std::find_if(list.begin(), list.end(), TabStop);
    return it == list.end() ? nullptr : *it;
}

}  // namespace user::detail

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!IsWindow(hDlg)) return nullptr;
    HWND next = Walk(Controls(hDlg), hCtl, bPrevious, TabStop);
    return next ? next : hCtl;
}

HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (!IsWindow(hDlg) || !IsChild(hDlg, hCtl)) return nullptr;
    HWND next = Walk(GroupOf(hDlg, hCtl), hCtl, bPrevious, Usable);
    return next ? next : hCtl;
}

BOOL IsDialogMessageW(HWND hDlg, LPMSG lpMsg) {
    if (!lpMsg || !IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)))
        return FALSE;
    if (lpMsg->message == WM_KEYDOWN && HandleKey(hDlg, lpMsg)) return TRUE;
    bool isChar = lpMsg->message == WM_CHAR || lpMsg->message == WM_SYSCHAR;
    if (isChar && HandleChar(hDlg, lpMsg)) return TRUE;
    TranslateMessage(lpMsg);
    DispatchMessageW(lpMsg);
    return TRUE;
}
