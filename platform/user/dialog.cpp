// DefDlgProcW: the default behaviour of dialog windows.
#include "user/dialog.h"

#include "gdi/wingdi.h"

using namespace user::detail;

namespace user::detail {

void DialogStateDeleter::operator()(DialogState* state) const {
    if (state->ownsFont) DeleteObject(state->font);
    delete state;
}

int ScaleRounded(int value, int num, int den) {
    long long product = static_cast<long long>(value) * num;
    long long half = den / 2;
    return static_cast<int>(product >= 0 ? (product + half) / den : (product - half) / den);
}

DialogState& DialogOf(Window* w) {
    if (!w->dialog) w->dialog.reset(new DialogState);
    return *w->dialog;
}

}  // namespace user::detail

namespace {

// Messages whose answer is the dialog procedure's own return value rather than DWLP_MSGRESULT.
bool ReturnsDirectly(UINT msg) {
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM ||
           msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM || msg == WM_QUERYDRAGICON ||
           msg == WM_INITDIALOG;
}

void SaveFocus(HWND dlg) {
    HWND focus = GetFocus();
    if (IsChild(dlg, focus)) DialogOf(W(dlg)).savedFocus = focus;
}

// The control that had the focus gets it back as it was (its selection untouched); without one
// the first tab stop takes it as Tab would give it.
void RestoreFocus(HWND dlg) {
    HWND saved = DialogOf(W(dlg)).savedFocus;
    if (IsChild(dlg, saved) && IsWindowEnabled(saved) && IsWindowVisible(saved)) {
        SetFocus(saved);
    } else if (HWND first = FirstTabItem(dlg)) {
        DialogSetFocus(dlg, first);
    }
}

LRESULT SetDefId(HWND dlg, int id) {
    DialogState& state = DialogOf(W(dlg));
    HWND old = GetDlgItem(dlg, state.defId);
    if (old && (SendMessageW(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        SendMessageW(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    state.defId = id;
    HWND now = GetDlgItem(dlg, id);
    if (now && (SendMessageW(now, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
        SendMessageW(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
    return TRUE;
}

LRESULT NextControl(HWND dlg, WPARAM wp, LPARAM lp) {
    HWND target =
        LOWORD(lp) ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(dlg, GetFocus(), wp != 0);
    if (target) DialogSetFocus(dlg, target);
    return 0;
}

LRESULT EraseDialog(HWND dlg, HDC dc) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        dlg, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dlg)));
    RECT r;
    GetClientRect(dlg, &r);
    FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_3DFACE));
    return TRUE;
}

LRESULT CloseDialog(HWND dlg) {
    HWND cancel = GetDlgItem(dlg, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) {
        MessageBeep(0);
        return 0;
    }
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(cancel));
    return 0;
}

LRESULT DefaultDialog(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = W(dlg);
    DialogState& state = DialogOf(w);
    switch (msg) {
        case WM_ERASEBKGND:
            return EraseDialog(dlg, reinterpret_cast<HDC>(wp));
        case WM_SETFONT:
            state.font = reinterpret_cast<HFONT>(wp);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(state.font);
        case WM_ACTIVATE:
            if (LOWORD(wp) == WA_INACTIVE)
                SaveFocus(dlg);
            else
                RestoreFocus(dlg);
            return 0;
        case WM_SETFOCUS:
            RestoreFocus(dlg);
            return 0;
        case WM_SHOWWINDOW:
            if (!wp) SaveFocus(dlg);
            return DefWindowProcW(dlg, msg, wp, lp);
        case DM_GETDEFID:
            return state.defId ? MAKELRESULT(state.defId, DC_HASDEFID) : 0;
        case DM_SETDEFID:
            return SetDefId(dlg, static_cast<int>(wp));
        case WM_NEXTDLGCTL:
            return NextControl(dlg, wp, lp);
        case WM_CLOSE:
            return CloseDialog(dlg);
        default:
            return DefWindowProcW(dlg, msg, wp, lp);
    }
}

}  // namespace

LRESULT DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* w = W(hDlg);
    if (!w) return 0;
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(hDlg, DWLP_DLGPROC));
    if (proc) {
        SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, 0);
        INT_PTR handled = proc(hDlg, Msg, wParam, lParam);
        if (!IsWindow(hDlg)) return 0;
        if (ReturnsDirectly(Msg)) {
            if (handled || Msg == WM_INITDIALOG) return handled;
        } else if (handled) {
            return GetWindowLongPtrW(hDlg, DWLP_MSGRESULT);
        }
    }
    return DefaultDialog(hDlg, Msg, wParam, lParam);
}
