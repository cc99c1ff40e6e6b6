// The drawing layer's speed on what dialogs do most: measuring labels, copying the details
// bitmap (722 x 205) onto a window, and painting a dialog-sized surface.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "gdi/surface.h"
#include "gdi/wingdi.h"

namespace {

HDC surfaceDC(int w, int h) {
    return gdi::CreateDCOnSurface(std::make_shared<gdi::Surface>(w, h), POINT{0, 0},
                                  RECT{0, 0, w, h});
}

// A 20-character label with the dialog font, glyphs already cached.
void BM_MeasureLabelWarm(benchmark::State& state) {
    HDC dc = surfaceDC(1, 1);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring label = L"Diamètre du mandrin:";
    SIZE size{};
    for (auto _ : state) {
        GetTextExtentPoint32W(dc, label.c_str(), int(label.size()), &size);
        benchmark::DoNotOptimize(size);
    }
    DeleteDC(dc);
}
BENCHMARK(BM_MeasureLabelWarm);

void BM_BitBltDetailsBitmap(benchmark::State& state) {
    HDC window = surfaceDC(760, 240);
    HDC mem = CreateCompatibleDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(window, 722, 205);
    HGDIOBJ old = SelectObject(mem, bitmap);
    for (auto _ : state)
        BitBlt(window, 19, 17, 722, 205, mem, 0, 0, static_cast<DWORD>(state.range(0)));
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    DeleteDC(window);
}
BENCHMARK(BM_BitBltDetailsBitmap)->Arg(SRCCOPY)->Arg(SRCAND)->Arg(SRCINVERT);

// A 600 x 400 dialog: background, 60 framed fields with labels, edges and focus rectangles.
void BM_PaintDialogSurface(benchmark::State& state) {
    HDC dc = surfaceDC(600, 400);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    RECT all{0, 0, 600, 400};
    for (auto _ : state) {
        FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
        for (int i = 0; i < 60; ++i) {
            int x = 10 + (i % 3) * 195, y = 10 + (i / 3) * 19;
            RECT label{x, y, x + 80, y + 16};
            DrawTextW(dc, L"&Nuance d'aciers :", -1, &label, DT_SINGLELINE | DT_VCENTER);
            RECT field{x + 82, y, x + 190, y + 17};
            DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE);
            DrawFocusRect(dc, &field);
            MoveToEx(dc, x, y + 17, nullptr);
            LineTo(dc, x + 190, y + 17);
        }
    }
    DeleteDC(dc);
}
BENCHMARK(BM_PaintDialogSurface);

}  // namespace

BENCHMARK_MAIN();
