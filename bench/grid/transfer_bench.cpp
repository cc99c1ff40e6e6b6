// The steel-grade editor's grid transfer on a generated family of 250, 1,000 and 4,000 bars:
// Load (every bar read from the catalogue and shown in 15 columns through the columns' units)
// and one full repaint of the part of the grid a 620 x 220 window shows. Both are measured at
// several sizes so that their growth with the bars reads from one run (goals for 1,000 bars:
// load within 50 ms, repaint within 10 ms).
#include <benchmark/benchmark.h>

#include <memory>

#include "cad/hostsession.h"
#include "catalogfiles.h"
#include "gridbench.h"
#include "rebar/host/grid.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "rebar/vntransfersteelgrade.h"
#include "rebar/vntransfersteelgrade_columns.h"
#include "vntl/vnprojectsettings.h"
#include "vntl/vntlconfigtools.h"

namespace {

// One drawing per family size, bound to a catalogue holding one family of that many bars, and
// the editor's grid with its columns.
struct Screen {
    explicit Screen(int bars) {
        bench::writeGeneratedCatalog(folder / "Large.mdb", bench::GeneratedShape{1, bars});
        cadhost::reset();
        VNTLConfigTools::SetCatalogFile(L"Bars", CString((folder / "Large.mdb").c_str()));
        VnProjectSettings::Register();
        cadhost::createDocument(L"bench.dwg");
        family = CString(bench::generatedFamilyName(0).c_str());
        catalog = std::make_unique<CVnRebarSteelGradeCatalog>();
        parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 640, 240, nullptr, nullptr);
        HWND hGrid = ::CreateWindowExW(0, L"GXWND", L"", WS_CHILD | WS_VISIBLE, 10, 10, 620, 220,
                                       parent.m_hWnd, HMENU(1109), nullptr, nullptr);
        gridWnd.SubclassWindow(hGrid);
        gridWnd.AttachGrid(grid = new CVnGridCore(&gridWnd, &parent));
        gridWnd.Initialize();
        grid->SetNewCoordinates(2, 1);
        grid->SetColCount(15);
        grid->Initialize();
        grid->AddColumn(L"Nom", 1, L"ALL", 1000, L"");
        for (int c = 1; c < rebar::transfer::kColumns; ++c) {
            const wchar_t* column = rebar::transfer::numeric(c).stored;
            CVnUnit unit;
            catalog->GetParameterUnit(family, column, unit, 1.0);
            grid->AddColumn(column, 5, unit, -1.7976931348623157e+150, 1.7976931348623157e+150, 0.0,
                            DT_RIGHT);
        }
        transfer = std::make_unique<CVnTransferSteelGrade>(grid, catalog.get(), family, 1.0);
        grid->SetGridTransfert(transfer.get());
    }
    ~Screen() {
        transfer.reset();
        gridWnd.DestroyWindow();
        parent.DestroyWindow();
        catalog.reset();
        cadhost::reset();
    }
    bench::ScratchFolder folder;
    CString family;
    std::unique_ptr<CVnRebarSteelGradeCatalog> catalog;
    CWnd parent;
    CGXGridHandleWnd gridWnd;
    CVnGridCore* grid = nullptr;
    std::unique_ptr<CVnTransferSteelGrade> transfer;
};

// One drawing at a time: the host has one current document.
Screen& TheScreen(int bars) {
    static std::unique_ptr<Screen> screen;
    static int shown = 0;
    if (!screen || shown != bars) {
        screen.reset();
        screen = std::make_unique<Screen>(bars);
        shown = bars;
    }
    return *screen;
}

void BM_TransferLoad(benchmark::State& state) {
    Screen& screen = TheScreen(static_cast<int>(state.range(0)));
    for (auto _ : state) screen.transfer->Load(true, nullptr);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TransferLoad)->Apply(familySizes);

void BM_TransferRepaintVisible(benchmark::State& state) {
    Screen& screen = TheScreen(static_cast<int>(state.range(0)));
    screen.transfer->Load(true, nullptr);
    screen.grid->SetTopRow(static_cast<ROWCOL>(state.range(0)) / 2);
    repaintEachIteration(state, screen.gridWnd);
}
BENCHMARK(BM_TransferRepaintVisible)->Apply(familySizes);

}  // namespace

BENCHMARK_MAIN();
