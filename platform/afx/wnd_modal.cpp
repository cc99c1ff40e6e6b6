// Modal loops, dialog creation from a template and data exchange, which MFC keeps on CWnd.
#include "afx/afxstate.h"
#include "afx/dataexchange.h"
#include "afx/dialog.h"
#include "afx/exception.h"
#include "afx/wnd.h"
#include "user/scripteduser.h"
#include "win/module.h"

namespace {

// One message through the pre-translation walk, as MFC's message pump does. When the queue is
// empty the person acts (the scripted user's next step) and the loop looks at its flags again:
// an act may end the loop and leave nothing queued. FALSE on WM_QUIT.
BOOL pumpMessage(CWnd* pWnd) {
    MSG msg;
    while (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!user::ScriptedUser::Get().RunNextStep()) break;  // GetMessage reports the stall
        if (!pWnd->ContinueModal()) return TRUE;
    }
    if (!::GetMessageW(&msg, nullptr, 0, 0)) return FALSE;
    if (!msg.hwnd || !CWnd::WalkPreTranslateTree(::GetAncestor(msg.hwnd, GA_ROOT), &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

}  // namespace

int CWnd::RunModalLoop(DWORD dwFlags) {
    bool bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    MSG msg;
    while (ContinueModal()) {
        // Idle: the queue is empty before the loop waits for the user.
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = false;
            }
            afxstate::IdleDeleteTempMaps();
        }
        if (!pumpMessage(this)) {
            ::PostQuitMessage(0);  // the outer loops must end as well
            m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
            return -1;
        }
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_KICKIDLE);
    }
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParamW(hInst ? hInst : AfxGetInstanceHandle(), lpDialogTemplate,
                                     pParentWnd ? pParentWnd->m_hWnd : nullptr, &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate()) PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    // Setting a control's text from here would notify this window; those notifications are
    // the program's own doing, not the user's, so they are ignored while data moves.
    HWND& hLockout = afxstate::LockoutNotifyWindow();
    HWND hOldLockout = hLockout;
    hLockout = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CUserException* e) {
        e->Delete();  // the user was told why already
    }
    hLockout = hOldLockout;
    return bOK;
}

void CWnd::DoDataExchange(CDataExchange*) {}
