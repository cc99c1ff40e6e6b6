// The window layer's dispatch: SendMessage to a window whose object has a three-level message
// map, beside the same message sent to a window whose procedure is a plain switch, in the same
// run, so the cost of MFC's routing reads as the difference.
#include <benchmark/benchmark.h>

#include "afx/levels.h"

namespace {

LRESULT PlainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case afxtest::kBaseOnly:
            return LRESULT(100 + wParam);
        case afxtest::kOverridden:
            return 202;
        case afxtest::kLeafOnly:
            return 303;
        default:
            return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

struct Windows {
    Windows() {
        WNDCLASSW plain{};
        plain.lpfnWndProc = &PlainProc;
        plain.lpszClassName = L"AfxBenchPlain";
        RegisterClassW(&plain);
        hPlain = ::CreateWindowExW(0, L"AfxBenchPlain", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                   nullptr, nullptr, nullptr);
        levels.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    }
    ~Windows() {
        levels.DestroyWindow();
        ::DestroyWindow(hPlain);
    }
    HWND hPlain;
    afxtest::Level3 levels;
};

Windows& TheWindows() {
    static Windows windows;
    return windows;
}

// The message found in the base class of the three: the longest walk of the map chain.
void BM_SendMessage_ThreeLevelMap(benchmark::State& state) {
    HWND hWnd = TheWindows().levels.m_hWnd;
    for (auto _ : state) benchmark::DoNotOptimize(::SendMessageW(hWnd, afxtest::kBaseOnly, 1, 0));
}
BENCHMARK(BM_SendMessage_ThreeLevelMap);

// A message no class maps: the walk ends in DefWindowProc.
void BM_SendMessage_ThreeLevelMapUnmapped(benchmark::State& state) {
    HWND hWnd = TheWindows().levels.m_hWnd;
    for (auto _ : state) benchmark::DoNotOptimize(::SendMessageW(hWnd, afxtest::kUnmapped, 1, 0));
}
BENCHMARK(BM_SendMessage_ThreeLevelMapUnmapped);

void BM_SendMessage_PlainProcedure(benchmark::State& state) {
    HWND hWnd = TheWindows().hPlain;
    for (auto _ : state) benchmark::DoNotOptimize(::SendMessageW(hWnd, afxtest::kBaseOnly, 1, 0));
}
BENCHMARK(BM_SendMessage_PlainProcedure);

}  // namespace

BENCHMARK_MAIN();
