// CWnd's message dispatch: message maps, commands and notifications, reflection to the
// controls that sent them, and the pre-translation walk of the message loops.
#include "afx/afxstate.h"
#include "afx/dc.h"
#include "afx/wnd.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_CTLCOLOR()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

bool isCtlColor(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        lResult = handled;
    } else if (message == WM_NOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        handled = pNMHDR->hwndFrom && OnNotify(wParam, lParam, &lResult);
    } else {
        // MFC maps every WM_CTLCOLORxxx to its one WM_CTLCOLOR entry, with the control type.
        UINT nLookup = isCtlColor(message) ? WM_CTLCOLOR : message;
        const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), nLookup);
        if (!pEntry) return FALSE;
        AFX_MSGCALL call{message, wParam, lParam,
                         isCtlColor(message) ? message - WM_CTLCOLORMSGBOX : 0};
        handled = pEntry->pfn(this, call, lResult);
    }
    if (handled && pResult) *pResult = lResult;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    auto hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl) {
        nCode = CN_COMMAND;  // a menu or an accelerator
    } else if (afxstate::LockoutNotifyWindow() == m_hWnd) {
        return TRUE;  // UpdateData is moving data: the notification is not the user's
    } else if (ReflectLastMsg(hWndCtrl)) {
        return TRUE;  // the control handled its own notification
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult)) return TRUE;
    UINT nID = UINT(pNMHDR->idFrom);
    return OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), pNMHDR, pResult);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& msg = afxstate::CurrentMessage();
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_DELETEITEM:
        case WM_COMPAREITEM:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_PARENTNOTIFY:
            return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
        case WM_COMMAND:
            if (CCmdTarget::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND),
                                     nullptr, nullptr)) {
                if (pResult) *pResult = 1;
                return TRUE;
            }
            return FALSE;
        case WM_NOTIFY: {
            auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
            return CCmdTarget::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY),
                                        pNMHDR, pResult);
        }
        default:
            break;
    }
    if (isCtlColor(message)) {
        // The reflected handler sees the DC and the control type; hwnd is the control itself.
        const AFX_MSGMAP_ENTRY* pEntry =
            AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_CTLCOLOR);
        if (!pEntry) return FALSE;
        AFX_MSGCALL call{message, wParam, lParam, message - WM_CTLCOLORMSGBOX};
        LRESULT lResult = 0;
        if (!pEntry->pfn(this, call, lResult)) return FALSE;
        if (pResult) *pResult = lResult;
        return TRUE;
    }
    return FALSE;
}

// CWnd's own entries: owner-draw and colour messages go to the control's object first.
void CWnd::OnDrawItem(int /*nIDCtl*/, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct->CtlType != ODT_MENU) {
        CWnd* pChild = FromHandlePermanent(lpDrawItemStruct->hwndItem);
        if (pChild && pChild->SendChildNotifyLastMsg()) return;
    }
    Default();
}

// The structure names no window: the control is the child with the id, already a child while
// it is being created, when owner-drawn combo boxes are measured.
void CWnd::OnMeasureItem(int /*nIDCtl*/, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct->CtlType != ODT_MENU) {
        HWND hWndChild = ::GetDlgItem(m_hWnd, int(lpMeasureItemStruct->CtlID));
        CWnd* pChild = FromHandlePermanent(hWndChild);
        if (pChild && pChild->SendChildNotifyLastMsg()) return;
    }
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC* /*pDC*/, CWnd* pWnd, UINT /*nCtlColor*/) {
    LRESULT lResult = 0;
    if (pWnd && ReflectLastMsg(pWnd->m_hWnd, &lResult)) return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST) FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == hWndStop) break;
    }
    return FALSE;
}
