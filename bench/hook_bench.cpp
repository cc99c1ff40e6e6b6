// Times the hook questions of a drawing on the bundled catalogue: the first one, which reads
// every hook table (and the units) into the drawing's caches, and the ones after it, which are
// answered from those caches.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "cad/hostsession.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "vntl/vntlconfigtools.h"
#include "win/module.h"

namespace {

const double kRightAngle = 3.141592653589793 / 2.0;
// A #5 bar (0.625 in) bent 90 degrees has a 12 db extension: 7.5 in, in metres.
const double kExpectedHook = 0.1905;

bool askHook(CVnRebarSteelGradeCatalog& catalog, double& length) {
    return catalog.getDefaultHookLength(kRightAngle, L"ACI", L"Grade 60", L"0.625", length, 1.0) ==
           1;
}

bool askMinimal(CVnRebarSteelGradeCatalog& catalog, double& length) {
    return catalog.getMinimalHookLength(kRightAngle, L"BS 8666 2005", L"B500B", L"12", length,
                                        L"Standard", 1.0) == 1;
}

bool askUnfoldWithoutAngle(CVnRebarSteelGradeCatalog& catalog, double& length) {
    return catalog.getDefaultUnfoldLength(L"NF P 02-016", L"FE500 HA", L"25", length, 1.0) == 1;
}

// Figures for a wrong answer measure nothing: check it before timing.
bool skipWhenWrong(benchmark::State& state, CVnRebarSteelGradeCatalog& catalog) {
    double length = 0.0;
    if (askHook(catalog, length) && std::fabs(length - kExpectedHook) < 1e-9) return false;
    state.SkipWithError("the catalogue does not give the ACI #5 hook of 7.5 in");
    return true;
}

// The first question in a drawing: its caches are dropped each time, so every iteration
// reads all twenty hook tables and the units again. The container stays attached to the same
// file, so what it keeps decoded from the previous iteration serves this one: a second drawing
// on a catalogue already in use.
void firstQuery(benchmark::State& state, CVnRebarSteelGradeCatalog* catalog) {
    if (skipWhenWrong(state, *catalog)) return;
    for (auto _ : state) {
        CVnRebarSteelGradeCatalog::clearMaps(nullptr);
        double length = 0.0;
        bool found = askHook(*catalog, length);
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(length);
    }
}

// The first question after the catalogue file was attached: as above, but the file is attached
// again (untimed) before each question, so nothing read from it before can serve it.
void firstQueryAfterOpen(benchmark::State& state, CVnRebarSteelGradeCatalog* catalog) {
    if (skipWhenWrong(state, *catalog)) return;
    const CString path = catalog->GetDBPath();
    for (auto _ : state) {
        state.PauseTiming();
        const bool attached = catalog->SetDBPath(path);
        CVnRebarSteelGradeCatalog::clearMaps(nullptr);
        state.ResumeTiming();
        if (!attached) {
            state.SkipWithError("the catalogue file could not be attached again");
            break;
        }
        double length = 0.0;
        bool found = askHook(*catalog, length);
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(length);
    }
}

template <bool (*Ask)(CVnRebarSteelGradeCatalog&, double&)>
void warmQuery(benchmark::State& state, CVnRebarSteelGradeCatalog* catalog) {
    if (skipWhenWrong(state, *catalog)) return;
    for (auto _ : state) {
        double length = 0.0;
        bool found = Ask(*catalog, length);
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(length);
    }
}

int runBenchmarks() {
    VNTLConfigTools::SetCatalogFile(L"Bars", CString(REBAR_BUNDLED_CATALOG));
    cadhost::createDocument(L"hooks.dwg");
    auto catalog = std::make_unique<CVnRebarSteelGradeCatalog>();
    if (catalog->GetDBPath().IsEmpty()) {
        std::fprintf(stderr, "hook_bench: cannot open %s\n", REBAR_BUNDLED_CATALOG);
        return 1;
    }
    double length = 0.0;
    if (!askHook(*catalog, length) || std::fabs(length - kExpectedHook) >= 1e-9) {
        std::fprintf(stderr, "hook_bench: the catalogue does not give the ACI #5 hook of 7.5 in\n");
        return 1;
    }
    const auto us = benchmark::kMicrosecond;
    benchmark::RegisterBenchmark("Hook/FirstQueryAfterOpen", firstQueryAfterOpen, catalog.get())
        ->Unit(us);
    benchmark::RegisterBenchmark("Hook/FirstQueryLoadsTables", firstQuery, catalog.get())->Unit(us);
    benchmark::RegisterBenchmark("Hook/WarmHookLength", warmQuery<askHook>, catalog.get())
        ->Unit(us);
    benchmark::RegisterBenchmark("Hook/WarmUnfoldLengthNoAngle", warmQuery<askUnfoldWithoutAngle>,
                                 catalog.get())
        ->Unit(us);
    benchmark::RegisterBenchmark("Hook/WarmMinimalHookLength", warmQuery<askMinimal>, catalog.get())
        ->Unit(us);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // As the CAD host does: the module's entry point runs before any catalogue is made.
    HMODULE module = LoadLibraryW(L"librebar.so");
    if (!module) {
        std::fprintf(stderr, "hook_bench: cannot load librebar.so\n");
        return 1;
    }
    cadhost::reset();
    int status = runBenchmarks();  // its catalogue closes the drawing's container on the way out
    cadhost::reset();
    benchmark::Shutdown();
    FreeLibrary(module);
    return status;
}
