// The maker's standard controls, window helpers, message box and help tools.
#include <string>

#include "user/scripteduser.h"
#include "vntlui/vncombobox.h"
#include "vntlui/vndialogbarex.h"
#include "vntlui/vnedit.h"
#include "vntlui/vnstatic.h"
#include "vntlui/vntlhelptools.h"
#include "vntlui/vntluitools.h"
#include "vntlui/vntooltip.h"
#include "vntlui/vnwindow.h"

IMPLEMENT_DYNAMIC(CVnComboBox, CComboBox)
IMPLEMENT_DYNAMIC(CVnEdit, CEdit)
IMPLEMENT_DYNAMIC(CVnStatic, CStatic)
IMPLEMENT_DYNAMIC(CVnToolTip, CToolTipCtrl)
IMPLEMENT_DYNAMIC(CVnDialogBarEx, CDialog)

BOOL CVnToolTip::AddWindowTool(CWnd* pWnd, LPCTSTR lpszText) {
    if (!m_hWnd || !pWnd || !pWnd->m_hWnd) return FALSE;
    TOOLINFOW info;
    if (GetToolInfo(info, pWnd)) {
        UpdateTipText(lpszText, pWnd);
        return TRUE;
    }
    return AddTool(pWnd, lpszText);
}

BEGIN_MESSAGE_MAP(CVnDialogBarEx, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CVnDialogBarEx::CVnDialogBarEx() : m_crBackground(::GetSysColor(COLOR_BTNFACE)) {
    m_brBackground.CreateSolidBrush(m_crBackground);
}

CVnDialogBarEx::CVnDialogBarEx(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_crBackground(::GetSysColor(COLOR_BTNFACE)) {
    m_brBackground.CreateSolidBrush(m_crBackground);
}

void CVnDialogBarEx::SetBackgroundColor(COLORREF crBackground) {
    m_crBackground = crBackground;
    m_brBackground.DeleteObject();
    m_brBackground.CreateSolidBrush(crBackground);
    if (m_hWnd) Invalidate();
}

HBRUSH CVnDialogBarEx::OnCtlColor(CDC* pDC, CWnd* /*pWnd*/, UINT /*nCtlColor*/) {
    pDC->SetBkColor(m_crBackground);
    return m_brBackground;
}

void CVnWindow::SetHeight(CWnd* pWnd, int nHeight) {
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pWnd->SetWindowPos(nullptr, 0, 0, rect.Width(), nHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int VNTLUITools::MessageBoxW(LPCTSTR lpszText, UINT nType, CWnd* pOwner) {
    HWND hOwner = pOwner ? pOwner->m_hWnd : ::GetActiveWindow();
    return ::MessageBoxW(hOwner, lpszText, AfxGetAppName(), nType);
}

BOOL VNTLHelpTools::Help(int nCommand, UINT nTopicId) {
    user::ScriptedUser::Get().RecordHelp(
        {L"VNTLHelpTools::Help", UINT(nCommand), std::to_wstring(nTopicId), nTopicId});
    return TRUE;
}

BOOL VNTLHelpTools::DisplayWhatsThis(CWnd* /*pWnd*/, HELPINFO* pHelpInfo, int nFirstId, int nLastId,
                                     LPCTSTR lpszHelpFile) {
    if (!pHelpInfo) return FALSE;
    int nID = pHelpInfo->iCtrlId;
    if ((nFirstId || nLastId) && (nID < nFirstId || nID > nLastId)) return FALSE;
    user::ScriptedUser::Get().RecordHelp({L"VNTLHelpTools::DisplayWhatsThis", HELP_WM_HELP,
                                          lpszHelpFile ? lpszHelpFile : L"", ULONG_PTR(nID)});
    return TRUE;
}
