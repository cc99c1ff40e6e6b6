// The grid at the size of a large steel-grade family: filling rows x 15 columns of values
// behind the update lock, and one full repaint of the part a 430 x 300 window shows. Both are
// measured at several row counts so that their growth with the rows reads from one run (the
// goals for 1,000 rows: fill within 50 ms, repaint within 10 ms).
#include <benchmark/benchmark.h>

#include "grid/gxgridwnd.h"
#include "gridbench.h"

namespace {

constexpr ROWCOL kColumns = 15;

struct Screen {
    Screen() {
        parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 460, 330, nullptr, nullptr);
        grid.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 440, 310), &parent, 1109);
        grid.Initialize();
    }
    ~Screen() {
        grid.DestroyWindow();
        parent.DestroyWindow();
    }
    CWnd parent;
    CGXGridWnd grid;
};

Screen& TheScreen() {
    static Screen screen;
    return screen;
}

// Titles in two rows, then one row per bar: a name and 14 numbers.
void fill(CGXGridCore& grid, ROWCOL rows) {
    BOOL wasLocked = grid.LockUpdate(TRUE);
    grid.SetFrozenRows(1, 1);
    grid.SetRowCount(0);
    grid.SetColCount(kColumns);
    grid.SetRowCount(rows + 1);
    for (ROWCOL c = 1; c <= kColumns; ++c)
        grid.SetValueRange(CGXRange(0, c), L"Mandrin\nAncrage (B)");
    for (ROWCOL r = 2; r <= rows + 1; ++r) {
        CString name;
        name.Format(L"HA%u", r);
        grid.SetValueRange(CGXRange(r, 1), name);
        for (ROWCOL c = 2; c <= kColumns; ++c) grid.SetValueRange(CGXRange(r, c), 0.5 * r + c);
    }
    grid.LockUpdate(wasLocked);
}

void BM_FillRows(benchmark::State& state) {
    CGXGridWnd& grid = TheScreen().grid;
    for (auto _ : state) fill(grid, static_cast<ROWCOL>(state.range(0)));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FillRows)->Apply(familySizes);

void BM_RepaintVisible(benchmark::State& state) {
    CGXGridWnd& grid = TheScreen().grid;
    fill(grid, static_cast<ROWCOL>(state.range(0)));
    grid.SetTopRow(static_cast<ROWCOL>(state.range(0)) / 2);
    repaintEachIteration(state, grid);
}
BENCHMARK(BM_RepaintVisible)->Apply(familySizes);

}  // namespace

BENCHMARK_MAIN();
