// The maker's grid over the grid component: columns described once (title, kind, unit, range)
// and checked as a person types, values read and written through the columns' units, an
// application's items moved in and out by a CVnGridTransfer, typed texts judged by a
// CVnGridController.
//
// Coordinates. The grid's data start at its origin (GetOrigin): after SetNewCoordinates(2, 1)
// rows 0 and 1 are title rows, column 0 the row titles, and the first data cell is (2, 1).
// Operations on cells (GetValueAsString, SetValue, SetCellTextColor, SetCellStyleDataPtr,
// ApplyStyle, GetCurrentCell with int arguments) and on columns (AddColumn, GetGridColumn,
// SetColumnUnit) count data rows and columns from 0. Operations on the grid's own rows and
// columns (RemoveRow, RemoveCols, SetControlTextRowCol, SetColumnWidth, SetColumnAutoSize,
// GetArrayWithColWidths, and the component's SetCurrentCell, GetSelectedRows, GetRowCount)
// count them as the component does, titles included.
#pragma once

#include <memory>
#include <vector>

#include "grid/gxgridcore.h"
#include "grid/vngridconfig.h"
#include "grid/vngridrowmanager.h"
#include "grid/vngridvalidator.h"

class CVnGridController;
class CVnGridTransfer;

class CVnGridCore : public CGXGridCore {
public:
    // pDialog is the window holding the grid, which hears of its edits and selections.
    CVnGridCore(CWnd* pGridWnd, CWnd* pDialog, CDocument* pGridDoc = nullptr,
                BOOL bIsViewContext = FALSE);
    ~CVnGridCore() override;

    // The first data row and column: (2, 1) gives two title rows and one title column.
    void SetNewCoordinates(ROWCOL nFirstRow, ROWCOL nFirstCol);
    void GetOrigin(int& nRow, int& nCol);
    // Forgets the columns added so far, before they are added again.
    void Initialize();
    CVnGridConfig* GetConfig() { return &m_config; }
    // The grid has no clipboard: pasting can never add rows or columns, so nothing is left to
    // forbid. Kept for the callers that ask it.
    void NoMoreRowColsOnPaste() {}
    void DisableGridReadOnly() { SetReadOnly(FALSE); }

    // Columns, appended one after the other; each returns the new column's number. Kinds:
    // 1 text (allowed characters, "ALL" for any, and longest length), 7 choice list (entries
    // separated by "\n"), 5 number in a unit (range and start value in SI, open at
    // ±1.7976931348623157e+150; nAlign DT_LEFT, DT_CENTER or DT_RIGHT). Other kinds are not
    // supported.
    int AddColumn(LPCTSTR pszTitle, int nKind, LPCTSTR pszAllowed, int nMaxLength,
                  LPCTSTR pszDefault);
    int AddColumn(LPCTSTR pszTitle, int nKind, LPCTSTR pszChoices);
    int AddColumn(LPCTSTR pszTitle, int nKind, const CVnUnit& unit, double dMin, double dMax,
                  double dDefault, int nAlign);
    CVnGridColumn* GetGridColumn(int nCol) const { return m_validator.GetGridColumn(nCol); }
    CVnGridValidator* GetGridValidator() { return &m_validator; }
    // Values typed or set later are read and shown in the new unit; cells keep their text.
    void SetColumnUnit(int nCol, const CVnUnit& unit);
    // Removes grid columns and their descriptors.
    BOOL RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags = GX_UPDATENOW,
                    GXCmdType ctCmd = gxDo);
    // Writes every column's kind, alignment and choice list into its cells' base style again.
    void ApplyRowStyle();

    // Widths of grid columns.
    BOOL SetColumnWidth(ROWCOL nCol, int nWidth);
    BOOL SetColumnAutoSize(ROWCOL nFromCol, ROWCOL nToCol);
    // Differs from the maker's: the widths come back in a vector, not a new[] array.
    std::vector<int> GetArrayWithColWidths(ROWCOL nFromCol, ROWCOL nToCol);

    // Data rows and columns.
    BOOL SetRCount(int nRows);
    int GetRCount();
    int GetCCount();
    CVnGridRowManager* GetRowManager() { return &m_rowManager; }
    // Appends a data row: text columns hold their start text, the other cells are empty (an
    // empty unit cell reads as its column's start value). The editors add rows at the end
    // only, so InsertRow appends as well.
    BOOL AddRow();
    BOOL InsertRow() { return AddRow(); }
    // Removes one grid row (titles counted) and ends the row selection.
    BOOL RemoveRow(ROWCOL nRow);
    // Removes the rows selected by their titles; FALSE when none is selected.
    BOOL RemoveSelectedRows();
    BOOL RemoveAllRows() { return SetRCount(0); }

    // Cells, in data coordinates.
    CString GetValueAsString(int nRow, int nCol);
    // In the column's unit; "-" (not given) reads as -1.0, an empty unit cell as the column's
    // start value.
    double GetValueAsDouble(int nRow, int nCol);
    BOOL SetValue(int nRow, int nCol, LPCTSTR pszValue);
    // In the column's unit, shown with its precision.
    BOOL SetValue(int nRow, int nCol, double dValue);
    BOOL SetCellTextColor(int nRow, int nCol, COLORREF rgb);
    BOOL SetCellStyleDataPtr(int nRow, int nCol, void* pData);
    BOOL ApplyStyle(int nRow, int nCol, const CGXStyle& style);
    // A title or any grid cell's text, titles counted.
    BOOL SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags = GX_UPDATENOW,
                              GXCmdType ctCmd = gxDo);
    using CGXGridCore::GetCurrentCell;
    // The current cell in data coordinates; FALSE when there is none.
    BOOL GetCurrentCell(int& nRow, int& nCol);

    // Neither is owned: the dialog that sets them deletes them.
    void SetGridTransfert(CVnGridTransfer* pTransfer) { m_pTransfer = pTransfer; }
    CVnGridTransfer* GetGridTransfert() const { return m_pTransfer; }
    void SetGridController(CVnGridController* pController) { m_pController = pController; }
    CVnGridController* GetGridController() const { return m_pController; }

    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                        int nType = 0) override;

protected:
    // A typed text goes through the controller, or straight to the validator without one.
    BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override;

private:
    ROWCOL gridRow(int nRow) const { return static_cast<ROWCOL>(nRow) + GetHeaderRows() + 1; }
    ROWCOL gridCol(int nCol) const { return static_cast<ROWCOL>(nCol) + GetHeaderCols() + 1; }
    int appendColumn(std::unique_ptr<CVnGridColumn> column);
    void applyColumnStyle(int nCol);

    CVnGridValidator m_validator;
    CVnGridRowManager m_rowManager;
    CVnGridConfig m_config;
    CVnGridTransfer* m_pTransfer = nullptr;
    CVnGridController* m_pController = nullptr;
};
