// Speed of the windowing layer: SendMessageW to a plain window procedure, beside calling the
// same procedure directly; creating and destroying a dialog of twenty controls from a template.
#include <benchmark/benchmark.h>

#include "user/dialogbuilder.h"
#include "user/winuser.h"

namespace {

LRESULT CALLBACK Counter(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_USER) return static_cast<LRESULT>(wp + 1);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND CounterWindow() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW cls{0,       &Counter, 0,       0,       nullptr,
                      nullptr, nullptr,  nullptr, nullptr, L"BenchCounter"};
        registered = RegisterClassW(&cls) != 0;
    }
    return CreateWindowExW(0, L"BenchCounter", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           nullptr, nullptr);
}

void SendMessageToProcedure(benchmark::State& state) {
    HWND w = CounterWindow();
    WPARAM n = 0;
    for (auto _ : state) n = static_cast<WPARAM>(SendMessageW(w, WM_USER, n, 0));
    benchmark::DoNotOptimize(n);
    DestroyWindow(w);
}
BENCHMARK(SendMessageToProcedure);

void CallProcedureDirectly(benchmark::State& state) {
    HWND w = CounterWindow();
    WPARAM n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(&Counter);
        n = static_cast<WPARAM>(Counter(w, WM_USER, n, 0));
    }
    benchmark::DoNotOptimize(n);
    DestroyWindow(w);
}
BENCHMARK(CallProcedureDirectly);

// The standard controls when the library has them, the test controls otherwise.
DialogBuilder TwentyControls() {
    WNDCLASSW probe;
    bool standard =
        GetClassInfoW(nullptr, L"Button", &probe) && GetClassInfoW(nullptr, L"Edit", &probe);
    if (!standard) RegisterTestControls();
    DialogBuilder b(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, {0, 0, 300, 220},
                    L"Bügelformen");
    for (int i = 0; i < 10; ++i) {
        short y = static_cast<short>(7 + 20 * i);
        b.item(standard ? L"Static" : L"TestButton", L"Länge", WS_VISIBLE, {7, y, 60, 10}, 100 + i);
        b.item(standard ? L"Edit" : L"TestEdit", L"12.5", WS_VISIBLE | WS_TABSTOP | WS_BORDER,
               {70, y, 120, 14}, 200 + i);
    }
    return b;
}

void CreateAndDestroyDialogOfTwentyControls(benchmark::State& state) {
    DialogBuilder dialog = TwentyControls();
    for (auto _ : state) {
        HWND dlg = CreateDialogIndirectParamW(nullptr, dialog.get(), nullptr, nullptr, 0);
        DestroyWindow(dlg);
    }
}
BENCHMARK(CreateAndDestroyDialogOfTwentyControls)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
