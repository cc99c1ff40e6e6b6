// MFC tool tips: a window that enabled them shows, over each child, the tool text of that
// child. One tool tip control serves the process; mouse messages reach it through
// PreTranslateMessage, and it holds one tool at a time: the one under the mouse.
#include <memory>

#include "afx/afxstate.h"
#include "afx/tooltipctrl.h"
#include "afx/wnd.h"
#include "win/module.h"

namespace {

struct ToolTipState {
    // The window map must outlive this state, whose tool tip may still be attached at exit:
    // asking for it first makes it be destroyed after.
    ToolTipState() { afxstate::WindowMap(); }
    std::unique_ptr<CToolTipCtrl> pToolTip;
    HWND hWndOwner = nullptr;
    TOOLINFOW lastTool{};
    INT_PTR nLastHit = -1;
};

ToolTipState& toolTipState() {
    static ToolTipState state;
    return state;
}

// The text of a control's tool: its string resource, the part after the first line break when
// there is one (the first part is the status-bar prompt, as in MFC's resource strings).
CString toolText(UINT nID) {
    CString text;
    HINSTANCE hInst = AfxFindStringResourceHandle(nID);
    wchar_t buffer[512];
    if (hInst && LoadStringW(hInst, nID, buffer, 512) > 0) text = buffer;
    int nBreak = text.Find(L'\n');
    return nBreak < 0 ? text : text.Mid(nBreak + 1);
}

void forgetTool(ToolTipState& state) {
    if (state.pToolTip && state.nLastHit != -1)
        state.pToolTip->SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&state.lastTool));
    state.nLastHit = -1;
}

}  // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable) {
    BOOL bWasEnabled = m_bToolTips;
    m_bToolTips = bEnable != FALSE;
    return bWasEnabled;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
    if (!hWndChild || hWndChild == m_hWnd) return -1;
    if (pTI) {
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKW;
    }
    return ::GetDlgCtrlID(hWndChild);
}

void CWnd::FilterToolTipMessage(MSG* pMsg) {
    CWnd* pOwner = nullptr;
    for (HWND hWnd = pMsg->hwnd; hWnd && !pOwner; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->m_bToolTips) pOwner = pWnd;
    }
    if (!pOwner) return;
    ToolTipState& state = toolTipState();
    if (state.hWndOwner != pOwner->m_hWnd || (state.pToolTip && !::IsWindow(*state.pToolTip))) {
        state.pToolTip = std::make_unique<CToolTipCtrl>();
        state.pToolTip->Create(pOwner);
        state.hWndOwner = pOwner->m_hWnd;
        state.nLastHit = -1;
    }
    CPoint point(pMsg->pt);
    pOwner->ScreenToClient(&point);
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    INT_PTR nHit = pOwner->OnToolHitTest(point, &ti);
    if (nHit != state.nLastHit || ti.uId != state.lastTool.uId) {
        forgetTool(state);
        if (nHit != -1) {
            CString text;
            if (ti.lpszText == LPSTR_TEXTCALLBACKW) {
                text = toolText(UINT(nHit));
                ti.lpszText = const_cast<LPWSTR>(text.GetString());
            }
            state.pToolTip->SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
            state.lastTool = ti;
            state.lastTool.lpszText = nullptr;
            state.nLastHit = nHit;
        }
    }
    state.pToolTip->RelayEvent(pMsg);
}
