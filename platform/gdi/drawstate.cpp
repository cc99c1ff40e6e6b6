// DrawStateW: text, icons and bitmaps drawn normally or with the embossed disabled look.
#include <algorithm>
#include <cwchar>
#include <vector>

#include "gdi/icons.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"

namespace gdi {
namespace {

// The picture of an icon: its colour image, or the XOR half of a monochrome icon's mask.
Surface iconImage(const Icon& icon) {
    if (icon.colored) return icon.color;
    Surface image(icon.width(), icon.height());
    std::copy(icon.mask.pixels.begin() + image.pixels.size(), icon.mask.pixels.end(),
              image.pixels.begin());
    return image;
}

// The pixels that make an image's shape: opaque and nearer black than white.
Surface shapeOf(const Surface& image, const Icon* icon) {
    Surface shape(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            std::size_t i = std::size_t(y) * image.width + x;
            bool opaque =
                !icon || (icon->alpha.empty() ? icon->mask.at(x, y) == 0 : icon->alpha[i] >= 128);
            shape.pixels[i] = opaque && nearestMono(image.at(x, y)) == 0;
        }
    }
    return shape;
}

// The disabled look: the shape in the highlight colour one pixel down and right, then in
// the shadow colour in place.
void paintEmbossed(Painter& painter, const Surface& shape, int x, int y) {
    for (auto [color, shift] : {std::pair{COLOR_BTNHIGHLIGHT, 1}, std::pair{COLOR_BTNSHADOW, 0}}) {
        std::uint32_t pixel = painter.pixelOf(GetSysColor(color));
        for (int iy = 0; iy < shape.height; ++iy) {
            for (int ix = 0; ix < shape.width; ++ix) {
                if (!shape.at(ix, iy)) continue;
                painter.plot(x + ix + shift + painter.dx(), y + iy + shift + painter.dy(), pixel,
                             R2_COPYPEN);
            }
        }
    }
}

void drawStateText(HDC hdc, LPCWSTR text, int length, int x, int y, int cx, int cy, UINT uFlags,
                   bool prefix) {
    UINT format = DT_SINGLELINE | DT_NOCLIP | (prefix ? 0 : DT_NOPREFIX);
    if (uFlags & DSS_HIDEPREFIX) format |= DT_HIDEPREFIX;
    if (uFlags & DSS_PREFIXONLY) format |= DT_PREFIXONLY;
    int mode = SetBkMode(hdc, TRANSPARENT);
    COLORREF text0 = GetTextColor(hdc);
    auto drawAt = [&](int dx, int dy) {
        RECT r{x + dx, y + dy, x + dx + cx, y + dy + cy};
        DrawTextW(hdc, text, length, &r, format);
    };
    if (uFlags & DSS_DISABLED) {
        SetTextColor(hdc, GetSysColor(COLOR_BTNHIGHLIGHT));
        drawAt(1, 1);
        SetTextColor(hdc, GetSysColor(COLOR_BTNSHADOW));
    }
    drawAt(0, 0);
    SetTextColor(hdc, text0);
    SetBkMode(hdc, mode);
}

BOOL drawStateImage(DeviceContext& dc, HANDLE image, bool isIcon, int x, int y, int cx, int cy,
                    UINT uFlags) {
    Icon* icon = isIcon ? findIcon(image) : nullptr;
    Bitmap* bitmap = isIcon ? nullptr : findBitmap(image);
    if (!icon && !bitmap) return FALSE;
    int w = cx ? cx : (icon ? icon->width() : bitmap->surface->width);
    int h = cy ? cy : (icon ? icon->height() : bitmap->surface->height);
    Painter painter(dc);
    if (!painter.valid()) return TRUE;
    if (!(uFlags & DSS_DISABLED)) {
        if (icon) {
            paintIcon(painter, *icon, x, y, w, h, DI_NORMAL);
            return TRUE;
        }
        Surface pixels = scaledSurface(*bitmap->surface, w, h);
        for (int iy = 0; iy < h; ++iy) {
            for (int ix = 0; ix < w; ++ix)
                painter.plot(x + ix + painter.dx(), y + iy + painter.dy(), pixels.at(ix, iy),
                             R2_COPYPEN);
        }
        return TRUE;
    }
    Surface picture = icon ? iconImage(*icon) : *bitmap->surface;
    paintEmbossed(painter, scaledSurface(shapeOf(picture, icon), w, h), x, y);
    return TRUE;
}

}  // namespace
}  // namespace gdi

using namespace gdi;

BOOL DrawStateW(HDC hdc, HBRUSH, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData, int x,
                int y, int cx, int cy, UINT uFlags) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    if (uFlags & (DSS_MONO | DSS_UNION | DSS_RIGHT))
        AfxNotSupported("DrawState with DSS_MONO, DSS_UNION or DSS_RIGHT");
    UINT type = uFlags & 0xF;
    switch (type) {
        case DST_TEXT:
        case DST_PREFIXTEXT: {
            auto text = reinterpret_cast<LPCWSTR>(lData);
            if (!text) return FALSE;
            int length = wData ? int(wData) : int(std::wcslen(text));
            if (!cx || !cy) {
                RECT r{0, 0, 0, 0};
                DrawTextW(hdc, text, length, &r,
                          DT_CALCRECT | DT_SINGLELINE | (type == DST_TEXT ? DT_NOPREFIX : 0));
                cx = cx ? cx : r.right;
                cy = cy ? cy : r.bottom;
            }
            drawStateText(hdc, text, length, x, y, cx, cy, uFlags, type == DST_PREFIXTEXT);
            return TRUE;
        }
        case DST_ICON:
        case DST_BITMAP:
            return drawStateImage(*dc, reinterpret_cast<HANDLE>(lData), type == DST_ICON, x, y, cx,
                                  cy, uFlags);
        case DST_COMPLEX: {
            if (!qfnCallBack || (uFlags & DSS_DISABLED))
                AfxNotSupported("DrawState DST_COMPLEX other than normal");
            // The callback draws with the image's corner as its origin.
            int saved = SaveDC(hdc);
            OffsetViewportOrgEx(hdc, x, y, nullptr);
            BOOL done = qfnCallBack(hdc, lData, wData, cx, cy);
            RestoreDC(hdc, saved);
            return done;
        }
        default:
            return FALSE;
    }
}
