// The scripted user's acts: each feeds the input path and lets the application respond.
#include "user/desktop.h"
#include "user/input.h"
#include "user/scripteduser.h"

namespace user {

namespace {

// Separate acts never pair into a double click: a person pauses longer than the double-click
// time between them.
void Pause() {
    detail::Desktop::Get().time += 2 * GetDoubleClickTime();
}

POINT CentreOf(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(w, &p);
    return p;
}

// The key a character is typed with on a US keyboard, and whether Shift is needed; 0 when the
// character has no key of its own.
UINT KeyOf(wchar_t ch, bool& shift) {
    shift = false;
    if (ch >= L'a' && ch <= L'z') return ch - 32;
    if (ch >= L'A' && ch <= L'Z') return shift = true, ch;
    if (ch >= L'0' && ch <= L'9') return ch;
    switch (ch) {
        case L' ':
            return VK_SPACE;
        case L'\r':
        case L'\n':
            return VK_RETURN;
        case L'\t':
            return VK_TAB;
        case L'.':
            return VK_OEM_PERIOD;
        case L',':
            return VK_OEM_COMMA;
        case L'-':
            return VK_OEM_MINUS;
        default:
            return 0;
    }
}

}  // namespace

void ScriptedUser::PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        BOOL (*hook)(MSG*) = detail::Desktop::Get().preTranslate;
        if (hook && hook(&msg)) continue;
        // Without the MFC layer's hook, dialogs still get their keyboard interface.
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (!hook && root && detail::W(root)->dialog && IsDialogMessageW(root, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void ScriptedUser::ClickScreen(POINT screen) {
    Pause();
    for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        InputMouse(m, screen);
        PumpMessages();
    }
}

void ScriptedUser::ClickAt(HWND w, POINT client) {
    ClientToScreen(w, &client);
    ClickScreen(client);
}

void ScriptedUser::Click(HWND w) {
    ClickScreen(CentreOf(w));
}

void ScriptedUser::RightClick(HWND w) {
    Pause();
    for (UINT m : {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_RBUTTONUP}) {
        InputMouse(m, CentreOf(w));
        PumpMessages();
    }
}

void ScriptedUser::DoubleClick(HWND w) {
    Pause();
    POINT p = CentreOf(w);
    for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        InputMouse(m, p);
        PumpMessages();
    }
}

void ScriptedUser::ClickControl(int id) {
    HWND control = GetDlgItem(GetActiveWindow(), id);
    if (!control)
        return Fail(
            detail::Join("the active window has no control ", std::to_string(id), " to click"));
    Click(control);
}

void ScriptedUser::MoveTo(POINT screen) {
    InputMouse(WM_MOUSEMOVE, screen);
    PumpMessages();
}

void ScriptedUser::MoveOver(HWND w) {
    MoveTo(CentreOf(w));
}

// Far off the screen, where no window is.
void ScriptedUser::MoveAway() {
    MoveTo(POINT{-10000, -10000});
}

void ScriptedUser::KeyDown(UINT vk) {
    InputKey(vk, true);
    PumpMessages();
}

void ScriptedUser::KeyUp(UINT vk) {
    InputKey(vk, false);
    PumpMessages();
}

void ScriptedUser::pressModifiers(UINT modifiers, bool down) {
    const std::pair<UINT, UINT> keys[] = {{kShift, VK_SHIFT}, {kCtrl, VK_CONTROL}, {kAlt, VK_MENU}};
    for (auto [flag, vk] : keys) {
        if (modifiers & flag) down ? KeyDown(vk) : KeyUp(vk);
    }
}

void ScriptedUser::Press(UINT vk, UINT modifiers) {
    pressModifiers(modifiers, true);
    KeyDown(vk);
    KeyUp(vk);
    pressModifiers(modifiers, false);
}

void ScriptedUser::Type(const std::wstring& text) {
    for (wchar_t ch : text) {
        bool shift = false;
        if (UINT vk = KeyOf(ch, shift)) {
            Press(vk, shift ? kShift : kNone);
        } else {
            InputChar(ch);
            PumpMessages();
        }
    }
}

void ScriptedUser::PickComboItem(HWND combo, int index) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info))) {
        return Fail("PickComboItem: the window is not a combo box");
    }
    ClickAt(combo, POINT{(info.rcButton.left + info.rcButton.right) / 2,
                         (info.rcButton.top + info.rcButton.bottom) / 2});
    RECT item{};
    if (SendMessageW(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR) {
        return Fail(detail::Join("PickComboItem: the list has no item ", std::to_string(index)));
    }
    ClickAt(info.hwndList, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

}  // namespace user
