#pragma once

// What both grid benchmarks share: the family sizes they run at and the repaint they time.

#include <benchmark/benchmark.h>

#include "grid/gxgridwnd.h"

// A small, a usual and a very large family, timed in milliseconds, with the growth fitted.
inline void familySizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Complexity();
}

// Each iteration repaints what the window shows, as after a scroll or an uncovering.
inline void repaintEachIteration(benchmark::State& state, CWnd& window) {
    for (auto _ : state) {
        window.Invalidate(FALSE);
        window.UpdateWindow();
    }
    state.SetComplexityN(state.range(0));
}
