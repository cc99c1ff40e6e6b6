// Dialog data exchange: DoDataExchange lists DDX_ calls that copy between member variables
// and controls, in the direction m_bSaveAndValidate says. A failed check tells the user,
// puts the focus on the control and throws CUserException, which UpdateData catches.
#pragma once

#include "afx/wnd.h"
#include "win/cstring.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control nIDC of the dialog; a missing control is a programming error and stops the
    // process. PrepareEditCtrl also makes a failure select the control's text.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    [[noreturn]] void Fail();

    UINT m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

// Subclasses the control with rControl the first time; later calls do nothing.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The index of the checked radio button of the group starting at nIDC, -1 when none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// The combo's edit text (or selected item); loading selects the first item starting with it.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);

// Range checks after the DDX_Text of the same control; only when saving.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal);
