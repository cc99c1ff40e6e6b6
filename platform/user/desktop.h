// The window manager's process-wide state: the handle table, the class registry, the message
// queue, focus, activation and capture. Internal to this library.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "user/winuser.h"
#include "win/diagnostics.h"

namespace gdi {
struct Surface;
}

namespace user::detail {

struct WindowClass {
    std::wstring name;
    ATOM atom = 0;
    WNDCLASSEXW info{};
    std::wstring menuName;
};

struct DialogState;

// Frees a dialog's state; defined with the dialog code.
struct DialogStateDeleter {
    void operator()(DialogState* state) const;
};

struct Window {
    HWND handle = nullptr;
    const WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    Window* parent = nullptr;
    Window* owner = nullptr;
    std::vector<Window*> children;  // z-order, topmost first
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    std::wstring text;
    RECT rect{};    // window rectangle in the parent's client coordinates (screen for top level)
    RECT client{};  // client rectangle relative to the window rectangle's top-left corner
    std::vector<BYTE> extra;
    HICON iconSmall = nullptr;
    HICON iconBig = nullptr;
    RECT update{};  // invalid part of the client area, client coordinates
    bool eraseNeeded = false;
    bool frameNeeded = false;
    bool trackLeave = false;
    bool ncActive = false;  // the caption is drawn active
    bool destroying = false;
    bool created = false;
    std::unique_ptr<DialogState, DialogStateDeleter> dialog;
    std::shared_ptr<gdi::Surface> surface;  // top-level windows only

    bool visible() const { return (style & WS_VISIBLE) != 0; }
    bool isChild() const { return (style & WS_CHILD) != 0 && parent != nullptr; }
};

class Desktop {
public:
    static Desktop& Get();

    Window* find(HWND hwnd) const;
    Window& add(std::unique_ptr<Window> window);
    void remove(Window* window);
    std::vector<Window*>& siblingsOf(Window* window);

    const WindowClass* findClass(LPCWSTR name, HINSTANCE instance) const;
    ATOM addClass(const WNDCLASSEXW& info);
    bool removeClass(LPCWSTR name, HINSTANCE instance);
    bool classInUse(const WindowClass* cls) const;

    std::vector<Window*> topLevel;  // z-order, topmost first
    std::deque<MSG> queue;
    bool quitPosted = false;
    int quitCode = 0;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND hover = nullptr;  // the window under the mouse
    HCURSOR cursor = nullptr;
    POINT cursorPos{};
    DWORD time = 0;       // a virtual clock in milliseconds, advanced by input
    BYTE keys[256] = {};  // 0x80 down, 0x01 toggled, as GetKeyboardState reports them
    struct {
        UINT message = 0;
        HWND hwnd = nullptr;
        POINT pt{};
        DWORD time = 0;
    } lastClick;
    MSG current{};  // the message last retrieved, for GetMessageTime/Pos
    BOOL (*preTranslate)(MSG*) = nullptr;
    std::vector<std::pair<HHOOK, HOOKPROC>> cbtHooks;  // most recent first

private:
    Desktop() = default;
    bool systemClassesReady_ = false;
    std::unordered_map<HWND, std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<WindowClass>> classes_;
    UINT_PTR nextHandle_ = 0x1000;
    ATOM nextAtom_ = 0xC000;
};

// Helpers shared by the sources of this library.
Window* W(HWND hwnd);
Window* RootOf(Window* w);  // the top-level window holding w (null for null)
LRESULT Send(Window* w, UINT msg, WPARAM wp, LPARAM lp);
POINT ClientOrigin(const Window* w);  // screen position of the client area's top-left corner
POINT WindowOrigin(const Window* w);  // screen position of the window rectangle's top-left corner
RECT NonClientInsets(DWORD style, DWORD exStyle, bool scrollBars);
bool CaseEqual(const std::wstring& a, LPCWSTR b);
void ReleaseStateOf(Window* w);
// Joins message parts; appending avoids a false -Wrestrict of GCC 12 on chained operator+.
template <class... Parts>
std::string Join(const Parts&... parts) {
    std::string joined;
    ((joined += parts), ...);
    return joined;
}
// The non-client parts, in window coordinates (relative to the window rectangle).
RECT CaptionRect(const Window* w);
RECT CloseButtonRect(const Window* w);
void PaintFrame(Window* w);
LRESULT HitTest(const Window* w, POINT screen);
HWND ActivateWindow(HWND hwnd, UINT how);  // WA_ACTIVE or WA_CLICKACTIVE  // focus, capture and
                                           // activation leave a dying window

}  // namespace user::detail
