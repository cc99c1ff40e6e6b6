// The two grid windows and the "GXWND" window class.
#include "grid/gxgridwnd.h"

#include "grid/gxgridhandlewnd.h"

namespace {

// A "GXWND" window that no grid object has taken over yet behaves as an empty window that
// wants every key, so that a dialog hands it the keys a grid needs.
LRESULT CALLBACK gridClassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE) return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    return ::DefWindowProcW(hWnd, msg, wParam, lParam);
}

bool registerGridClass() {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.style = CS_GLOBALCLASS | CS_DBLCLKS;
    cls.lpfnWndProc = &gridClassProc;
    cls.hbrBackground = ::GetSysColorBrush(COLOR_WINDOW);
    cls.lpszClassName = GX_GRID_WNDCLASS;
    return ::RegisterClassExW(&cls) != 0;
}

const bool g_bGridClassRegistered = registerGridClass();

LRESULT routeToGrid(CGXGridCore* pGrid, UINT message, WPARAM wParam, LPARAM lParam,
                    bool& bHandled) {
    LRESULT result = 0;
    bHandled =
        pGrid && pGrid->GridWnd() && pGrid->ProcessGridMessage(message, wParam, lParam, &result);
    return result;
}

}  // namespace

BOOL CGXGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    ASSERT(g_bGridClassRegistered);
    return CWnd::Create(GX_GRID_WNDCLASS, L"", dwStyle, rect, pParentWnd, nID);
}

LRESULT CGXGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    bool bHandled = false;
    LRESULT result = routeToGrid(this, message, wParam, lParam, bHandled);
    return bHandled ? result : CWnd::WindowProc(message, wParam, lParam);
}

INT_PTR CGXGridWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    return const_cast<CGXGridWnd*>(this)->GridToolHitTest(point, pTI);
}

CGXGridHandleWnd::CGXGridHandleWnd() = default;

CGXGridHandleWnd::~CGXGridHandleWnd() {
    // The grid's editor windows are children of this window: they go with it, before the
    // grid object that drives them.
    if (m_hWnd) DestroyWindow();
}

void CGXGridHandleWnd::AttachGrid(CGXGridCore* pGrid) {
    m_pGrid.reset(pGrid);
    if (m_pGrid) m_pGrid->SetGridWnd(this);
}

void CGXGridHandleWnd::Initialize() {
    ASSERT(m_pGrid && m_hWnd);
    m_pGrid->SetGridWnd(this);
    m_pGrid->OnGridInitialUpdate();
}

LRESULT CGXGridHandleWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    bool bHandled = false;
    LRESULT result = m_hWnd ? routeToGrid(m_pGrid.get(), message, wParam, lParam, bHandled) : 0;
    return bHandled ? result : CWnd::WindowProc(message, wParam, lParam);
}

INT_PTR CGXGridHandleWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    return m_pGrid ? m_pGrid->GridToolHitTest(point, pTI) : -1;
}
