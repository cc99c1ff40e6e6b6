// CWnd's life: the handle maps, attaching and subclassing, creation through the CBT hook,
// AfxWndProc, and destruction.
#include <memory>
#include <string>
#include <unordered_set>

#include "afx/afxstate.h"
#include "afx/wnd.h"
#include "win/diagnostics.h"
#include "win/module.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace afxstate {

CHandleMap<HWND, CWnd>& WindowMap() {
    static CHandleMap<HWND, CWnd> map;
    return map;
}

MSG& CurrentMessage() {
    static MSG msg{};
    return msg;
}

int& DispatchDepth() {
    static int depth = 0;
    return depth;
}

HWND& LockoutNotifyWindow() {
    static HWND hWnd = nullptr;
    return hWnd;
}

void IdleDeleteTempMaps() {
    if (DispatchDepth() == 0) AfxDeleteTempMap();
}

void InstallPreTranslateHook() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    SetMessageLoopPreTranslateHook([](MSG* pMsg) -> BOOL {
        if (!pMsg->hwnd) return FALSE;
        return CWnd::WalkPreTranslateTree(GetAncestor(pMsg->hwnd, GA_ROOT), pMsg);
    });
}

}  // namespace afxstate

using afxstate::WindowMap;

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd && WindowMap().LookupPermanent(m_hWnd) == this) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    return WindowMap().FromHandle(hWnd, [](HWND h) {
        auto pWnd = std::make_unique<CWnd>();
        pWnd->m_hWnd = h;
        return pWnd;
    });
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return WindowMap().LookupPermanent(hWnd);
}

void CWnd::DeleteTempMap() {
    WindowMap().DeleteTemp([](CWnd& wnd) { wnd.m_hWnd = nullptr; });
}

BOOL CWnd::Attach(HWND hWndNew) {
    ASSERT(m_hWnd == nullptr);
    if (!hWndNew) return FALSE;
    ASSERT(FromHandlePermanent(hWndNew) == nullptr);
    afxstate::InstallPreTranslateHook();
    WindowMap().SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd) WindowMap().RemovePermanent(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

WNDPROC* CWnd::GetSuperWndProcAddr() {
    return &m_pfnSuper;
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    auto oldWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    ASSERT(oldWndProc != nullptr);
    WNDPROC* pSuper = GetSuperWndProcAddr();
    if (!*pSuper) *pSuper = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, int(nID));
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    WNDPROC* pSuper = GetSuperWndProcAddr();
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*pSuper));
    *pSuper = nullptr;
    return Detach();
}

// Creation. The hook attaches the object that is being created to the first window the
// creation makes, before that window receives any message.
namespace {

CWnd* g_pWndInit = nullptr;
HHOOK g_hHook = nullptr;
int g_hookUsers = 0;

LRESULT CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND && g_pWndInit) {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        auto hWnd = reinterpret_cast<HWND>(wParam);
        pWnd->Attach(hWnd);
        pWnd->PreSubclassWindow();
        auto oldWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
        if (oldWndProc != &AfxWndProc) *pWnd->GetSuperWndProcAddr() = oldWndProc;
    }
    return CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

}  // namespace

void AfxHookWindowCreate(CWnd* pWnd) {
    if (g_hookUsers++ == 0)
        g_hHook = SetWindowsHookExW(WH_CBT, &CbtFilterHook, nullptr, GetCurrentThreadId());
    ASSERT(g_hHook != nullptr);
    g_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    if (--g_hookUsers == 0) {
        UnhookWindowsHookEx(g_hHook);
        g_hHook = nullptr;
    }
    if (g_pWndInit) {
        g_pWndInit = nullptr;
        return FALSE;  // the window was never made
    }
    return TRUE;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    // One class per combination, named after it, as MFC names them ("Afx:..."); the plain one
    // is "AfxWnd".
    static std::unordered_set<std::wstring> registered;  // nodes keep their names in place
    CString name;
    if (nClassStyle || hCursor || hbrBackground || hIcon)
        name.Format(L"Afx:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                    static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    else
        name = L"AfxWnd";
    auto [it, inserted] = registered.emplace(name.GetString());
    if (inserted) {
        WNDCLASSW wc{};
        wc.style = nClassStyle;
        wc.lpfnWndProc = &AfxWndProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = it->c_str();
        VERIFY(RegisterClassW(&wc) != 0);
    }
    return it->c_str();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(0);
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* /*pContext*/) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
    ASSERT(m_hWnd == nullptr);
    CREATESTRUCT cs{
        lpParam, AfxGetInstanceHandle(), nIDorHMenu,     hWndParent,    nHeight,  nWidth, y,
        x,       LONG(dwStyle),          lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, DWORD(cs.style), cs.x, cs.y,
                          cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate()) PostNcDestroy();
    if (!hWnd) return FALSE;
    ASSERT(hWnd == m_hWnd);
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    // A window nobody attached (or attached only for a while) is not detached by its
    // WM_NCDESTROY, so the object lets go of it itself.
    bool permanent = WindowMap().LookupPermanent(m_hWnd) == this;
    HWND hWnd = m_hWnd;
    BOOL bResult = ::DestroyWindow(hWnd);
    if (!permanent) m_hWnd = nullptr;
    return bResult;
}

void CWnd::OnNcDestroy() {
    // Windows' own clean-up runs first; then the window gets back the procedure it had before
    // MFC, so messages still arriving do not reach a dead object.
    LONG_PTR pfnWndProc = GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC);
    Default();
    if (GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == pfnWndProc) {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper) SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
    }
    Detach();
    PostNcDestroy();
}

void CWnd::PostNcDestroy() {}

// Dispatch entry points.
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    MSG& current = afxstate::CurrentMessage();
    MSG saved = current;
    current.hwnd = hWnd;
    current.message = nMsg;
    current.wParam = wParam;
    current.lParam = lParam;
    ++afxstate::DispatchDepth();
    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    --afxstate::DispatchDepth();
    current = saved;
    return lResult;
}

LRESULT AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || pWnd->m_hWnd != hWnd) return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AfxGetAfxWndProc() {
    return &AfxWndProc;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    WNDPROC pfnWndProc = *GetSuperWndProcAddr();
    if (!pfnWndProc) return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
    return ::CallWindowProcW(pfnWndProc, m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = afxstate::CurrentMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage() {
    return &afxstate::CurrentMessage();
}
