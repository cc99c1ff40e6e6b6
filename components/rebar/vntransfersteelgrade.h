// Moves the bars of one family between the catalogue and the steel-grade editor's grid: one
// row per bar, fifteen columns (the name, then fourteen numbers shown in the columns' units),
// and grid rows written back as bar insertions, modifications and removals. The grid calls it
// back through the grid layer's transfer operations; the dialog calls the others directly.
//
// Application rows are indices into the transfer's lists; grid rows are data rows of the grid,
// converted through its row manager.
#pragma once

#include <vector>

#include "rebar/host/afx.h"
#include "rebar/host/grid.h"
#include "rebar/rebarapi.h"

class CVnRebarSteelGrade;
class CVnRebarSteelGradeCatalog;

// Exported beside the dialog that owns it, so that other front ends can show a family's grid.
class REBAR_API CVnTransferSteelGrade : public CVnGridTransfer {
public:
    // The catalogue is not owned and may be null; scale is the length factor handed to its
    // record queries (the unit manager's metrics factor).
    CVnTransferSteelGrade(CVnGridCore* grid, CVnRebarSteelGradeCatalog* catalog, CString family,
                          double scale);
    ~CVnTransferSteelGrade() override;

    // Every grid row into the catalogue, values read in the columns' units.
    void ImportAll() override;
    // The lowest bit of the trace options; no per-cell state is kept.
    int CellQuery(int row, int col) override;
    int RefreshRow(int gridRow) override;
    CVnCellDataExchange* CreateCellExchange(int row, int col, bool fromData) override;
    // Reloads the family's bars; items receives the records (CVnRebarSteelGrade*, owned by
    // the transfer).
    BOOL PrepareLoad(int& rows, int& columns, std::vector<void*>& items) override;

    // Empties the bar names and shows another family from the next Load on.
    void SetFamily(CString family);
    // Fills the whole grid from the catalogue; out (if given) receives the records, which stay
    // owned by the transfer.
    void Load(bool lock, std::vector<CVnRebarSteelGrade*>* out);
    bool AreStockLengthsValid() const { return m_bStockLengthsValid; }

    // What the dialog sets before each StoreRow: the columns the user changed in that row,
    // each row's name when the grid was filled, and 1 when mandrels show lengths in units
    // (any other value: multiples of the nominal diameter).
    void SetModifiedColumns(const std::vector<bool>& modified) { m_modifiedColumns = modified; }
    void SetLoadedNames(const CStringArray& names);
    void SetDisplayType(int displayType) { m_displayType = displayType; }

    // Writes one grid row into the catalogue (modified, or inserted when its bar is unknown).
    void StoreRow(int row);
    // Removes the bars of grid rows from..to-1 from the catalogue and the grid; a bar in use is
    // kept and reported. True when at least one row went.
    bool RemoveRows(int from, int to);

private:
    void ClearRecords();
    // The record column c of row's bar stores, read back in SI for the grid.
    double readColumn(CVnRebarSteelGrade& record, int col, bool fixedDiameter) const;
    // One column of the stored row, from what the grid holds or what the record had.
    void storeColumn(CVnRebarSteelGrade& record, int row, int col, bool modified, double& nominal);
    // A value of column col as the grid shows it (SI at the transfer's scale), in the unit the
    // catalogue stores that column in.
    double toStored(int col, double value);
    void storeRecord(const CString& name, CVnRebarSteelGrade& record);
    void importRow(int row, bool fixedDiameter);
    CVnRebarSteelGrade* loadedRecord(int row, const CString& name) const;

    CString m_family;
    CStringList m_names;
    std::vector<CVnRebarSteelGrade*> m_records;
    CVnRebarSteelGradeCatalog* m_pCatalog;
    double m_scale;
    bool m_bStockLengthsValid = true;
    std::vector<bool> m_modifiedColumns;
    CStringArray m_loadedNames;
    int m_displayType = 1;
};
