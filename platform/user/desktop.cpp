#include "user/desktop.h"

#include <algorithm>
#include <cstdint>
#include <cwctype>

#if __has_include("user/controls/controls.h")
#include "user/controls/controls.h"
#define VNUSER_HAVE_CONTROLS 1
#endif

namespace user::detail {

namespace {

// The dialog class is a system class, as on Windows: every module can create dialogs with it.
void RegisterSystemClasses() {
    WNDCLASSEXW dialog{};
    dialog.cbSize = sizeof dialog;
    dialog.style = CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS;
    dialog.lpfnWndProc = DefDlgProcW;
    dialog.cbWndExtra = DLGWINDOWEXTRA;
    dialog.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
    dialog.lpszClassName = L"#32770";
    RegisterClassExW(&dialog);
#ifdef VNUSER_HAVE_CONTROLS
    RegisterStandardControlClasses();
#endif
}

}  // namespace

Desktop& Desktop::Get() {
    static Desktop desktop;
    if (!desktop.systemClassesReady_) {
        desktop.systemClassesReady_ = true;
        RegisterSystemClasses();
    }
    return desktop;
}

Window* Desktop::find(HWND hwnd) const {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second.get();
}

Window& Desktop::add(std::unique_ptr<Window> window) {
    // Handles are never reused, so a stale handle stays invalid for good.
    nextHandle_ += 4;
    window->handle = reinterpret_cast<HWND>(nextHandle_);
    Window& added = *window;
    windows_.emplace(added.handle, std::move(window));
    return added;
}

void Desktop::remove(Window* window) {
    auto& siblings = siblingsOf(window);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    windows_.erase(window->handle);
}

std::vector<Window*>& Desktop::siblingsOf(Window* window) {
    return window->isChild() ? window->parent->children : topLevel;
}

const WindowClass* Desktop::findClass(LPCWSTR name, HINSTANCE instance) const {
    const WindowClass* global = nullptr;
    for (const auto& cls : classes_) {
        bool match = IS_INTRESOURCE(name) ? cls->atom == LOWORD(reinterpret_cast<UINT_PTR>(name))
                                          : CaseEqual(cls->name, name);
        if (!match) continue;
        // A module's own (local) class wins over a global class of the same name.
        if (!(cls->info.style & CS_GLOBALCLASS) && cls->info.hInstance == instance)
            return cls.get();
        if (cls->info.style & CS_GLOBALCLASS) global = cls.get();
    }
    return global;
}

ATOM Desktop::addClass(const WNDCLASSEXW& info) {
    auto cls = std::make_unique<WindowClass>();
    cls->name = info.lpszClassName;
    cls->info = info;
    if (info.lpszMenuName && !IS_INTRESOURCE(info.lpszMenuName)) {
        cls->menuName = info.lpszMenuName;
        cls->info.lpszMenuName = cls->menuName.c_str();
    }
    cls->info.lpszClassName = cls->name.c_str();
    cls->atom = nextAtom_++;
    classes_.push_back(std::move(cls));
    return classes_.back()->atom;
}

bool Desktop::removeClass(LPCWSTR name, HINSTANCE instance) {
    const WindowClass* cls = findClass(name, instance);
    if (!cls || classInUse(cls)) return false;
    std::erase_if(classes_, [cls](const auto& c) { return c.get() == cls; });
    return true;
}

bool Desktop::classInUse(const WindowClass* cls) const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [cls](const auto& w) { return w.second->cls == cls; });
}

Window* W(HWND hwnd) {
    return Desktop::Get().find(hwnd);
}

bool CaseEqual(const std::wstring& a, LPCWSTR b) {
    std::size_t i = 0;
    for (; i < a.size(); ++i) {
        if (b[i] == 0 || std::towlower(a[i]) != std::towlower(b[i])) return false;
    }
    return b[i] == 0;
}

}  // namespace user::detail
