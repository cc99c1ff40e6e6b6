// The extended button: its settings, its messages and its click. Painting lives in
// vnbuttonex_draw.cpp.
#include "rebar/vnbuttonex.h"

#include <algorithm>

namespace {

// The prompt service files this module's menu texts under this name.
const wchar_t kPromptModule[] = L"REBAR";
// The longest address the button keeps, its terminating null aside.
constexpr std::size_t kMaxUrlLength = 259;
constexpr UINT kButtonTypeBits = 0x1F;
constexpr UINT kToolId = 1;
constexpr int kMaxTipWidth = 400;

// Image nId of the given kind from the module of the resource chain that holds it.
HANDLE loadImage(int nId, LPCTSTR resourceType, UINT imageType) {
    if (nId == 0) return nullptr;
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(nId), resourceType);
    return ::LoadImage(module, MAKEINTRESOURCE(nId), imageType, 0, 0, 0);
}

HICON loadIcon(int nId) {
    return static_cast<HICON>(loadImage(nId, RT_GROUP_ICON, IMAGE_ICON));
}

HBITMAP loadBitmap(int nId) {
    return static_cast<HBITMAP>(loadImage(nId, RT_BITMAP, IMAGE_BITMAP));
}

}  // namespace

BEGIN_MESSAGE_MAP(CVnButtonEx, CButton)
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_SYSCOLORCHANGE()
ON_WM_ENABLE()
ON_WM_KILLFOCUS()
ON_WM_ACTIVATE()
ON_WM_CANCELMODE()
ON_WM_GETDLGCODE()
ON_MESSAGE(BM_SETSTYLE, &CVnButtonEx::OnSetStyle)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CVnButtonEx::OnClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CVnButtonEx::CVnButtonEx() {
    SetDefaultColors(FALSE);
}

CVnButtonEx::~CVnButtonEx() {
    EmptyBackgroundCache();
    FreeResources();
    if (m_cursor) ::DestroyCursor(m_cursor);
    if (m_menu) ::DestroyMenu(m_menu);
}

void CVnButtonEx::RedrawIf(BOOL bRepaint) {
    if (bRepaint && m_hWnd) Invalidate();
}

// Images.

// Null handles are always skipped, so the interface's flag changes nothing here.
void CVnButtonEx::FreeResources(BOOL /*bCheckForNull*/) {
    for (const STRUCT_ICONS& icon : m_icons)
        if (icon.hIcon) ::DestroyIcon(icon.hIcon);
    for (const STRUCT_BITMAPS& bitmap : m_bitmaps) {
        if (bitmap.hBitmap) ::DeleteObject(bitmap.hBitmap);
        if (bitmap.hMask) ::DeleteObject(bitmap.hMask);
    }
    m_icons = {};
    m_bitmaps = {};
}

DWORD CVnButtonEx::SetIcon(int nIconIn, int nIconOut) {
    return SetIcon(loadIcon(nIconIn), loadIcon(nIconOut));
}

DWORD CVnButtonEx::SetIcon(HICON hIconIn, HICON hIconOut) {
    FreeResources();
    // The button owns both handles from here on, even when one of them turns out bad.
    m_icons[0].hIcon = hIconIn;
    m_icons[1].hIcon = hIconOut;
    for (STRUCT_ICONS& icon : m_icons) {
        if (&icon == &m_icons[1] && !icon.hIcon) break;
        ICONINFO info{};
        if (!::GetIconInfo(icon.hIcon, &info)) {
            FreeResources();
            return BTNST_INVALIDRESOURCE;
        }
        // An icon's hot spot is its centre.
        icon.dwWidth = info.xHotspot * 2;
        icon.dwHeight = info.yHotspot * 2;
        if (info.hbmMask) ::DeleteObject(info.hbmMask);
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
    }
    RedrawIf(TRUE);
    return BTNST_OK;
}

DWORD CVnButtonEx::SetBitmaps(int nBitmapIn, COLORREF crTransColorIn, int nBitmapOut,
                              COLORREF crTransColorOut) {
    return SetBitmaps(loadBitmap(nBitmapIn), crTransColorIn, loadBitmap(nBitmapOut),
                      crTransColorOut);
}

DWORD CVnButtonEx::SetBitmaps(HBITMAP hBitmapIn, COLORREF crTransColorIn, HBITMAP hBitmapOut,
                              COLORREF crTransColorOut) {
    FreeResources();
    m_bitmaps[0].hBitmap = hBitmapIn;
    m_bitmaps[0].crTransparent = crTransColorIn;
    m_bitmaps[1].hBitmap = hBitmapOut;
    m_bitmaps[1].crTransparent = crTransColorOut;
    for (STRUCT_BITMAPS& entry : m_bitmaps) {
        if (&entry == &m_bitmaps[1] && !entry.hBitmap) break;
        BITMAP info{};
        if (!entry.hBitmap || !::GetObject(entry.hBitmap, sizeof(info), &info)) {
            FreeResources();
            return BTNST_INVALIDRESOURCE;
        }
        entry.dwWidth = DWORD(info.bmWidth);
        entry.dwHeight = DWORD(info.bmHeight);
        entry.hMask =
            CreateBitmapMask(entry.hBitmap, entry.dwWidth, entry.dwHeight, entry.crTransparent);
        if (!entry.hMask) {
            FreeResources();
            return BTNST_FAILEDMASK;
        }
    }
    RedrawIf(TRUE);
    return BTNST_OK;
}

// Looks and colours.

DWORD CVnButtonEx::SetFlat(BOOL bFlat, BOOL bRepaint) {
    m_flat = bFlat;
    RedrawIf(bRepaint);
    return BTNST_OK;
}

DWORD CVnButtonEx::SetAlign(BYTE byAlign, BOOL bRepaint) {
    if (byAlign > ST_ALIGN_HORIZ_RIGHT) return BTNST_INVALIDALIGN;
    m_align = byAlign;
    RedrawIf(bRepaint);
    return BTNST_OK;
}

DWORD CVnButtonEx::DrawBorder(BOOL bDrawBorder, BOOL bRepaint) {
    m_drawBorder = bDrawBorder;
    RedrawIf(bRepaint);
    return BTNST_OK;
}

DWORD CVnButtonEx::DrawFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint) {
    m_drawFlatFocus = bDrawFlatFocus;
    RedrawIf(bRepaint);
    return BTNST_OK;
}

DWORD CVnButtonEx::SetCheck(int nCheck, BOOL bRepaint) {
    if (!m_isCheckBox) return BTNST_OK;
    m_checkState = nCheck ? 1 : 0;
    RedrawIf(bRepaint);
    return BTNST_OK;
}

DWORD CVnButtonEx::SetDefaultColors(BOOL bRepaint) {
    for (int i = 0; i < BTNST_MAX_COLORS; ++i)
        m_colors[i] = ::GetSysColor(i % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT);
    RedrawIf(bRepaint);
    return BTNST_OK;
}

DWORD CVnButtonEx::SetColor(BYTE byColorIndex, COLORREF crColor, BOOL bRepaint) {
    if (byColorIndex >= BTNST_MAX_COLORS) return BTNST_INVALIDINDEX;
    m_colors[byColorIndex] = crColor;
    RedrawIf(bRepaint);
    return BTNST_OK;
}

DWORD CVnButtonEx::GetColor(BYTE byColorIndex, COLORREF* crpColor) const {
    if (byColorIndex >= BTNST_MAX_COLORS) return BTNST_INVALIDINDEX;
    *crpColor = m_colors[byColorIndex];
    return BTNST_OK;
}

DWORD CVnButtonEx::SetAlwaysTrack(BOOL bAlwaysTrack) {
    m_alwaysTrack = bAlwaysTrack;
    return BTNST_OK;
}

// The cursor is not painted by the button, so there is nothing to redraw.
DWORD CVnButtonEx::SetBtnCursor(int nCursorId, BOOL /*bRepaint*/) {
    if (m_cursor) ::DestroyCursor(m_cursor);
    m_cursor = nullptr;
    if (nCursorId == 0) return BTNST_OK;
    m_cursor = static_cast<HCURSOR>(loadImage(nCursorId, RT_GROUP_CURSOR, IMAGE_CURSOR));
    return m_cursor ? BTNST_OK : BTNST_INVALIDRESOURCE;
}

void CVnButtonEx::DrawTransparent(BOOL bRepaint) {
    m_drawTransparent = TRUE;
    EmptyBackgroundCache();
    RedrawIf(bRepaint);
}

void CVnButtonEx::EmptyBackgroundCache() {
    if (!m_dcBk.GetSafeHdc()) return;
    if (m_oldBmpBk) ::SelectObject(m_dcBk, m_oldBmpBk);
    m_oldBmpBk = nullptr;
    m_bmpBk.DeleteObject();
    m_dcBk.DeleteDC();
}

// Tool tip.

void CVnButtonEx::InitToolTip() {
    if (m_toolTip.GetSafeHwnd()) return;
    m_toolTip.Create(this, 0);
    m_toolTip.Activate(FALSE);
    m_toolTip.SetMaxTipWidth(kMaxTipWidth);
}

void CVnButtonEx::SetTooltipText(int nText, BOOL bActivate) {
    CString text;
    text.LoadString(UINT(nText));
    if (!text.IsEmpty()) SetTooltipText(text.GetString(), bActivate);
}

void CVnButtonEx::SetTooltipText(LPCTSTR lpszText, BOOL bActivate) {
    if (!lpszText) return;
    InitToolTip();
    if (m_toolTip.GetToolCount() == 0) {
        CRect client;
        GetClientRect(client);
        m_toolTip.AddTool(this, lpszText, client, kToolId);
    }
    m_toolTip.UpdateTipText(lpszText, this, kToolId);
    m_toolTip.Activate(bActivate);
}

void CVnButtonEx::ActivateTooltip(BOOL bEnable) {
    if (m_toolTip.GetSafeHwnd() && m_toolTip.GetToolCount() > 0) m_toolTip.Activate(bEnable);
}

BOOL CVnButtonEx::PreTranslateMessage(MSG* pMsg) {
    InitToolTip();
    m_toolTip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

// Address and menu.

DWORD CVnButtonEx::SetURL(LPCTSTR lpszURL) {
    m_url.clear();
    if (lpszURL) m_url.assign(lpszURL, std::min(wcslen(lpszURL), kMaxUrlLength));
    return BTNST_OK;
}

DWORD CVnButtonEx::SetMenu(UINT nMenu, HWND hParentWnd, BOOL bRepaint) {
    if (m_menu) ::DestroyMenu(m_menu);
    m_menu = nullptr;
    m_menuParent = nullptr;
    if (nMenu) {
        LPCTSTR name = MAKEINTRESOURCE(nMenu);
        m_menu = ::LoadMenuW(AfxFindResourceHandle(name, RT_MENU), name);
        if (!m_menu) return BTNST_INVALIDRESOURCE;
        VnPrompts::setMenuText(m_menu, nMenu, kPromptModule);
        m_menuParent = hParentWnd;
    }
    RedrawIf(bRepaint);
    return BTNST_OK;
}

BOOL CVnButtonEx::OnClicked() {
    if (m_isCheckBox) {
        m_checkState = !m_checkState;
        Invalidate();
    } else if (m_menu) {
        HMENU popup = ::GetSubMenu(m_menu, 0);
        VnPrompts::setMenuText(m_menu, ::GetMenuItemID(popup, 0), kPromptModule);
        m_menuDisplayed = TRUE;
        Invalidate();
        CRect window;
        GetWindowRect(window);
        ::TrackPopupMenuEx(popup, 0, window.left, window.bottom, m_menuParent, nullptr);
        m_menuDisplayed = FALSE;
        Invalidate();
    } else if (!m_url.empty()) {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        info.lpFile = m_url.c_str();
        info.nShow = SW_SHOWMAXIMIZED;
        ::ShellExecuteEx(&info);
    }
    // The parent still hears BN_CLICKED.
    return FALSE;
}

// Window messages.

void CVnButtonEx::PreSubclassWindow() {
    UINT type = UINT(GetStyle()) & kButtonTypeBits;
    m_typeStyle = type;
    if (type & BS_CHECKBOX) m_isCheckBox = TRUE;
    if (type == BS_DEFPUSHBUTTON) {
        m_isDefault = TRUE;
        m_typeStyle = BS_PUSHBUTTON;
    }
    ModifyStyle(kButtonTypeBits, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

LRESULT CVnButtonEx::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    UINT type = UINT(wParam) & kButtonTypeBits;
    if (type == BS_DEFPUSHBUTTON)
        m_isDefault = TRUE;
    else if (type == BS_PUSHBUTTON)
        m_isDefault = FALSE;
    return DefWindowProc(BM_SETSTYLE, (wParam & ~WPARAM(kButtonTypeBits)) | BS_OWNERDRAW, lParam);
}

UINT CVnButtonEx::OnGetDlgCode() {
    UINT code = CButton::OnGetDlgCode();
    return code | (m_isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT CVnButtonEx::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A double click is a second press, so that it gives a second click.
    if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

HBRUSH CVnButtonEx::CtlColor(CDC* /*pDC*/, UINT /*nCtlColor*/) {
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CVnButtonEx::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (!m_cursor) return CButton::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(m_cursor);
    return TRUE;
}

void CVnButtonEx::OnMouseMove(UINT nFlags, CPoint point) {
    CButton::OnMouseMove(nFlags, point);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    HWND under = ::WindowFromPoint(cursor);
    if ((nFlags & MK_LBUTTON) && !m_mouseOnButton) return;
    if (!m_flat) return;
    HWND active = m_alwaysTrack ? m_hWnd : ::GetActiveWindow();
    if (under != m_hWnd || !active) {
        CancelHover();
        return;
    }
    if (m_mouseOnButton) return;
    m_mouseOnButton = TRUE;
    Invalidate();
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
}

void CVnButtonEx::CancelHover() {
    if (!m_flat || !m_mouseOnButton) return;
    m_mouseOnButton = FALSE;
    Invalidate();
}

void CVnButtonEx::OnMouseLeave() {
    CancelHover();
    CButton::OnMouseLeave();
}

void CVnButtonEx::OnKillFocus(CWnd* pNewWnd) {
    CButton::OnKillFocus(pNewWnd);
    CancelHover();
}

void CVnButtonEx::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CButton::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE) CancelHover();
}

void CVnButtonEx::OnCancelMode() {
    CButton::OnCancelMode();
    CancelHover();
}

void CVnButtonEx::OnEnable(BOOL bEnable) {
    CButton::OnEnable(bEnable);
    if (bEnable) return;
    CancelHover();
    // A disabled button cannot keep the focus: it goes to the next tab stop, or the parent.
    CWnd* parent = GetParent();
    if (!parent) return;
    CWnd* next = parent->GetNextDlgTabItem(this);
    if (next && next != this)
        next->SetFocus();
    else
        parent->SetFocus();
}

void CVnButtonEx::OnSysColorChange() {
    CButton::OnSysColorChange();
    EmptyBackgroundCache();
}
