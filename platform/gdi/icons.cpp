#include "gdi/icons.h"

#include "gdi/wingdi.h"

namespace gdi {
namespace {

// The system's icon size (SM_CXICON, SM_CYICON).
constexpr int kSystemIconSize = 32;

Surface copyOfBitmap(HBITMAP h) {
    Bitmap* b = findBitmap(h);
    return b ? *b->surface : Surface(0, 0);
}

HBITMAP bitmapFrom(const Surface& s, int bpp) {
    HBITMAP h = newBitmap(s.width, s.height, bpp);
    *findBitmap(h)->surface = s;
    return h;
}

std::uint32_t blendAlpha(std::uint32_t dst, std::uint32_t src, unsigned a) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        unsigned d = dst >> shift & 0xFF, s = src >> shift & 0xFF;
        out |= ((s * a + d * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

}  // namespace

HICON addIcon(std::unique_ptr<Icon> icon, bool shared) {
    return static_cast<HICON>(shared ? addStockObject(std::move(icon))
                                     : addObject(std::move(icon)));
}

Surface scaledSurface(const Surface& s, int w, int h) {
    if (s.width == w && s.height == h) return s;
    Surface out(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) out.at(x, y) = s.at(x * s.width / w, y * s.height / h);
    }
    return out;
}

void paintIcon(Painter& painter, const Icon& icon, int x, int y, int w, int h, UINT flags) {
    int iw = icon.width(), ih = icon.height();
    RECT area = painter.toSurface(RECT{x, y, x + w, y + h});
    // Icons with an alpha channel are blended; the others are masked, then combined.
    bool blended = !icon.alpha.empty() && (flags & DI_NORMAL) == DI_NORMAL;
    for (int sy = area.top; sy < area.bottom; ++sy) {
        int iy = (sy - y - painter.dy()) * ih / h;
        for (int sx = area.left; sx < area.right; ++sx) {
            int ix = (sx - x - painter.dx()) * iw / w;
            std::uint32_t& d = painter.surface().at(sx, sy);
            std::uint32_t image = icon.colored ? icon.color.at(ix, iy) : icon.mask.at(ix, iy + ih);
            if (blended) {
                d = blendAlpha(d, image, icon.alpha[std::size_t(iy) * iw + ix]);
            } else {
                if (flags & DI_MASK) d &= icon.mask.at(ix, iy);
                if (flags & DI_IMAGE) d = (flags & DI_MASK) ? (d ^ image) : image;
            }
            if (painter.monochrome()) d = nearestMono(d);
        }
    }
}

}  // namespace gdi

using namespace gdi;

HICON CreateIconIndirect(PICONINFO piconinfo) {
    if (!piconinfo || !findBitmap(piconinfo->hbmMask)) return nullptr;
    Surface mask = copyOfBitmap(piconinfo->hbmMask);
    bool colored = findBitmap(piconinfo->hbmColor) != nullptr;
    Surface color = colored ? copyOfBitmap(piconinfo->hbmColor) : Surface(0, 0);
    if (colored && (color.width != mask.width || color.height != mask.height)) return nullptr;
    auto icon = std::make_unique<Icon>(std::move(color), std::move(mask), colored);
    icon->fIcon = piconinfo->fIcon;
    // An icon's hot spot is its centre; a cursor keeps the one it is given.
    icon->hotspot = piconinfo->fIcon ? POINT{icon->width() / 2, icon->height() / 2}
                                     : POINT{LONG(piconinfo->xHotspot), LONG(piconinfo->yHotspot)};
    return addIcon(std::move(icon));
}

BOOL GetIconInfo(HICON hIcon, PICONINFO piconinfo) {
    Icon* icon = findIcon(hIcon);
    if (!icon || !piconinfo) return FALSE;
    piconinfo->fIcon = icon->fIcon;
    piconinfo->xHotspot = DWORD(icon->hotspot.x);
    piconinfo->yHotspot = DWORD(icon->hotspot.y);
    piconinfo->hbmMask = bitmapFrom(icon->mask, 1);
    piconinfo->hbmColor = icon->colored ? bitmapFrom(icon->color, 32) : nullptr;
    return TRUE;
}

HICON CopyIcon(HICON hIcon) {
    Icon* icon = findIcon(hIcon);
    if (!icon) return nullptr;
    auto copy = std::make_unique<Icon>(icon->color, icon->mask, icon->colored);
    copy->alpha = icon->alpha;
    copy->fIcon = icon->fIcon;
    copy->hotspot = icon->hotspot;
    return addIcon(std::move(copy));
}

BOOL DestroyIcon(HICON hIcon) {
    Icon* icon = findIcon(hIcon);
    if (!icon) return FALSE;
    // Shared icons belong to the system and stay.
    if (!icon->stock) eraseObject(hIcon);
    return TRUE;
}

BOOL DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT,
                HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
    DeviceContext* dc = findDC(hdc);
    Icon* icon = findIcon(hIcon);
    if (!dc || !icon) return FALSE;
    bool systemSize = diFlags & DI_DEFAULTSIZE;
    int w = cxWidth ? cxWidth : (systemSize ? kSystemIconSize : icon->width());
    int h = cyWidth ? cyWidth : (systemSize ? kSystemIconSize : icon->height());
    Painter painter(*dc);
    if (!painter.valid() || w <= 0 || h <= 0) return TRUE;
    // The flicker-free brush paints the background the icon is then drawn on.
    if (Brush* background = findBrush(hbrFlickerFreeDraw)) {
        painter.fillWithBrush(RECT{xLeft, yTop, xLeft + w, yTop + h}, *background, R2_COPYPEN);
    }
    paintIcon(painter, *icon, xLeft, yTop, w, h, diFlags & DI_NORMAL);
    return TRUE;
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}
