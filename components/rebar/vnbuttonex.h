// An owner-drawn push button that the host subclasses onto ordinary dialog buttons. It draws
// an icon or a transparent bitmap beside or above its caption, can look flat and light up
// under the mouse, can act as a check box, shows a tool tip, opens a document or address when
// clicked, or drops down a menu whose texts come from the prompt service.
//
// The button owns every image, cursor and menu handed to it (by id or by handle) and frees
// them when they are replaced and when the object dies.
#pragma once

#include <array>
#include <string>

#include "rebar/host/afx.h"
#include "rebar/host/gui.h"
#include "rebar/rebarapi.h"

class REBAR_API CVnButtonEx : public CButton {
public:
    // Status codes of the setters.
    enum {
        BTNST_OK = 0,
        BTNST_INVALIDRESOURCE = 1,
        BTNST_FAILEDMASK = 2,
        BTNST_INVALIDINDEX = 3,
        BTNST_INVALIDALIGN = 4,
    };
    // Indices of the six colours.
    enum {
        BTNST_COLOR_BK_IN = 0,
        BTNST_COLOR_FG_IN = 1,
        BTNST_COLOR_BK_OUT = 2,
        BTNST_COLOR_FG_OUT = 3,
        BTNST_COLOR_BK_FOCUS = 4,
        BTNST_COLOR_FG_FOCUS = 5,
        BTNST_MAX_COLORS = 6,
    };
    // Image placements.
    enum { ST_ALIGN_HORIZ = 0, ST_ALIGN_VERT = 1, ST_ALIGN_HORIZ_RIGHT = 2 };

    CVnButtonEx();
    ~CVnButtonEx() override;

    static short GetVersionI() { return 34; }
    static LPCTSTR GetVersionC() { return L"3.4"; }

    // Images: entry 0 is shown while hovered or pressed, entry 1 (optional) otherwise.
    DWORD SetIcon(int nIconIn, int nIconOut = 0);
    DWORD SetIcon(HICON hIconIn, HICON hIconOut = nullptr);
    DWORD SetBitmaps(int nBitmapIn, COLORREF crTransColorIn, int nBitmapOut = 0,
                     COLORREF crTransColorOut = 0);
    DWORD SetBitmaps(HBITMAP hBitmapIn, COLORREF crTransColorIn, HBITMAP hBitmapOut = nullptr,
                     COLORREF crTransColorOut = 0);

    DWORD SetFlat(BOOL bFlat = TRUE, BOOL bRepaint = TRUE);
    DWORD SetAlign(BYTE byAlign, BOOL bRepaint = TRUE);
    DWORD DrawBorder(BOOL bDrawBorder = TRUE, BOOL bRepaint = TRUE);
    DWORD DrawFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint = TRUE);
    // Only a check-box button keeps a check state; the others ignore the call.
    DWORD SetCheck(int nCheck, BOOL bRepaint = TRUE);
    int GetCheck() const { return m_checkState; }

    DWORD SetDefaultColors(BOOL bRepaint = TRUE);
    DWORD SetColor(BYTE byColorIndex, COLORREF crColor, BOOL bRepaint = TRUE);
    DWORD GetColor(BYTE byColorIndex, COLORREF* crpColor) const;
    DWORD SetAlwaysTrack(BOOL bAlwaysTrack = TRUE);
    DWORD SetBtnCursor(int nCursorId = 0, BOOL bRepaint = TRUE);

    void SetTooltipText(int nText, BOOL bActivate = TRUE);
    void SetTooltipText(LPCTSTR lpszText, BOOL bActivate = TRUE);
    void ActivateTooltip(BOOL bEnable = TRUE);

    BOOL GetDefault() const { return m_isDefault; }
    void DrawTransparent(BOOL bRepaint = FALSE);
    // Keeps at most 259 characters, as the original fixed buffer did.
    DWORD SetURL(LPCTSTR lpszURL = nullptr);
    DWORD SetMenu(UINT nMenu, HWND hParentWnd, BOOL bRepaint = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    virtual DWORD OnDrawBackground(CDC* pDC, const RECT* pRect);
    virtual DWORD OnDrawBorder(CDC* pDC, const RECT* pRect);

    void PreSubclassWindow() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnSysColorChange();
    void OnEnable(BOOL bEnable);
    void OnKillFocus(CWnd* pNewWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnCancelMode();
    UINT OnGetDlgCode();
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    BOOL OnClicked();
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    // A bitmap's transparency mask: white where the bitmap has crTransColor, black elsewhere.
    // The pixels of that colour in hSourceBitmap itself are turned black so that the two
    // raster operations of DrawTheBitmap leave the background showing through them.
    HBITMAP CreateBitmapMask(HBITMAP hSourceBitmap, DWORD dwWidth, DWORD dwHeight,
                             COLORREF crTransColor);
    // Where the image goes inside rpItem, and how the caption rectangle makes room for it.
    void PrepareImageRect(BOOL bHasTitle, const RECT* rpItem, CRect* rpTitle, BOOL bIsPressed,
                          DWORD dwWidth, DWORD dwHeight, CRect* rpImage) const;
    void DrawTheIcon(CDC* pDC, BOOL bHasTitle, const RECT* rpItem, CRect* rpCaption,
                     BOOL bIsPressed, BOOL bIsDisabled);
    void DrawTheBitmap(CDC* pDC, BOOL bHasTitle, const RECT* rpItem, CRect* rpCaption,
                       BOOL bIsPressed, BOOL bIsDisabled);
    void PaintBk(CDC* pDC);

    struct STRUCT_ICONS {
        HICON hIcon = nullptr;
        DWORD dwWidth = 0;
        DWORD dwHeight = 0;
    };
    struct STRUCT_BITMAPS {
        HBITMAP hBitmap = nullptr;
        DWORD dwWidth = 0;
        DWORD dwHeight = 0;
        HBITMAP hMask = nullptr;
        COLORREF crTransparent = 0;
    };

    BOOL m_flat = TRUE;
    BOOL m_mouseOnButton = FALSE;
    BOOL m_drawTransparent = FALSE;
    BOOL m_pressed = FALSE;
    BOOL m_focused = FALSE;
    BOOL m_disabled = FALSE;
    BOOL m_isDefault = FALSE;
    BOOL m_isCheckBox = FALSE;
    BYTE m_align = ST_ALIGN_HORIZ;
    BOOL m_drawBorder = TRUE;
    BOOL m_drawFlatFocus = FALSE;
    std::array<COLORREF, BTNST_MAX_COLORS> m_colors{};
    HMENU m_menu = nullptr;
    HWND m_menuParent = nullptr;
    BOOL m_menuDisplayed = FALSE;
    HCURSOR m_cursor = nullptr;
    CToolTipCtrl m_toolTip;
    BOOL m_alwaysTrack = FALSE;
    int m_checkState = 0;
    // The button type taken from the style when subclassed: the style's low five bits.
    UINT m_typeStyle = 0x1F;
    std::wstring m_url;
    std::array<STRUCT_ICONS, 2> m_icons{};
    std::array<STRUCT_BITMAPS, 2> m_bitmaps{};

    DECLARE_MESSAGE_MAP()

private:
    void CancelHover();
    void FreeResources(BOOL bCheckForNull = TRUE);
    void InitToolTip();
    void EmptyBackgroundCache();
    void DrawRaisedBorder(CDC* pDC, const CRect& rect);
    void DrawCaption(CDC* pDC, const CString& title, CRect captionRect);
    // Entry 1 while the button rests, entry 0 while it is hovered or pressed.
    int ImageIndex(bool hasNormalImage) const;
    void RedrawIf(BOOL bRepaint);

    // The parent's pixels under the button, kept for transparent drawing.
    CDC m_dcBk;
    CBitmap m_bmpBk;
    HGDIOBJ m_oldBmpBk = nullptr;
};
