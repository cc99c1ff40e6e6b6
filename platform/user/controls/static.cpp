// The static control: behaviour and classic painting.
#include "user/controls/static.h"

#include "user/controls/paintkit.h"
#include "win/diagnostics.h"

namespace user::controls {

namespace {

// The resource named by a control's title: an ordinal travels as MAKEINTRESOURCE or, as in a
// dialog template, as 0xFFFF followed by the number.
LPCWSTR resourceNameOf(LPCWSTR title) {
    if (!title || IS_INTRESOURCE(title)) return title;
    if (title[0] == 0xFFFF) return MAKEINTRESOURCE(title[1]);
    return title[0] ? title : nullptr;
}

}  // namespace

LRESULT Static::onMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handleFont(msg, wParam, lParam, result)) return result;
    if (handlePaint(msg, wParam, result)) return result;
    switch (msg) {
        case WM_CREATE:
            if (kind() == SS_ENHMETAFILE || kind() == SS_USERITEM)
                AfxNotSupported("this static control style");
            if (showsImage()) loadNamedImage(*reinterpret_cast<CREATESTRUCTW*>(lParam));
            return 0;
        case WM_SETTEXT:
            result = defaultProc(msg, wParam, lParam);
            invalidate();
            return result;
        case WM_ENABLE:
            invalidate();
            if (style() & SS_NOTIFY) notifyParent(wParam ? STN_ENABLE : STN_DISABLE);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (style() & SS_NOTIFY) notifyParent(msg == WM_LBUTTONDOWN ? STN_CLICKED : STN_DBLCLK);
            return 0;
        case WM_NCHITTEST:
            // Without SS_NOTIFY a static lets the mouse through to what lies beneath it.
            return (style() & SS_NOTIFY) ? defaultProc(msg, wParam, lParam) : HTTRANSPARENT;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case STM_SETIMAGE:
            return reinterpret_cast<LRESULT>(
                setImage(static_cast<UINT>(wParam), reinterpret_cast<HANDLE>(lParam)));
        case STM_GETIMAGE:
            return wParam == imageType() ? reinterpret_cast<LRESULT>(m_image) : 0;
        case STM_SETICON:
            return reinterpret_cast<LRESULT>(
                setImage(IMAGE_ICON, reinterpret_cast<HANDLE>(wParam)));
        case STM_GETICON:
            return kind() == SS_ICON ? reinterpret_cast<LRESULT>(m_image) : 0;
        default:
            return defaultProc(msg, wParam, lParam);
    }
}

// SS_BITMAP and SS_ICON controls name their image in their title, a resource of the module
// that creates them (the dialog's module for a dialog template).
void Static::loadNamedImage(const CREATESTRUCTW& create) {
    LPCWSTR name = resourceNameOf(create.lpszName);
    if (!name) return;
    UINT flags = kind() == SS_ICON ? LR_DEFAULTSIZE : LR_DEFAULTCOLOR;
    HANDLE image = LoadImageW(create.hInstance, name, imageType(), 0, 0, flags);
    if (image) setImage(imageType(), image);
}

SIZE Static::imageSize() const {
    if (!m_image) return {0, 0};
    if (kind() == SS_BITMAP) {
        BITMAP info{};
        GetObjectW(m_image, sizeof(info), &info);
        return {info.bmWidth, info.bmHeight};
    }
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(m_image), &info)) return {0, 0};
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    SIZE size{mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

LRESULT Static::setImage(UINT type, HANDLE image) {
    if (!showsImage() || type != imageType()) return 0;
    HANDLE previous = m_image;
    m_image = image;
    // Unless told to keep its size, the control takes the image's size, as in Windows.
    if (m_image && !(style() & (SS_CENTERIMAGE | SS_REALSIZECONTROL))) {
        SIZE size = imageSize();
        SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    invalidate();
    return reinterpret_cast<LRESULT>(previous);
}

void Static::paintText(HDC dc, RECT rect) {
    HBRUSH background = controlColors(hwnd(), dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &rect, background);
    UINT format = DT_EXPANDTABS;
    switch (kind()) {
        case SS_CENTER:
            format |= DT_CENTER | DT_WORDBREAK;
            break;
        case SS_RIGHT:
            format |= DT_RIGHT | DT_WORDBREAK;
            break;
        case SS_LEFTNOWORDWRAP:
            format |= DT_LEFT;
            break;
        case SS_SIMPLE:
            format |= DT_LEFT | DT_SINGLELINE;
            break;
        default:
            format |= DT_LEFT | DT_WORDBREAK;
            break;
    }
    if (style() & SS_NOPREFIX) format |= DT_NOPREFIX;
    if (style() & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if ((style() & SS_ENDELLIPSIS) == SS_ENDELLIPSIS) format |= DT_END_ELLIPSIS;
    std::wstring caption = text();
    if (!enabled()) {
        drawDisabledText(dc, caption, rect, format);
        return;
    }
    int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, format);
    SetBkMode(dc, oldMode);
}

void Static::paintImage(HDC dc, RECT rect) {
    HBRUSH background = controlColors(hwnd(), dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &rect, background);
    if (!m_image) return;
    SIZE size = imageSize();
    int x = rect.left;
    int y = rect.top;
    if (style() & SS_CENTERIMAGE) {
        x = (rect.left + rect.right - size.cx) / 2;
        y = (rect.top + rect.bottom - size.cy) / 2;
    }
    if (kind() == SS_ICON) {
        DrawIconEx(dc, x, y, static_cast<HICON>(m_image), size.cx, size.cy, 0, nullptr, DI_NORMAL);
        return;
    }
    HDC source = CreateCompatibleDC(dc);
    {
        SelectScope select(source, m_image);
        // A centred bitmap is surrounded by the colour of its top-left pixel.
        if (style() & SS_CENTERIMAGE) {
            HBRUSH surround = CreateSolidBrush(GetPixel(source, 0, 0));
            FillRect(dc, &rect, surround);
            DeleteObject(surround);
        }
        BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
    }
    DeleteDC(source);
}

// Rectangles, frames and etched lines; false for the kinds that are not shapes.
bool Static::paintShape(HDC dc, const RECT& rect) {
    RECT edge = rect;
    switch (kind()) {
        // The classic look draws these in the 3-D colours.
        case SS_BLACKRECT:
            fillWithSysColor(dc, rect, COLOR_3DDKSHADOW);
            return true;
        case SS_GRAYRECT:
            fillWithSysColor(dc, rect, COLOR_3DSHADOW);
            return true;
        case SS_WHITERECT:
            fillWithSysColor(dc, rect, COLOR_3DHILIGHT);
            return true;
        case SS_BLACKFRAME:
            frameWithSysColor(dc, rect, COLOR_3DDKSHADOW);
            return true;
        case SS_GRAYFRAME:
            frameWithSysColor(dc, rect, COLOR_3DSHADOW);
            return true;
        case SS_WHITEFRAME:
            frameWithSysColor(dc, rect, COLOR_3DHILIGHT);
            return true;
        case SS_ETCHEDHORZ:
            DrawEdge(dc, &edge, EDGE_ETCHED, BF_TOP);
            return true;
        case SS_ETCHEDVERT:
            DrawEdge(dc, &edge, EDGE_ETCHED, BF_LEFT);
            return true;
        case SS_ETCHEDFRAME:
            DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
            return true;
        default:
            return false;
    }
}

void Static::paintOwnerDraw(HDC dc) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd()));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = enabled() ? 0 : ODS_DISABLED;
    item.hwndItem = hwnd();
    item.hDC = dc;
    item.rcItem = clientRect();
    SendMessageW(GetParent(hwnd()), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void Static::paint(HDC dc) {
    if (kind() == SS_OWNERDRAW) {
        paintOwnerDraw(dc);
        return;
    }
    SelectScope selectFont(dc, font());
    RECT rect = clientRect();
    if (style() & SS_SUNKEN) DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (paintShape(dc, rect)) return;
    if (showsImage())
        paintImage(dc, rect);
    else
        paintText(dc, rect);
}

}  // namespace user::controls
