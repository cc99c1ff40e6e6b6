#include "user/userfixture.h"

#include <algorithm>

std::string UserTest::nameOf(HWND hwnd) {
    auto it = names_.find(hwnd);
    return it == names_.end() ? "?" : it->second;
}

const char* UserTest::messageName(UINT message) {
    static const std::map<UINT, const char*> kNames = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_PAINT, "WM_PAINT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
        {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
        {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_NCACTIVATE, "WM_NCACTIVATE"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_CANCELMODE, "WM_CANCELMODE"},
        {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
        {WM_USER, "WM_USER"}};
    auto it = kNames.find(message);
    return it == kNames.end() ? "other" : it->second;
}

LRESULT CALLBACK UserTest::spyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!names_.count(hwnd)) names_[hwnd] = pendingName_;
    heard_.push_back({nameOf(hwnd), msg, wParam, lParam});
    auto it = answers_.find(msg);
    if (it != answers_.end()) return it->second;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void UserTest::SetUp() {
    heard_.clear();
    answers_.clear();
    names_.clear();
    failures_.clear();
    person().SetFailureHandler([](const std::string& message) { failures_.push_back(message); });
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = &spyProc;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    cls.lpszClassName = kSpyClass;
    RegisterClassExW(&cls);
}

void UserTest::TearDown() {
    answers_.clear();
    for (HWND top = GetTopWindow(nullptr); top; top = GetTopWindow(nullptr)) DestroyWindow(top);
    person().Finish();
    person().SetFailureHandler(nullptr);
    UnregisterClassW(kSpyClass, nullptr);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    for (const auto& failure : failures_) ADD_FAILURE() << "scripted user: " << failure;
}

HWND UserTest::spy(const std::string& name, DWORD style, RECT rect, HWND parent, int id,
                   DWORD exStyle) {
    pendingName_ = name;
    if (!parent && !(style & WS_CHILD)) style |= WS_POPUP;
    auto* menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    return CreateWindowExW(exStyle, kSpyClass, L"", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, menu, nullptr,
                           nullptr);
}

std::vector<std::string> UserTest::log(const std::vector<UINT>& only) const {
    std::vector<std::string> out;
    for (const Heard& h : heard_) {
        if (!only.empty() && std::find(only.begin(), only.end(), h.message) == only.end()) continue;
        out.push_back(h.window + ":" + messageName(h.message));
    }
    return out;
}

std::wstring UserTest::typed() const {
    std::wstring out;
    for (const Heard& h : heard_) {
        if (h.message == WM_CHAR) out += static_cast<wchar_t>(h.wParam);
    }
    return out;
}
