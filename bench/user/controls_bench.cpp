// The standard controls at work: filling a combo box and searching it (the time should grow
// linearly with the number of items), and painting a dialog-sized window of twenty controls.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "gdi/wingdi.h"
#include "user/controls/wincontrols.h"
#include "user/render.h"
#include "user/winuser.h"

namespace {

HWND makeParent(int width, int height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof(cls);
        cls.lpfnWndProc = &DefWindowProcW;
        cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        cls.lpszClassName = L"ControlsBenchParent";
        RegisterClassExW(&cls);
        registered = true;
    }
    return CreateWindowExW(0, L"ControlsBenchParent", L"Bench", WS_POPUP | WS_VISIBLE, 0, 0, width,
                           height, nullptr, nullptr, nullptr, nullptr);
}

HWND child(HWND parent, LPCWSTR cls, LPCWSTR text, DWORD style, int x, int y, int w, int h,
           int id) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

// N CB_ADDSTRING, then N CB_FINDSTRINGEXACT of items spread over the list.
void BM_ComboAddThenFindExact(benchmark::State& state) {
    int count = static_cast<int>(state.range(0));
    std::vector<std::wstring> texts;
    for (int i = 0; i < count; ++i) texts.push_back(L"Bar HA" + std::to_wstring(i * 7919 % 100000));
    HWND parent = makeParent(300, 300);
    for (auto _ : state) {
        HWND combo = child(parent, WC_COMBOBOXW, L"",
                           CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL, 10, 10, 200, 200, 1);
        for (const std::wstring& text : texts) {
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        for (int i = 0; i < count; ++i) {
            const std::wstring& text = texts[static_cast<std::size_t>(i * 31 % count)];
            benchmark::DoNotOptimize(SendMessageW(combo, CB_FINDSTRINGEXACT,
                                                  static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(text.c_str())));
        }
        DestroyWindow(combo);
    }
    DestroyWindow(parent);
    state.SetComplexityN(count);
}
BENCHMARK(BM_ComboAddThenFindExact)
    ->Arg(1000)
    ->Arg(10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// A 600 x 400 window holding twenty standard controls, painted whole into a picture.
void BM_PaintDialogOfTwentyControls(benchmark::State& state) {
    HWND parent = makeParent(600, 400);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    std::vector<HWND> controls;
    for (int row = 0; row < 5; ++row) {
        int y = 10 + row * 75;
        controls.push_back(
            child(parent, WC_STATICW, L"&Nuance d'aciers :", SS_LEFT, 10, y, 130, 20, 100 + row));
        HWND combo = child(parent, WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL, 150, y, 140,
                           200, 200 + row);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"FE500 HA"));
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
        controls.push_back(combo);
        controls.push_back(child(parent, WC_EDITW, L"12.5", ES_AUTOHSCROLL | WS_BORDER, 300, y, 120,
                                 22, 300 + row));
        controls.push_back(
            child(parent, WC_BUTTONW, row % 2 ? L"&Ajouter..." : L"En fonction du &diamètre",
                  row % 2 ? BS_PUSHBUTTON : BS_AUTORADIOBUTTON, 430, y, 150, 24, 400 + row));
    }
    for (HWND control : controls)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (auto _ : state) {
        gdi::Surface picture = RenderWindow(parent);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
    DestroyWindow(parent);
}
BENCHMARK(BM_PaintDialogOfTwentyControls)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
