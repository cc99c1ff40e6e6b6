// The registry that ties control windows to their objects, and the base's shared answers.
#include "user/controls/controlwindow.h"

#include <unordered_map>

#include "user/controls/paintkit.h"

namespace user::controls {
namespace {

std::unordered_map<HWND, std::unique_ptr<ControlWindow>>& controls() {
    static std::unordered_map<HWND, std::unique_ptr<ControlWindow>> registry;
    return registry;
}

}  // namespace

void adoptControl(HWND hwnd, std::unique_ptr<ControlWindow> control) {
    controls()[hwnd] = std::move(control);
}

ControlWindow* findControl(HWND hwnd) {
    auto found = controls().find(hwnd);
    return found == controls().end() ? nullptr : found->second.get();
}

void dropControl(HWND hwnd) {
    controls().erase(hwnd);
}

RECT ControlWindow::clientRect() const {
    RECT rect{};
    GetClientRect(m_hwnd, &rect);
    return rect;
}

std::wstring ControlWindow::text() const {
    int length = GetWindowTextLengthW(m_hwnd);
    std::wstring result(static_cast<std::size_t>(length) + 1, L'\0');
    result.resize(static_cast<std::size_t>(GetWindowTextW(m_hwnd, result.data(), length + 1)));
    return result;
}

void ControlWindow::notifyParent(UINT code) const {
    HWND parent = GetParent(m_hwnd);
    if (!parent) return;
    WPARAM wParam = MAKEWPARAM(GetDlgCtrlID(m_hwnd), code);
    SendMessageW(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(m_hwnd));
}

bool ControlWindow::handlePaint(UINT msg, WPARAM wParam, LRESULT& result) {
    if (msg == WM_PAINT) {
        PaintScope scope(m_hwnd, wParam);
        paint(scope.dc());
    } else if (msg != WM_ERASEBKGND) {
        return false;
    }
    result = msg == WM_ERASEBKGND ? 1 : 0;
    return true;
}

bool ControlWindow::handleFont(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_GETFONT) {
        result = reinterpret_cast<LRESULT>(m_font);
    } else if (msg == WM_SETFONT) {
        m_font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) invalidate();
        result = 0;
    } else {
        return false;
    }
    return true;
}

}  // namespace user::controls
