// Writing grid rows back into the catalogue: one edited row, every row, and removals.
#include <algorithm>
#include <memory>

#include "rebar/host/gui.h"
#include "rebar/host/vntl.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "rebar/vntransfersteelgrade.h"
#include "rebar/vntransfersteelgrade_columns.h"

using namespace rebar::transfer;

namespace {

const wchar_t kModule[] = L"REBAR";
constexpr UINT kBarInUse = 12031;

// Sets the grid's update lock for a bulk change and gives the saved state back at the end.
class BulkChange {
public:
    explicit BulkChange(CVnGridCore* grid) : m_param(grid->GetParam()) {
        m_saved = m_param->m_bLockUpdate;
        m_param->m_bLockUpdate = 1;
    }
    void restore() { m_param->m_bLockUpdate = m_saved; }

private:
    CGXGridParam* m_param;
    int m_saved;
};

// A cell's text as the unit parser takes it: "-" is the value not given.
CString cellText(CVnGridCore* grid, int row, int col) {
    CString text = grid->GetValueAsString(row, col);
    return text == L"-" ? CString(L"-1") : text;
}

CVnUnit* columnUnit(CVnGridCore* grid, int col) {
    const CVnGridColumn* column = grid->GetGridColumn(col);
    return column ? column->m_pUnit : nullptr;
}

}  // namespace

void CVnTransferSteelGrade::StoreRow(int row) {
    BulkChange bulk(m_pGrid);
    const int count = std::min(m_pGrid->GetCCount(), kColumns);
    std::vector<bool> modified = m_modifiedColumns;
    modified.resize(static_cast<size_t>(std::max(count, 1)), false);
    const bool renamed = modified[0];
    const CString name = renamed && row < m_loadedNames.GetSize()
                             ? m_loadedNames[row]
                             : m_pGrid->GetValueAsString(row, 0);
    bool found = false;
    auto record = std::make_unique<CVnRebarSteelGrade>();
    if (m_pCatalog) *record = m_pCatalog->GetSteelgrade(name, m_family, m_scale, found);
    if (!found) {
        record->setFamily(m_family);
        record->setName(name);
        for (int c = 1; c < count; ++c) modified[static_cast<size_t>(c)] = true;
    } else if (renamed) {
        record->setName(m_pGrid->GetValueAsString(row, 0));
    }
    double nominal = 0.0;
    for (int c = 1; c < count; ++c)
        storeColumn(*record, row, c, modified[static_cast<size_t>(c)], nominal);
    storeRecord(name, *record);
    bulk.restore();
    m_pGrid->Redraw(GX_UPDATENOW, TRUE);
}

void CVnTransferSteelGrade::storeColumn(CVnRebarSteelGrade& record, int row, int col, bool modified,
                                        double& nominal) {
    const NumericColumn& column = numeric(col);
    const bool relative = m_displayType != 1;
    double value = (record.*column.get)();
    if (col == kWeight) value *= m_scale;
    if (m_pGrid->GetGridColumn(1) && modified) {
        CVnUnit plain;
        CVnUnit* unit = columnUnit(m_pGrid, col);
        value = (unit ? *unit : plain).String2Double(cellText(m_pGrid, row, col), nullptr, 1);
        if (relative && isMandrel(col)) value *= nominal;
    }
    if (col != 1 && value < kNotGivenBelow) {
        (record.*column.set)(column.notGiven);
        return;
    }
    // A relative mandrel typed here is a multiple of the nominal diameter already stored in
    // this pass, so it is in the stored unit already.
    if (!(relative && modified && isMandrel(col))) value = toStored(col, value);
    (record.*column.set)(value);
    if (col == 1) nominal = value;
}

double CVnTransferSteelGrade::toStored(int col, double value) {
    CVnUnit stored;
    if (!m_pCatalog ||
        !m_pCatalog->GetParameterUnit(m_family, numeric(col).stored, stored, m_scale))
        return value;
    const double coef = stored.GetCoef();
    return value * (col == kWeight    ? coef
                    : col == kSection ? coef / (m_scale * m_scale)
                                      : coef / m_scale);
}

void CVnTransferSteelGrade::storeRecord(const CString& name, CVnRebarSteelGrade& record) {
    if (!m_pCatalog) return;
    if (m_pCatalog->FindSteelgrade(name, m_family))
        m_pCatalog->ModifySteelgrade(name, m_family, &record);
    else
        m_pCatalog->InsertSteelgrade(&record, false);
    m_pCatalog->SetChangeRuleName(false);
}

void CVnTransferSteelGrade::ImportAll() {
    m_pGrid->GetParam()->EnableUndo(FALSE);
    BulkChange bulk(m_pGrid);
    const bool fixedDiameter = m_pCatalog && m_pCatalog->IsFixedDiameter(m_family);
    for (int r = 0; r < m_pGrid->GetRCount(); ++r) importRow(r, fixedDiameter);
    bulk.restore();
    m_pGrid->Redraw(GX_UPDATENOW, TRUE);
}

// Unlike StoreRow, every column is read from the grid, without modified flags. Three choices
// keep stored values intact:
// - the text is parsed into SI and then converted into the stored unit as StoreRow converts it
//   (the scale undone as the load applied it): parsed in the column's own unit it would be
//   converted twice (a 12 mm diameter stored as 12000), and a value not given ("-") is stored
//   as the column's not-given value, as StoreRow stores it;
// - a cell that still shows what the load showed keeps the bar's stored value: the shown text
//   is rounded to the unit's precision (a weight of 1.578 shows 1.58), and storing it would
//   round every value of the family whenever a pending edit is imported.
void CVnTransferSteelGrade::importRow(int row, bool fixedDiameter) {
    const CString name = m_pGrid->GetValueAsString(row, 0);
    bool found = false;
    CVnRebarSteelGrade current;
    if (m_pCatalog) current = m_pCatalog->GetSteelgrade(name, m_family, m_scale, found);
    CVnRebarSteelGrade* loaded = loadedRecord(row, name);
    CVnRebarSteelGrade record;
    record.setFamily(m_family);
    record.setName(name);
    double nominal = 0.0;
    for (int c = 1; c < std::min(m_pGrid->GetCCount(), kColumns); ++c) {
        CVnUnit* unit = columnUnit(m_pGrid, c);
        if (!unit) continue;
        const bool relative = fixedDiameter && isMandrel(c);
        const CString text = m_pGrid->GetValueAsString(row, c);
        const bool asLoaded =
            found && loaded &&
            text == CVnCellDataExchangeUnit::Format(unit, readColumn(*loaded, c, relative));
        double value = asLoaded ? readColumn(current, c, false)
                                : unit->String2Double(cellText(m_pGrid, row, c), nullptr, 1);
        if (c == 1) nominal = value;
        if (c != 1 && value < kNotGivenBelow) {
            (record.*numeric(c).set)(numeric(c).notGiven);
            continue;
        }
        if (relative && !asLoaded) value *= nominal;
        (record.*numeric(c).set)(toStored(c, value));
    }
    storeRecord(name, record);
}

// The record a row was loaded from, when the row still holds that bar.
CVnRebarSteelGrade* CVnTransferSteelGrade::loadedRecord(int row, const CString& name) const {
    if (row < 0 || row >= static_cast<int>(m_records.size())) return nullptr;
    CVnRebarSteelGrade* record = m_records[static_cast<size_t>(row)];
    return record->name().CompareNoCase(name) == 0 ? record : nullptr;
}

bool CVnTransferSteelGrade::RemoveRows(int from, int to) {
    m_pGrid->GetParam()->EnableUndo(FALSE);
    BulkChange bulk(m_pGrid);
    std::vector<int> gone;
    bool removed = false;
    for (int r = from; r < to; ++r) {
        const CString name = m_pGrid->GetValueAsString(r, 0);
        if (name.IsEmpty() || !m_pCatalog || !m_pCatalog->FindSteelgrade(name, m_family)) {
            gone.push_back(r);
            removed = true;
            continue;
        }
        switch (m_pCatalog->RemoveSteelgradeIfUnused(name, m_family, nullptr)) {
            case CVnRebarSteelGradeCatalog::Deleted:
                gone.push_back(r);
                removed = true;
                m_pCatalog->SetChangeRuleName(false);
                break;
            case CVnRebarSteelGradeCatalog::InUse:
                AfxMessageBox(name + L" " + VnPrompts::getPrompt(kBarInUse, kModule, 0),
                              MB_ICONEXCLAMATION);
                bulk.restore();
                if (!removed) return false;
                break;
            case CVnRebarSteelGradeCatalog::NotDeleted:
                break;
        }
    }
    int originRow = 0, originCol = 0;
    m_pGrid->GetOrigin(originRow, originCol);
    for (size_t i = 0; i < gone.size(); ++i)
        m_pGrid->RemoveRow(static_cast<ROWCOL>(originRow + gone[i] - static_cast<int>(i)));
    bulk.restore();
    m_pGrid->Redraw(GX_UPDATENOW, TRUE);
    return removed;
}
