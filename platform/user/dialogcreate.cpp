// Creating dialogs from templates, the modal loop and EndDialog.
#include <memory>

#include "gdi/wingdi.h"
#include "user/dialog.h"
#include "user/dlgtemplate.h"
#include "user/scripteduser.h"
#include "win/resource.h"
#include "win/utf8.h"

using namespace user::detail;

namespace {

struct BaseUnits {
    int x = 8;
    int y = 16;
};

// The average character width of the font, rounded as Windows rounds it, and its height.
BaseUnits MeasureFont(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size{};
    GetTextExtentPoint32W(dc, kAlphabet, 52, &size);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {(size.cx / 26 + 1) / 2, tm.tmHeight};
}

HFONT CreateTemplateFont(const DialogTemplate& t) {
    LOGFONTW lf{};
    lf.lfHeight = -ScaleRounded(t.pointSize, 96, 72);
    lf.lfWeight = t.weight ? t.weight : FW_NORMAL;
    lf.lfItalic = t.italic;
    lf.lfCharSet = t.charset;
    wcsncpy(lf.lfFaceName, t.face.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

RECT ToPixels(short x, short y, short cx, short cy, const BaseUnits& b) {
    return {ScaleRounded(x, b.x, 4), ScaleRounded(y, b.y, 8), ScaleRounded(x + cx, b.x, 4),
            ScaleRounded(y + cy, b.y, 8)};
}

// The dialog's window rectangle: the template gives its client area, placed relative to the
// owner's client area (the screen with DS_ABSALIGN), or centred with DS_CENTER.
RECT DialogRect(const DialogTemplate& t, DWORD style, DWORD exStyle, HWND owner,
                const BaseUnits& b) {
    RECT r = ToPixels(t.x, t.y, t.cx, t.cy, b);
    AdjustWindowRectEx(&r, style, !t.menu.empty(), exStyle);
    POINT origin{};
    if (owner && !(style & DS_ABSALIGN) && !(style & WS_CHILD)) ClientToScreen(owner, &origin);
    OffsetRect(&r, origin.x, origin.y);
    if (style & DS_CENTER) {
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (owner) GetWindowRect(owner, &area);
        int w = r.right - r.left, h = r.bottom - r.top;
        r = {(area.left + area.right - w) / 2, (area.top + area.bottom - h) / 2, 0, 0};
        r.right = r.left + w;
        r.bottom = r.top + h;
    }
    return r;
}

// An ordinal title reaches the control as the units 0xFFFF, id, as Windows passes it.
struct Title {
    std::wstring text;
    explicit Title(const NameOrId& t)
        : text(t.id ? std::wstring{wchar_t(0xFFFF), wchar_t(t.id)} : t.name) {}
};

bool CreateItem(HWND dlg, const DialogItemTemplate& item, const BaseUnits& b, HINSTANCE instance,
                HFONT font) {
    RECT r = ToPixels(item.x, item.y, item.cx, item.cy, b);
    Title title(item.title);
    void* data = item.creationData.empty() ? nullptr : const_cast<BYTE*>(item.creationData.data());
    HWND ctl = CreateWindowExW(
        item.exStyle | WS_EX_NOPARENTNOTIFY, item.className.c_str(), title.text.c_str(),
        item.style | WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top, dlg,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, data);
    if (!ctl) return false;
    if (font) SendMessageW(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    DialogState& state = DialogOf(W(dlg));
    if (!state.defId && (SendMessageW(ctl, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        state.defId = static_cast<int>(item.id);
    }
    return true;
}

HWND CreateFromTemplate(HINSTANCE instance, const DialogTemplate& t, HWND parent, DLGPROC proc,
                        LPARAM param) {
    if (!t.menu.empty()) AfxNotSupported("dialog templates with a menu");
    HFONT font = t.hasFont ? CreateTemplateFont(t) : nullptr;
    BaseUnits units = font ? MeasureFont(font) : BaseUnits{};
    DWORD style = t.style & ~WS_VISIBLE;
    DWORD exStyle = t.exStyle | ((t.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
    HWND owner = (style & WS_CHILD) ? parent : GetAncestor(parent, GA_ROOT);
    RECT r = DialogRect(t, style, exStyle, owner, units);
    std::wstring cls = t.className.id ? std::wstring(L"#").append(std::to_wstring(t.className.id))
                                      : t.className.name;
    HWND dlg = CreateWindowExW(exStyle, cls.empty() ? L"#32770" : cls.c_str(), t.caption.c_str(),
                               style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                               nullptr, instance, nullptr);
    if (!dlg) {
        if (font) DeleteObject(font);
        return nullptr;
    }
    DialogState& state = DialogOf(W(dlg));
    state.baseX = units.x;
    state.baseY = units.y;
    state.font = font;
    state.ownsFont = font != nullptr;
    SetWindowLongPtrW(dlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (font) SendMessageW(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const auto& item : t.items) {
        if (!IsWindow(dlg)) return nullptr;
        if (!CreateItem(dlg, item, units, instance, font) && !(t.style & DS_NOFAILCREATE)) {
            DestroyWindow(dlg);
            return nullptr;
        }
    }
    HWND first = FirstTabItem(dlg);
    if (SendMessageW(dlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) &&
        IsWindow(first)) {
        DialogSetFocus(dlg, first);
    }
    if (IsWindow(dlg) && (t.style & WS_VISIBLE) && !DialogOf(W(dlg)).ended)
        ShowWindow(dlg, SW_SHOWNORMAL);
    return IsWindow(dlg) ? dlg : nullptr;
}

LPCDLGTEMPLATEW FindTemplate(HINSTANCE instance, LPCWSTR name) {
    HRSRC res = FindResourceW(instance, name, RT_DIALOG);
    return res ? static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(instance, res))) : nullptr;
}

void PumpOne(HWND dlg, const MSG& msg) {
    MSG m = msg;
    BOOL (*hook)(MSG*) = Desktop::Get().preTranslate;
    if (hook && hook(&m)) return;
    if (!hook && IsDialogMessageW(dlg, &m)) return;
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

// Runs until EndDialog. When the queue is empty the person acts: the scripted user's next
// step runs; with none left the test fails and the dialog is cancelled so nothing hangs.
void RunModalLoop(HWND dlg) {
    auto& user = user::ScriptedUser::Get();
    while (IsWindow(dlg) && !DialogOf(W(dlg)).ended) {
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            PumpOne(dlg, msg);
        } else if (!user.RunNextStep()) {
            user.Fail(Join("modal dialog \"", WideToUtf8(W(dlg)->text),
                           "\" is waiting for the user but the script has no step left"));
            EndDialog(dlg, IDCANCEL);
        }
    }
}

}  // namespace

HWND CreateDialogIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW lpTemplate, HWND hWndParent,
                                DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    DialogTemplate t;
    if (!ParseDialogTemplate(lpTemplate, t)) return nullptr;
    return CreateFromTemplate(hInstance, t, hWndParent, lpDialogFunc, dwInitParam);
}

HWND CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                        DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    LPCDLGTEMPLATEW t = FindTemplate(hInstance, lpTemplateName);
    return t ? CreateDialogIndirectParamW(hInstance, t, hWndParent, lpDialogFunc, dwInitParam)
             : nullptr;
}

INT_PTR DialogBoxIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW hDialogTemplate,
                                HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    HWND owner = GetAncestor(hWndParent, GA_ROOT);
    HWND dlg =
        CreateDialogIndirectParamW(hInstance, hDialogTemplate, owner, lpDialogFunc, dwInitParam);
    if (!dlg) return -1;
    DialogState& state = DialogOf(W(dlg));
    if (owner && IsWindowEnabled(owner) && !state.ended) {
        state.owner = owner;
        EnableWindow(owner, FALSE);
    }
    if (!state.ended && !IsWindowVisible(dlg)) ShowWindow(dlg, SW_SHOWNORMAL);
    RunModalLoop(dlg);
    INT_PTR result = IsWindow(dlg) ? DialogOf(W(dlg)).result : IDCANCEL;
    if (IsWindow(dlg)) {
        if (HWND o = DialogOf(W(dlg)).owner) EnableWindow(o, TRUE);
        DestroyWindow(dlg);
    } else if (owner) {
        EnableWindow(owner, TRUE);
    }
    return result;
}

INT_PTR DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                        DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    LPCDLGTEMPLATEW t = FindTemplate(hInstance, lpTemplateName);
    return t ? DialogBoxIndirectParamW(hInstance, t, hWndParent, lpDialogFunc, dwInitParam) : -1;
}

// The owner is enabled again before the dialog hides, so that activation returns to it.
BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    Window* w = W(hDlg);
    if (!w) return FALSE;
    DialogState& state = DialogOf(w);
    state.ended = true;
    state.result = nResult;
    if (state.owner) {
        EnableWindow(state.owner, TRUE);
        state.owner = nullptr;
    }
    ShowWindow(hDlg, SW_HIDE);
    return TRUE;
}
