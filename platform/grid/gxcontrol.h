// The in-place editor of a grid's current cell: an edit field for text cells, a drop-down list
// for choice-list cells, both standard controls of the windowing layer placed over the cell.
// The grid makes one and shows it while the user edits; keys that end or move the edit are
// handed to the grid (CGXGridCore::ProcessKeys) before the control sees them.
#pragma once

#include "afx/rect.h"
#include "grid/gxdefs.h"
#include "win/cstring.h"

class CGXGridCore;
class CGXStyle;

class CGXControl {
public:
    explicit CGXControl(CGXGridCore* pGrid) : m_pGrid(pGrid) {}
    CGXControl(const CGXControl&) = delete;
    CGXControl& operator=(const CGXControl&) = delete;
    virtual ~CGXControl();

    // Shows the editor over rect (client coordinates of the grid window) with the cell's
    // style and the text to start from, and gives it the focus. A choice-list cell shows its
    // entries, the one matching the text selected; bDropDown opens the list at once.
    void Activate(ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style,
                  const CString& text, BOOL bDropDown);
    // Hides the editor; the text is dropped.
    void Deactivate();
    BOOL IsActive() const { return m_bActive; }
    ROWCOL GetRow() const { return m_nRow; }
    ROWCOL GetCol() const { return m_nCol; }

    // The text the user sees in the editor now; FALSE when it is not active.
    virtual BOOL GetCurrentText(CString& strResult) const;
    virtual void SetCurrentText(const CString& str);
    // Whether the text differs from the one the edit started with.
    BOOL GetModify() const;

    BOOL IsChoiceList() const { return m_hWndActive != nullptr && m_hWndActive == m_hWndCombo; }
    HWND GetActiveWindow() const { return m_hWndActive; }
    BOOL IsDroppedDown() const;

private:
    HWND editWindow();
    HWND comboWindow();
    HWND create(LPCWSTR cls, DWORD style, WNDPROC& pfnOriginal);
    void fillChoices(const CString& choices, const CString& text);
    static LRESULT CALLBACK editorProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT onEditorMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    CGXGridCore* m_pGrid;
    HWND m_hWndEdit = nullptr;
    HWND m_hWndCombo = nullptr;
    HWND m_hWndActive = nullptr;
    WNDPROC m_pfnEditProc = nullptr;
    WNDPROC m_pfnComboProc = nullptr;
    BOOL m_bActive = FALSE;
    ROWCOL m_nRow = 0;
    ROWCOL m_nCol = 0;
    CString m_strInitial;
};
