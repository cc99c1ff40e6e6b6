// The base of every standard control's implementation: one C++ object per control window,
// created when the window receives WM_NCCREATE and destroyed after WM_NCDESTROY, reached from
// the class's window procedure. Internal to the windowing library.
#pragma once

#include <memory>
#include <string>

#include "gdi/wingdi.h"
#include "user/controls/wincontrols.h"
#include "user/winuser.h"

namespace user::controls {

class ControlWindow {
public:
    explicit ControlWindow(HWND hwnd) : m_hwnd(hwnd) {}
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;
    virtual ~ControlWindow() = default;

    virtual LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;

    HWND hwnd() const { return m_hwnd; }

protected:
    LRESULT defaultProc(UINT msg, WPARAM wParam, LPARAM lParam) const {
        return DefWindowProcW(m_hwnd, msg, wParam, lParam);
    }
    DWORD style() const { return static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_STYLE)); }
    bool enabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    bool focused() const { return GetFocus() == m_hwnd; }
    RECT clientRect() const;
    std::wstring text() const;
    void invalidate() const { InvalidateRect(m_hwnd, nullptr, TRUE); }
    // WM_COMMAND to the parent: MAKEWPARAM(control id, code), lParam this control.
    void notifyParent(UINT code) const;
    // WM_SETFONT and WM_GETFONT, which every control answers alike; false for other messages.
    bool handleFont(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WM_PAINT (into the DC in wParam when one is given) through paint(), and WM_ERASEBKGND
    // answered as done: every control paints its whole client area itself. False for other
    // messages.
    bool handlePaint(UINT msg, WPARAM wParam, LRESULT& result);
    virtual void paint(HDC dc) = 0;
    HFONT font() const { return m_font; }

private:
    HWND m_hwnd;
    HFONT m_font = nullptr;
};

void adoptControl(HWND hwnd, std::unique_ptr<ControlWindow> control);
ControlWindow* findControl(HWND hwnd);
void dropControl(HWND hwnd);

// The control object of a window of class T, or null when the window is of another class.
template <class T>
T* controlOf(HWND hwnd) {
    return dynamic_cast<T*>(findControl(hwnd));
}

// The window procedure of a class whose windows are driven by objects of type T.
template <class T>
LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) adoptControl(hwnd, std::make_unique<T>(hwnd));
    ControlWindow* control = findControl(hwnd);
    if (!control) return DefWindowProcW(hwnd, msg, wParam, lParam);
    LRESULT result = control->onMessage(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) dropControl(hwnd);
    return result;
}

}  // namespace user::controls
