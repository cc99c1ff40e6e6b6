// Sending, posting and retrieving messages; hooks.
#include <algorithm>

#include "user/desktop.h"
#include "user/input.h"
#include "user/scripteduser.h"
#include "win/utf8.h"

using namespace user::detail;

namespace {

bool Matches(const MSG& m, HWND hwnd, UINT lo, UINT hi) {
    if (hwnd && m.hwnd != hwnd) return false;
    if (lo == 0 && hi == 0) return true;
    return m.message >= lo && m.message <= hi;
}

// The first window, parents before children and in z-order, that has something to paint.
Window* FirstToPaint(const std::vector<Window*>& windows, HWND filter) {
    for (Window* w : windows) {
        if (!w->visible()) continue;
        bool dirty = !IsRectEmpty(&w->update) || w->frameNeeded;
        if (dirty && (!filter || w->handle == filter)) return w;
        if (Window* c = FirstToPaint(w->children, filter)) return c;
    }
    return nullptr;
}

bool TakePosted(LPMSG msg, HWND hwnd, UINT lo, UINT hi, bool remove) {
    auto& queue = Desktop::Get().queue;
    auto it = std::find_if(queue.begin(), queue.end(),
                           [&](const MSG& m) { return Matches(m, hwnd, lo, hi); });
    if (it == queue.end()) return false;
    *msg = *it;
    if (remove) queue.erase(it);
    return true;
}

bool TakeQuit(LPMSG msg, bool remove) {
    Desktop& desktop = Desktop::Get();
    if (!desktop.quitPosted) return false;
    *msg = MSG{nullptr, WM_QUIT,      static_cast<WPARAM>(desktop.quitCode),
               0,       desktop.time, desktop.cursorPos};
    if (remove) desktop.quitPosted = false;
    return true;
}

bool TakePaint(LPMSG msg, HWND hwnd, UINT lo, UINT hi) {
    if (!((lo == 0 && hi == 0) || (lo <= WM_PAINT && WM_PAINT <= hi))) return false;
    Window* w = FirstToPaint(Desktop::Get().topLevel, hwnd);
    if (!w) return false;
    *msg = MSG{w->handle, WM_PAINT, 0, 0, Desktop::Get().time, Desktop::Get().cursorPos};
    return true;
}

// The character a key gives with the current Shift and Ctrl state, on a US keyboard layout.
wchar_t CharOfKey(const MSG& m) {
    UINT vk = static_cast<UINT>(m.wParam);
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    if (vk == VK_PACKET)
        return static_cast<wchar_t>((static_cast<ULONG_PTR>(m.lParam) >> 32) & 0xFFFF);
    if (vk >= 'A' && vk <= 'Z') return ctrl ? vk - 'A' + 1 : (shift ? vk : vk + 32);
    if (ctrl) return 0;
    if (vk >= '0' && vk <= '9') return shift ? L")!@#$%^&*("[vk - '0'] : vk;
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return L'0' + (vk - VK_NUMPAD0);
    switch (vk) {
        case VK_SPACE:
            return L' ';
        case VK_RETURN:
            return L'\r';
        case VK_TAB:
            return L'\t';
        case VK_BACK:
            return 8;
        case VK_ESCAPE:
            return 27;
        case VK_DECIMAL:
            return L'.';
        case VK_OEM_MINUS:
            return shift ? L'_' : L'-';
        case VK_OEM_PLUS:
            return shift ? L'+' : L'=';
        case VK_OEM_COMMA:
            return shift ? L'<' : L',';
        case VK_OEM_PERIOD:
            return shift ? L'>' : L'.';
        case VK_OEM_2:
            return shift ? L'?' : L'/';
        default:
            return 0;
    }
}

}  // namespace

namespace user::detail {

LRESULT Send(Window* w, UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(w->proc, w->handle, msg, wp, lp);
}

}  // namespace user::detail

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* w = W(hWnd);
    return w ? Send(w, Msg, wParam, lParam) : 0;
}

BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Get();
    if (hWnd && !desktop.find(hWnd)) return FALSE;
    desktop.queue.push_back(MSG{hWnd, Msg, wParam, lParam, desktop.time, desktop.cursorPos});
    return TRUE;
}

void PostQuitMessage(int nExitCode) {
    Desktop::Get().quitPosted = true;
    Desktop::Get().quitCode = nExitCode;
}

// Posted messages come first, then WM_QUIT, then WM_PAINT for a window with an update region,
// as Windows orders them.
BOOL PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    bool remove = (wRemoveMsg & PM_REMOVE) != 0;
    bool found = TakePosted(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, remove) ||
                 TakeQuit(lpMsg, remove) || TakePaint(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax);
    if (found && remove) Desktop::Get().current = *lpMsg;
    return found ? TRUE : FALSE;
}

// With nothing queued the person acts: the scripted user's next step runs. When the script is
// exhausted the test fails; a dialog that is waiting is cancelled as Escape would (the WM_COMMAND
// IDCANCEL is the message returned), and a loop still waiting on that dialog gets WM_QUIT.
BOOL GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    auto& user = user::ScriptedUser::Get();
    static HWND cancelled = nullptr;
    while (!PeekMessageW(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE)) {
        if (user.RunNextStep()) continue;
        Desktop& desktop = Desktop::Get();
        Window* active = desktop.find(desktop.active);
        if (active && active->dialog && active->handle != cancelled) {
            user.Fail(Join("a dialog is waiting for the user but the script has no step left: \"",
                           WideToUtf8(active->text), "\""));
            cancelled = active->handle;
            HWND cancel = GetDlgItem(active->handle, IDCANCEL);
            *lpMsg = MSG{active->handle,
                         WM_COMMAND,
                         MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel),
                         desktop.time,
                         desktop.cursorPos};
            return TRUE;
        }
        if (!active || active->handle != cancelled) {
            user.Fail("GetMessage is waiting for input but the script has no step left");
        }
        *lpMsg = MSG{nullptr, WM_QUIT, 0, 0, desktop.time, desktop.cursorPos};
        return FALSE;
    }
    return lpMsg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* lpMsg) {
    if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) return FALSE;
    wchar_t ch = CharOfKey(*lpMsg);
    if (!ch) return FALSE;
    // The character goes to the head of the queue: it must arrive before the key's WM_KEYUP,
    // which the same act may already have posted.
    UINT msg = lpMsg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    LPARAM lp = lpMsg->lParam & 0xFFFFFFFF;
    auto& queue = Desktop::Get().queue;
    queue.push_front(MSG{lpMsg->hwnd, msg, static_cast<WPARAM>(ch), lp, lpMsg->time, lpMsg->pt});
    return TRUE;
}

LRESULT DispatchMessageW(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    Window* w = W(lpMsg->hwnd);
    if (!w) return 0;
    LRESULT result = Send(w, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
    // A window that ignores WM_PAINT would otherwise be asked again for ever.
    if (lpMsg->message == WM_PAINT && (w = W(lpMsg->hwnd))) {
        w->update = {};
        w->eraseNeeded = w->frameNeeded = false;
    }
    return result;
}

LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

UINT RegisterWindowMessageW(LPCWSTR lpString) {
    static std::vector<std::wstring> names;
    if (!lpString || !*lpString) return 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (CaseEqual(names[i], lpString)) return static_cast<UINT>(0xC000 + i);
    }
    names.emplace_back(lpString);
    return static_cast<UINT>(0xC000 + names.size() - 1);
}

LONG GetMessageTime() {
    return static_cast<LONG>(Desktop::Get().current.time);
}

DWORD GetMessagePos() {
    POINT pt = Desktop::Get().current.pt;
    return static_cast<DWORD>(MAKELONG(pt.x, pt.y));
}

// One thread runs the whole windowing layer.
DWORD GetCurrentThreadId() {
    return 1;
}

HHOOK SetWindowsHookExW(int idHook, HOOKPROC lpfn, HINSTANCE, DWORD) {
    if (idHook != WH_CBT) AfxNotSupported("SetWindowsHookExW with a hook other than WH_CBT");
    static UINT_PTR next = 0x100;
    HHOOK hook = reinterpret_cast<HHOOK>(next += 4);
    auto& hooks = Desktop::Get().cbtHooks;
    hooks.insert(hooks.begin(), {hook, lpfn});
    return hook;
}

BOOL UnhookWindowsHookEx(HHOOK hhk) {
    auto& hooks = Desktop::Get().cbtHooks;
    auto count = std::erase_if(hooks, [hhk](const auto& h) { return h.first == hhk; });
    return count ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam) {
    auto& hooks = Desktop::Get().cbtHooks;
    auto it =
        std::find_if(hooks.begin(), hooks.end(), [hhk](const auto& h) { return h.first == hhk; });
    if (it == hooks.end() || ++it == hooks.end()) return 0;
    return it->second(nCode, wParam, lParam);
}

void SetMessageLoopPreTranslateHook(BOOL (*hook)(MSG*)) {
    Desktop::Get().preTranslate = hook;
}
