// MFC's dialog. The template is found by id or name along the resource module chain, or
// given in memory. DoModal creates the dialog modeless, disables its owner and runs MFC's own
// modal loop until EndDialog; Create makes a modeless dialog.
#pragma once

#include "afx/wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless. Dialog initialisation data (DLGINIT) is not supported: lpDialogInit must be null.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                                void* lpDialogInit = nullptr);
    // Modal: the template to use when DoModal finds none by id or name.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr,
                           void* lpDialogInit = nullptr);
    // IDOK, IDCANCEL or the EndDialog code; -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Loads the controls from the members (UpdateData(FALSE)); TRUE lets the dialog manager
    // focus the first tab stop, FALSE says the function set the focus itself.
    virtual BOOL OnInitDialog();
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // OK saves the data (a failed check keeps the dialog open) and ends with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    // The template of a resource dialog and the module that holds it; null when none has it.
    LPCDLGTEMPLATE FindTemplate(HINSTANCE& hInst) const;
};

// The dialog procedure of every MFC dialog: it answers WM_INITDIALOG with OnInitDialog.
INT_PTR AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
