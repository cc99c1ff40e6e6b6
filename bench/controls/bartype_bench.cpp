// The bar-type combo on a catalogue of 200 families of 60 bars: a dialog making the control
// and filling its steel-grade list (which reads the diameters of every family), and a change
// of family once those diameters are cached, the step a person waits for after each pick
// (goal: 1 ms).
#include <benchmark/benchmark.h>

#include "cad/hostsession.h"
#include "catalogfiles.h"
#include "rebar/vnbartypesmartcombobox.h"
#include "vntl/vnprojectsettings.h"
#include "vntl/vntlconfigtools.h"

namespace {

constexpr int kWidth = 360, kHeight = 24;

// A drawing bound to the generated catalogue, and a window to hold the controls.
struct Host {
    Host() {
        bench::writeGeneratedCatalog(folder / "Large.mdb", bench::GeneratedShape{});
        cadhost::reset();
        VNTLConfigTools::SetCatalogFile(L"Bars", CString((folder / "Large.mdb").c_str()));
        VnProjectSettings::Register();
        cadhost::createDocument(L"bench.dwg");
        CVnBarTypeSmartComboBox::RegisterWndClass(AfxGetInstanceHandle());
        parent.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr);
    }
    ~Host() {
        parent.DestroyWindow();
        cadhost::reset();
    }
    bench::ScratchFolder folder;
    CWnd parent;
};

Host& TheHost() {
    static Host host;
    return host;
}

// A control made through the host's own object and filled with every family.
CVnBarTypeSmartComboBox* makeFilled() {
    auto* control = new CVnBarTypeSmartComboBox;
    control->CreateEx(0, L"CVNBARTYPESMARTCOMBOBOX", L"", WS_CHILD | WS_VISIBLE,
                      CRect(0, 0, kWidth, kHeight), &TheHost().parent, 100);
    control->FillComboSteelgradeFromDatabase(L"");
    return control;
}

void BM_BarType_CreateAndFillEveryFamily(benchmark::State& state) {
    for (auto _ : state) {
        CVnBarTypeSmartComboBox* control = makeFilled();
        benchmark::DoNotOptimize(control->GetCurSelSteelgrade());
        control->DestroyWindow();  // the control deletes itself
    }
}
BENCHMARK(BM_BarType_CreateAndFillEveryFamily)->Unit(benchmark::kMillisecond);

// Two families taken in turn, so that every step is a real change.
void BM_BarType_FamilyChangeWarm(benchmark::State& state) {
    CVnBarTypeSmartComboBox* control = makeFilled();
    CStringList families;
    int unused = 0;
    control->GetStringComboSteelgrade(families, unused, 0, 0);
    const CString first = families.GetHead(), second = families.GetTail();
    control->SetCurSelSteelgrade(first);
    bool toSecond = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(control->SetCurSelSteelgrade(toSecond ? second : first));
        toSecond = !toSecond;
    }
    control->DestroyWindow();
}
BENCHMARK(BM_BarType_FamilyChangeWarm)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
