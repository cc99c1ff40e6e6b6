// The grid's engine: rows and columns with header rows and columns, cell styles and values,
// painting, the current cell with in-place editing, row selection, scrolling and tool tips.
// A CGXGridCore works in a window given to it (CGXGridWnd is both; CGXGridHandleWnd hosts a
// core attached to it) and receives that window's messages through ProcessGridMessage.
//
// Rows are numbered from 0 (the column titles), columns from 0 (the row titles); GetRowCount
// and GetColCount give the numbers of the last row and column. With SetFrozenRows(1, 1) row 1
// is a second title row, so data start at row 2 and GetRowCount() is the data rows + 1.
//
// The overridables (GetStyleRowCol, StoreStyleRowCol, OnStartEditing, OnValidateCell, ...)
// let a derived grid supply values, refuse edits and hear of the user's acts.
#pragma once

#include <memory>
#include <set>

#include "afx/dc.h"
#include "afx/wnd.h"
#include "grid/gxcontrol.h"
#include "grid/gxgridparam.h"
#include "grid/gxlayout.h"
#include "grid/gxrange.h"

class CDocument;

class CGXGridCore {
public:
    explicit CGXGridCore(CWnd* pGridWnd = nullptr, CDocument* pGridDoc = nullptr,
                         BOOL bIsViewContext = FALSE);
    CGXGridCore(const CGXGridCore&) = delete;
    CGXGridCore& operator=(const CGXGridCore&) = delete;
    virtual ~CGXGridCore();

    // The window the grid draws in and takes input from.
    void SetGridWnd(CWnd* pGridWnd, CDocument* pGridDoc = nullptr, BOOL bIsViewContext = FALSE);
    CWnd* GridWnd() const { return m_pGridWnd; }
    // Called once the window exists: takes the window's font and readies the editor.
    virtual void OnGridInitialUpdate();

    // The parameter object; the grid makes its own when none is set. With bMustDelete the
    // grid deletes the given one.
    CGXGridParam* GetParam() const { return m_pParam; }
    void SetParam(CGXGridParam* pParam, BOOL bMustDelete = TRUE);

    // Coordinates.
    virtual BOOL SetRowCount(ROWCOL nRows, UINT flags = GX_UPDATENOW);
    virtual BOOL SetColCount(ROWCOL nCols, UINT flags = GX_UPDATENOW);
    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    // Rows 1..nFrozenRows do not scroll; rows 1..nHeaderRows of them are title rows.
    BOOL SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows = 0, UINT flags = GX_UPDATENOW);
    BOOL SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols = 0, UINT flags = GX_UPDATENOW);
    ROWCOL GetFrozenRows() const { return m_layout.rows.frozen; }
    ROWCOL GetFrozenCols() const { return m_layout.cols.frozen; }
    ROWCOL GetHeaderRows() const { return m_layout.rows.headers; }
    ROWCOL GetHeaderCols() const { return m_layout.cols.headers; }

    // Sizes in pixels. With anWidthArray each column takes its own entry.
    BOOL SetColWidth(ROWCOL nFromCol, ROWCOL nToCol, int nWidth, int* anWidthArray = nullptr,
                     UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    virtual int GetColWidth(ROWCOL nCol);
    BOOL SetRowHeight(ROWCOL nFromRow, ROWCOL nToRow, int nHeight, int* anHeightArray = nullptr,
                      UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    virtual int GetRowHeight(ROWCOL nRow);
    void SetDefaultColWidth(int nWidth) { m_layout.cols.defaultSize = nWidth; }
    void SetDefaultRowHeight(int nHeight) { m_layout.rows.defaultSize = nHeight; }
    // Widens or narrows the range's columns to their widest text (titles included).
    BOOL ResizeColWidthsToFit(const CGXRange& range, BOOL bResizeCoveredCells = TRUE,
                              UINT nFlags = GX_UPDATENOW);

    // Styles and values. A range of whole columns also sets the columns' base style, which
    // rows inserted later take.
    BOOL SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt = gxOverride,
                       int nType = 0, UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    BOOL SetValueRange(const CGXRange& range, LPCTSTR str, GXModifyType mt = gxOverride,
                       int nType = 0, UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    BOOL SetValueRange(const CGXRange& range, double d, GXModifyType mt = gxOverride, int nType = 0,
                       UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    // Differs from the component: returns a copy, not a reference to a shared buffer.
    CString GetValueRowCol(ROWCOL nRow, ROWCOL nCol);
    // The style a cell is drawn and edited with: standard style, column base, cell.
    BOOL ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle);
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                                int nType = 0);
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                                  GXModifyType mt = gxOverride, int nType = 0);

    // Rows and columns. Values, styles and sizes move with their rows and columns.
    BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    BOOL RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags = GX_UPDATENOW,
                    GXCmdType ctCmd = gxDo);
    BOOL InsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags = GX_UPDATENOW, GXCmdType ctCmd = gxDo);
    BOOL RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags = GX_UPDATENOW,
                    GXCmdType ctCmd = gxDo);

    // Drawing. While the update lock is set nothing paints and Redraw does nothing.
    virtual void Redraw(UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    void RedrawRowCol(const CGXRange& range, UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    // Sets the lock and returns its previous state.
    BOOL LockUpdate(BOOL bLock = TRUE);
    BOOL IsLockUpdate() const { return m_pParam->m_bLockUpdate != 0; }
    virtual void OnGridDraw(CDC* pDC);
    // The rectangle of a cell in the window's client area (empty when scrolled away).
    CRect CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol);
    // One of GX_NOHIT, GX_CELLHIT, GX_HEADERHIT, GX_VSCROLLHIT, GX_HSCROLLHIT.
    int HitTest(CPoint pt, ROWCOL* pnRow = nullptr, ROWCOL* pnCol = nullptr);

    // The current cell and editing.
    virtual BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol,
                                UINT flags = GX_SCROLLINVIEW | GX_UPDATENOW);
    BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol);
    BOOL GetCurrentCell(ROWCOL* pnRow, ROWCOL* pnCol);
    BOOL IsCurrentCell(ROWCOL nRow, ROWCOL nCol);
    BOOL IsActiveCurrentCell() const { return m_pControl && m_pControl->IsActive(); }
    CGXControl* GetCurrentCellControl() { return m_pControl.get(); }
    // Ends an active edit: with bSaveAndValidate the text is validated and stored (FALSE when
    // refused: the edit stays open), otherwise it is dropped.
    virtual BOOL TransferCurrentCell(BOOL bSaveAndValidate = TRUE, UINT flags = GX_UPDATENOW,
                                     BOOL bCreateHint = TRUE);
    // Read-only: no cell can be edited.
    void SetReadOnly(BOOL bReadOnly = TRUE) { m_bReadOnly = bReadOnly != FALSE; }
    BOOL IsReadOnly() const { return m_bReadOnly; }

    // Selection of whole rows.
    void SelectRange(const CGXRange& range, BOOL bSelect = TRUE, BOOL bUpdate = TRUE);
    ROWCOL GetSelectedRows(CRowColArray& awRows, BOOL bRangeRowsOnly = FALSE,
                           BOOL bCanUseCurrentCell = TRUE);

    // Scrolling.
    ROWCOL GetTopRow() const { return m_layout.rows.first; }
    ROWCOL GetLeftCol() const { return m_layout.cols.first; }
    BOOL SetTopRow(ROWCOL nRow, UINT flags = GX_UPDATENOW);
    BOOL SetLeftCol(ROWCOL nCol, UINT flags = GX_UPDATENOW);
    BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW);

    // Tool tips on cells with a GX_IDS_UA_TOOLTIPTEXT user attribute.
    void EnableGridToolTips(BOOL bEnable = TRUE);
    // The tool under a point for the window's OnToolHitTest: -1 when none.
    INT_PTR GridToolHitTest(CPoint point, TOOLINFOW* pTI);

    // Window messages of the grid window; FALSE leaves the message to the window's default.
    BOOL ProcessGridMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Keys for the grid or its editor; TRUE when the grid handled them.
    virtual BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1,
                             UINT flags = 0);

    // Overridables.
    virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnModifyCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual void OnChangedSelection(const CGXRange* pChangedRect, BOOL bIsDragging, BOOL bKey);

private:
    friend class CGXControl;  // reports the editor losing the focus

    // Deferred work the grid posts to its own window, run after the parent has heard of an
    // ended edit (so that the parent still sees the edited cell as current).
    enum class Deferred : WPARAM { Commit = 1, MoveUp, MoveDown, MoveLeft, MoveRight, Click };
    // A click that ended an edit, handled once the parent has heard of the edit.
    struct DeferredClick {
        UINT nFlags = 0;
        CPoint pt;
        bool bDouble = false;
    };

    CGXData* data() const { return m_pParam->GetData(); }
    ROWCOL firstDataRow() const { return m_layout.rows.headers + 1; }
    ROWCOL firstDataCol() const { return m_layout.cols.headers + 1; }
    bool isDataCell(ROWCOL nRow, ROWCOL nCol);
    void changed(UINT flags);
    BOOL setSizes(gxgrid::Axis& axis, ROWCOL nFrom, ROWCOL nTo, int nSize, const int* anSizes,
                  UINT flags, GXCmdType ctCmd);
    BOOL setFrozen(gxgrid::Axis& axis, ROWCOL nFrozen, ROWCOL nHeaders, UINT flags);
    void keepStateInside();
    void notifyParent(UINT message);
    static UINT deferredMessage();
    void postDeferred(Deferred action);

    // Painting (gxgridcore_paint.cpp).
    HFONT font() const;
    void drawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CRect& area);
    void drawHeader(CDC* pDC, const CGXStyle& style, const CRect& rect);
    void drawData(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CRect& rect);
    void drawCurrentFrame(CDC* pDC);

    // Scrolling and scroll bars (gxgridcore_scroll.cpp).
    CRect cellArea();
    CRect scrollBarRect(int nBar);
    bool needsScrollBar(int nBar);
    void drawScrollBar(CDC* pDC, int nBar);
    void onScroll(int nBar, UINT nCode, int nPos = 0);
    void onScrollBarClick(int nBar, CPoint pt);
    BOOL scrollTo(int nBar, ROWCOL nFirst, UINT flags);

    // Mouse and selection (gxgridcore_mouse.cpp).
    void onLButtonDown(UINT nFlags, CPoint pt, bool bDouble);
    void clickRowHeader(ROWCOL nRow, UINT nFlags);
    void setSelectedRows(std::set<ROWCOL> rows, bool bKey);

    // Editing and keys (gxgridcore_edit.cpp).
    bool isEditable(ROWCOL nRow, ROWCOL nCol);
    bool startEditing(const CString* pTyped, bool bDropDown);
    void cancelEditing();
    BOOL storeEdit(bool bFocus, UINT flags);
    void editorLostFocus(HWND hWndNew);
    bool moveCurrentCell(int dRow, int dCol);
    bool commitAndMove(Deferred move);
    void runDeferred(Deferred action);
    bool moveByUser(ROWCOL nRow, ROWCOL nCol);

    CWnd* m_pGridWnd = nullptr;
    CGXGridParam* m_pParam = nullptr;
    std::unique_ptr<CGXGridParam> m_pOwnedParam;
    gxgrid::Layout m_layout;
    ROWCOL m_nCurRow = GX_INVALID;
    ROWCOL m_nCurCol = GX_INVALID;
    std::set<ROWCOL> m_selectedRows;
    ROWCOL m_nSelAnchor = GX_INVALID;
    DeferredClick m_deferredClick;
    std::unique_ptr<CGXControl> m_pControl;
    bool m_bReadOnly = false;
    bool m_bToolTips = false;
    HFONT m_hFont = nullptr;
    CString m_strToolTip;
};
