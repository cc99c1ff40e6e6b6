// The spy parent window of the standard-control tests.
#include "controls_fixture.h"

#include "gdi/wingdi.h"

namespace {

constexpr wchar_t kSpyClass[] = L"ControlsSpyParent";

LRESULT CALLBACK spyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            ControlsTest::heard_.push_back({msg, LOWORD(wParam), HIWORD(wParam)});
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            ControlsTest::heard_.push_back({msg, static_cast<int>(header->idFrom), header->code});
            return 0;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            ControlsTest::drawItems_.push_back(*item);
            ControlsTest::heard_.push_back({msg, static_cast<int>(item->CtlID), item->itemAction});
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (!ControlsTest::staticBrush_) return DefWindowProcW(hwnd, msg, wParam, lParam);
            SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(ControlsTest::staticBrush_);
        case WM_INITMENUPOPUP:
            ControlsTest::heard_.push_back({msg, 0, 0});
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void ControlsTest::SetUp() {
    person().SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = &spyProc;
    cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    cls.lpszClassName = kSpyClass;
    RegisterClassExW(&cls);
    parent_ = CreateWindowExW(0, kSpyClass, L"Spy", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100,
                              100, 400, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    SetActiveWindow(parent_);
    heard_.clear();
    drawItems_.clear();
}

void ControlsTest::TearDown() {
    DestroyWindow(parent_);
    person().PumpMessages();
    person().Finish();
    heard_.clear();
    drawItems_.clear();
}

HWND ControlsTest::create(LPCWSTR cls, LPCWSTR text, DWORD style, RECT rect, int id,
                          DWORD exStyle) {
    HWND hwnd =
        CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, parent_,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    EXPECT_NE(hwnd, nullptr);
    return hwnd;
}

std::vector<UINT> ControlsTest::codesFrom(int id) const {
    std::vector<UINT> codes;
    for (const Heard& event : heard_) {
        if (event.message == WM_COMMAND && event.id == id) codes.push_back(event.code);
    }
    return codes;
}

std::wstring ControlsTest::textOf(HWND hwnd) const {
    wchar_t buffer[512] = {};
    GetWindowTextW(hwnd, buffer, 512);
    return buffer;
}
