// The extended button's painting: frame, background, border, image, caption and focus.
#include "rebar/vnbuttonex.h"

namespace {

constexpr int kImageMargin = 3;
constexpr int kFocusInset = 3;
constexpr UINT kCaptionFormat = DT_WORDBREAK | DT_CENTER;

// Draws the two segments (from, corner) and (corner, to) with a solid one-pixel pen.
void drawCorner(CDC* pDC, COLORREF color, POINT from, POINT corner, POINT to) {
    CPen pen(PS_SOLID, 1, color);
    CPen* old = pDC->SelectObject(&pen);
    pDC->MoveTo(from);
    pDC->LineTo(corner);
    pDC->LineTo(to);
    pDC->SelectObject(old);
}

}  // namespace

void CVnButtonEx::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const UINT state = lpDIS->itemState;
    const BOOL selected = (state & ODS_SELECTED) != 0;
    m_pressed = m_isCheckBox ? (selected || m_checkState) : (selected || m_menuDisplayed);
    m_focused = (state & ODS_FOCUS) != 0;
    m_disabled = (state & ODS_DISABLED) != 0;
    pDC->SetBkMode(TRANSPARENT);

    CRect itemRect = lpDIS->rcItem;
    if (!m_flat && (m_focused || m_isDefault)) {
        CBrush black(RGB(0, 0, 0));
        pDC->FrameRect(itemRect, &black);
        itemRect.DeflateRect(1, 1);
    }

    if (m_drawTransparent)
        PaintBk(pDC);
    else
        OnDrawBackground(pDC, itemRect);

    if (!m_pressed) {
        if (!m_flat)
            DrawRaisedBorder(pDC, itemRect);
        else if (m_mouseOnButton && m_drawBorder)
            OnDrawBorder(pDC, itemRect);
    } else if (!m_flat) {
        CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
        pDC->FrameRect(itemRect, &shadow);
    } else if (m_drawBorder) {
        OnDrawBorder(pDC, itemRect);
    }

    CString title;
    GetWindowText(title);
    CRect captionRect = lpDIS->rcItem;
    if (m_icons[0].hIcon) {
        DrawTheIcon(pDC, !title.IsEmpty(), &lpDIS->rcItem, &captionRect, m_pressed, m_disabled);
    } else if (m_bitmaps[0].hBitmap) {
        pDC->SetBkColor(RGB(255, 255, 255));
        DrawTheBitmap(pDC, !title.IsEmpty(), &lpDIS->rcItem, &captionRect, m_pressed, m_disabled);
    }
    if (!title.IsEmpty()) DrawCaption(pDC, title, captionRect);

    if ((!m_flat || m_drawFlatFocus) && m_focused) {
        CRect focusRect = itemRect;
        focusRect.DeflateRect(kFocusInset, kFocusInset);
        pDC->DrawFocusRect(focusRect);
    }
}

// The classic raised push-button edge, one line of each of the four 3-D colours.
void CVnButtonEx::DrawRaisedBorder(CDC* pDC, const CRect& r) {
    const LONG l = r.left, t = r.top, rt = r.right, b = r.bottom;
    drawCorner(pDC, ::GetSysColor(COLOR_BTNHIGHLIGHT), {l, b - 1}, {l, t}, {rt, t});
    drawCorner(pDC, ::GetSysColor(COLOR_3DLIGHT), {l + 1, b - 1}, {l + 1, t + 1}, {rt, t + 1});
    drawCorner(pDC, ::GetSysColor(COLOR_3DDKSHADOW), {l, b - 1}, {rt - 1, b - 1}, {rt - 1, t - 1});
    drawCorner(pDC, ::GetSysColor(COLOR_BTNSHADOW), {l + 1, b - 2}, {rt - 2, b - 2}, {rt - 2, t});
}

void CVnButtonEx::DrawCaption(CDC* pDC, const CString& title, CRect captionRect) {
    if (m_pressed && !m_isCheckBox) captionRect.OffsetRect(1, 1);
    CRect centerRect = captionRect;
    pDC->DrawText(title, captionRect, kCaptionFormat | DT_CALCRECT);
    captionRect.OffsetRect((centerRect.Width() - captionRect.Width()) / 2,
                           (centerRect.Height() - captionRect.Height()) / 2);
    pDC->SetBkMode(TRANSPARENT);
    if (m_disabled) {
        // Embossed, as Windows draws disabled text: a highlight copy one pixel down-right.
        captionRect.OffsetRect(1, 1);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->DrawText(title, captionRect, kCaptionFormat);
        captionRect.OffsetRect(-1, -1);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        pDC->DrawText(title, captionRect, kCaptionFormat);
        return;
    }
    const bool lit = m_mouseOnButton || m_pressed;
    pDC->SetTextColor(m_colors[lit ? BTNST_COLOR_FG_IN : BTNST_COLOR_FG_OUT]);
    pDC->SetBkColor(m_colors[lit ? BTNST_COLOR_BK_IN : BTNST_COLOR_BK_OUT]);
    pDC->DrawText(title, captionRect, kCaptionFormat);
}

DWORD CVnButtonEx::OnDrawBackground(CDC* pDC, const RECT* pRect) {
    int index = BTNST_COLOR_BK_OUT;
    if (m_mouseOnButton || m_pressed)
        index = BTNST_COLOR_BK_IN;
    else if (m_focused)
        index = BTNST_COLOR_BK_FOCUS;
    pDC->FillSolidRect(pRect, m_colors[index]);
    return BTNST_OK;
}

DWORD CVnButtonEx::OnDrawBorder(CDC* pDC, const RECT* pRect) {
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_pressed)
        pDC->Draw3dRect(pRect, dark, light);
    else
        pDC->Draw3dRect(pRect, light, dark);
    return BTNST_OK;
}

// Images.

void CVnButtonEx::PrepareImageRect(BOOL bHasTitle, const RECT* rpItem, CRect* rpTitle,
                                   BOOL bIsPressed, DWORD dwWidth, DWORD dwHeight,
                                   CRect* rpImage) const {
    const CRect btn(rpItem);
    const int w = int(dwWidth), h = int(dwHeight);
    rpImage->CopyRect(btn);
    switch (m_align) {
        case ST_ALIGN_HORIZ:
            if (bHasTitle) {
                rpImage->left += kImageMargin;
                rpTitle->left += w + kImageMargin;
            } else {
                rpImage->left += (btn.Width() - w) / 2;
            }
            rpImage->top += (btn.Height() - h) / 2;
            break;
        case ST_ALIGN_VERT:
            rpImage->left += (btn.Width() - w) / 2;
            if (bHasTitle) {
                rpImage->top = kImageMargin;
                rpTitle->top += h;
            } else {
                rpImage->top += (btn.Height() - h) / 2;
            }
            break;
        default:
            if (bHasTitle) {
                rpTitle->left = kImageMargin;
                rpTitle->right = rpTitle->Width() - w - kImageMargin;
                rpImage->left = btn.Width() - w - kImageMargin;
                rpImage->top += (btn.Height() - h) / 2;
            } else {
                rpImage->left += (btn.Width() - w) / 2;
            }
            break;
    }
    rpImage->right = rpImage->left + w;
    rpImage->bottom = rpImage->top + h;
    if (bIsPressed && !m_isCheckBox) rpImage->OffsetRect(1, 1);
}

int CVnButtonEx::ImageIndex(bool hasNormalImage) const {
    const bool hot = m_pressed || (!m_isCheckBox && m_mouseOnButton);
    return hasNormalImage && !hot ? 1 : 0;
}

void CVnButtonEx::DrawTheIcon(CDC* pDC, BOOL bHasTitle, const RECT* rpItem, CRect* rpCaption,
                              BOOL bIsPressed, BOOL bIsDisabled) {
    const STRUCT_ICONS& icon = m_icons[ImageIndex(m_icons[1].hIcon != nullptr)];
    CRect image;
    PrepareImageRect(bHasTitle, rpItem, rpCaption, bIsPressed, icon.dwWidth, icon.dwHeight, &image);
    pDC->DrawState(image.TopLeft(), image.Size(), icon.hIcon,
                   bIsDisabled ? DSS_DISABLED : DSS_NORMAL, static_cast<HBRUSH>(nullptr));
}

// A disabled bitmap is drawn as an enabled one.
void CVnButtonEx::DrawTheBitmap(CDC* pDC, BOOL bHasTitle, const RECT* rpItem, CRect* rpCaption,
                                BOOL bIsPressed, BOOL /*bIsDisabled*/) {
    const STRUCT_BITMAPS& bitmap = m_bitmaps[ImageIndex(m_bitmaps[1].hBitmap != nullptr)];
    CRect image;
    PrepareImageRect(bHasTitle, rpItem, rpCaption, bIsPressed, bitmap.dwWidth, bitmap.dwHeight,
                     &image);
    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    // The mask's black pixels become the text colour on the way in: black keeps them holes.
    const COLORREF oldText = pDC->SetTextColor(RGB(0, 0, 0));
    HGDIOBJ old = ::SelectObject(memDC, bitmap.hMask);
    pDC->BitBlt(image.left, image.top, image.Width(), image.Height(), &memDC, 0, 0, SRCAND);
    ::SelectObject(memDC, bitmap.hBitmap);
    pDC->BitBlt(image.left, image.top, image.Width(), image.Height(), &memDC, 0, 0, SRCPAINT);
    ::SelectObject(memDC, old);
    pDC->SetTextColor(oldText);
}

HBITMAP CVnButtonEx::CreateBitmapMask(HBITMAP hSourceBitmap, DWORD dwWidth, DWORD dwHeight,
                                      COLORREF crTransColor) {
    HBITMAP hMask = ::CreateBitmap(int(dwWidth), int(dwHeight), 1, 1, nullptr);
    if (!hMask) return nullptr;
    HDC hdcSrc = ::CreateCompatibleDC(nullptr);
    HDC hdcDest = ::CreateCompatibleDC(nullptr);
    HGDIOBJ oldSrc = ::SelectObject(hdcSrc, hSourceBitmap);
    HGDIOBJ oldDest = ::SelectObject(hdcDest, hMask);

    // Colour to monochrome: pixels of the background colour become white.
    const COLORREF oldSrcBk = ::SetBkColor(hdcSrc, crTransColor);
    ::BitBlt(hdcDest, 0, 0, int(dwWidth), int(dwHeight), hdcSrc, 0, 0, SRCCOPY);
    // Monochrome to colour: white becomes the background colour (black), black the text
    // colour (white), so the AND blackens exactly the transparent pixels.
    const COLORREF oldSrcText = ::SetTextColor(hdcSrc, RGB(255, 255, 255));
    ::SetBkColor(hdcSrc, RGB(0, 0, 0));
    ::BitBlt(hdcSrc, 0, 0, int(dwWidth), int(dwHeight), hdcDest, 0, 0, SRCAND);

    ::SetBkColor(hdcSrc, oldSrcBk);
    ::SetTextColor(hdcSrc, oldSrcText);
    ::SelectObject(hdcSrc, oldSrc);
    ::SelectObject(hdcDest, oldDest);
    ::DeleteDC(hdcSrc);
    ::DeleteDC(hdcDest);
    return hMask;
}

// Transparent background: the parent's pixels under the button, copied once and kept.
void CVnButtonEx::PaintBk(CDC* pDC) {
    CRect client;
    GetClientRect(client);
    if (!m_dcBk.GetSafeHdc()) {
        CWnd* parent = GetParent();
        CClientDC parentDC(parent);
        CRect window;
        GetWindowRect(window);
        parent->ScreenToClient(window);
        m_dcBk.CreateCompatibleDC(&parentDC);
        m_bmpBk.CreateCompatibleBitmap(&parentDC, client.Width(), client.Height());
        m_oldBmpBk = ::SelectObject(m_dcBk, m_bmpBk);
        m_dcBk.BitBlt(0, 0, client.Width(), client.Height(), &parentDC, window.left, window.top,
                      SRCCOPY);
    }
    pDC->BitBlt(0, 0, client.Width(), client.Height(), &m_dcBk, 0, 0, SRCCOPY);
}
