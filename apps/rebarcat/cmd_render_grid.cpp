// rebarcat render grid: a picture of the steel-grade editor's grid for one family of the
// bundled catalogue, filled by the module's grid transfer: two title rows (the column titles
// and the units they show), then one row per bar, largest diameter first.
#include <numeric>
#include <ostream>
#include <string>

#include "gdi/png.h"
#include "names.h"
#include "output.h"
#include "rebar/host/grid.h"
#include "rebar/host/vntl.h"
#include "rebar/vnrebarsteelgrade.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "rebar/vntransfersteelgrade.h"
#include "rebar/vntransfersteelgrade_columns.h"
#include "render.h"
#include "session.h"
#include "user/render.h"

namespace rebarcat {

namespace {

using rebar::transfer::kColumns;
constexpr int kRowTitleWidth = 20, kTitleHeight = 32, kBorder = 2;
const char kUsageText[] = "rebarcat: usage: rebarcat render grid FAMILY OUT.png [--relative]\n";

// The editor's titles, data column by data column.
constexpr UINT kTitles[kColumns] = {12001, 12002, 12024, 12003, 12004, 12005, 12006, 12007,
                                    12008, 12009, 12045, 12046, 12047, 12048, 12049};
// The unit a column shows, as the editor chooses it: the family's stored unit, else the
// drawing's length unit (weight per length for the weight, its square for the section).
CVnUnit columnUnit(CVnRebarSteelGradeCatalog& catalog, const CString& family, int col,
                   double scale) {
    CVnUnit unit;
    if (catalog.GetParameterUnit(family, rebar::transfer::numeric(col).stored, unit, scale))
        return unit;
    const CVnUnit length = *VNTLWrapperUnitManager::GetVisUnit(1, nullptr);
    if (col == 7)
        return CVnUnit::MakeUnit(VNTLWrapperUnitManager::GetVisUnit(4, nullptr), 1, &length, -1, 0);
    unit = length;
    if (col == 8) unit.SetExponent(2);
    return unit;
}

void addColumns(CVnGridCore& grid, CVnRebarSteelGradeCatalog& catalog, const CString& family,
                bool relative, double scale) {
    grid.SetNewCoordinates(2, 1);
    grid.SetRCount(0);
    grid.SetColCount(kColumns);
    grid.Initialize();
    grid.SetColumnWidth(0, kRowTitleWidth);
    grid.SetRowHeight(0, 0, kTitleHeight, nullptr, GX_INVALIDATE);
    grid.AddColumn(VnPrompts::getPrompt(kTitles[0], L"REBAR"), 1, L"ALL", 1000, L"");
    for (int c = 1; c < kColumns; ++c) {
        const bool phi = relative && rebar::transfer::isMandrel(c);
        const CVnUnit unit = phi ? *VNTLWrapperUnitManager::GetVisUnit(10, nullptr)
                                 : columnUnit(catalog, family, c, scale);
        const double minimum = c >= 10 ? 0.0 : -1.7976931348623157e+150;
        grid.AddColumn(VnPrompts::getPrompt(kTitles[c], L"REBAR"), 5, unit, minimum,
                       1.7976931348623157e+150, 0.0, DT_RIGHT);
        if (phi) grid.SetControlTextRowCol(1, ROWCOL(c + 1), L"Phi", GX_INVALIDATE);
    }
}

// The mandrels of a family that stores lengths, shown as multiples of each bar's nominal
// diameter the way the editor converts them when the user asks for it.
void showMandrelsAsMultiples(CVnGridCore& grid, const std::vector<CVnRebarSteelGrade*>& records) {
    double (CVnRebarSteelGrade::*const mandrels[])() = {
        &CVnRebarSteelGrade::etrierCadre, &CVnRebarSteelGrade::anchor, &CVnRebarSteelGrade::bend,
        &CVnRebarSteelGrade::lengthAnchor};
    for (int r = 0; r < static_cast<int>(records.size()); ++r) {
        CVnRebarSteelGrade& bar = *records[static_cast<size_t>(r)];
        for (int m = 0; m < 4; ++m) {
            const double value = (bar.*mandrels[m])();
            if (value < -1e-10 || bar.diameterNom() <= 0.0) continue;  // "-" stays
            grid.SetValue(r, 3 + m, value / bar.diameterNom());
        }
    }
}

// Every column as wide as its widest text, and the window just large enough for all rows.
CSize fitGrid(CVnGridCore& grid) {
    grid.SetColumnAutoSize(1, kColumns);
    const std::vector<int> widths = grid.GetArrayWithColWidths(0, kColumns);
    int height = 0;
    for (ROWCOL r = 0; r <= grid.GetRowCount(); ++r) height += grid.GetRowHeight(r);
    return CSize(std::accumulate(widths.begin(), widths.end(), 0) + kBorder, height + kBorder);
}

}  // namespace

int renderGrid(Arguments& arguments, std::ostream& out, std::ostream& err) {
    bool relative = arguments.flag("relative");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    const auto& rest = arguments.rest();
    if (rest.size() != 3) {
        err << kUsageText;
        return kUsage;
    }
    HostSession session(std::nullopt);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    const CString family = resolveFamily(catalog, rest[1]);
    if (!catalog.FindSteelgradeFamily(family)) {
        err << "rebarcat: no family '" << rest[1] << "' in the catalogue\n";
        return kNotFound;
    }
    // The editor opens a fixed-diameter family with its mandrels as multiples of the diameter.
    const bool fixedDiameter = catalog.CheckSteelgradeFamilyForFixedDiameter(family);
    relative = relative || fixedDiameter;
    const double scale = VNTLWrapperUnitManager::GetMetricsFactor(nullptr);

    CWnd parent;
    parent.CreateEx(0, nullptr, L"rebarcat", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                    nullptr);
    HWND hGrid = ::CreateWindowExW(0, L"GXWND", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 100,
                                   100, parent.m_hWnd, HMENU(1109), nullptr, nullptr);
    bool written = false;
    {
        CGXGridHandleWnd gridWnd;
        gridWnd.SubclassWindow(hGrid);
        auto* grid = new CVnGridCore(&gridWnd, &parent);
        gridWnd.AttachGrid(grid);
        gridWnd.Initialize();
        addColumns(*grid, catalog, family, relative, scale);
        CVnTransferSteelGrade transfer(grid, &catalog, family, scale);
        grid->SetGridTransfert(&transfer);
        std::vector<CVnRebarSteelGrade*> records;
        transfer.Load(true, &records);
        if (relative && !fixedDiameter) showMandrelsAsMultiples(*grid, records);
        const CSize size = fitGrid(*grid);
        parent.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        gridWnd.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        written = gdi::WritePng(RenderWindow(parent.m_hWnd), rest[2]);
        grid->SetGridTransfert(nullptr);
        gridWnd.DestroyWindow();
    }
    return finishPicture(parent, written, rest[2], out, err);
}

}  // namespace rebarcat
