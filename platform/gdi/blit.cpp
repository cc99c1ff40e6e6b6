// Block transfers with ternary raster operations and the colour <-> monochrome rules.
#include <cstring>

#include "gdi/painter.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"

namespace gdi {
namespace {

bool usesSource(DWORD rop) {
    unsigned t = rop >> 16 & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}

bool usesPattern(DWORD rop) {
    unsigned t = rop >> 16 & 0xFF;
    return (t >> 4) != (t & 0xF);
}

// How a source pixel reads in the destination: colour to monochrome makes the source DC's
// background colour white and everything else black; monochrome to colour makes white the
// destination's background colour and black its text colour.
struct SourceConversion {
    enum class Kind { None, ToMono, ToColor } kind = Kind::None;
    std::uint32_t key = 0;
    std::uint32_t white = 0xFFFFFF;
    std::uint32_t black = 0;

    SourceConversion(const DeviceContext& src, const DeviceContext& dst) {
        if (src.monochrome() && !dst.monochrome()) {
            kind = Kind::ToColor;
            white = PixelFromColor(dst.state.bkColor & 0xFFFFFF);
            black = PixelFromColor(dst.state.textColor & 0xFFFFFF);
        } else if (!src.monochrome() && dst.monochrome()) {
            kind = Kind::ToMono;
            key = PixelFromColor(src.state.bkColor & 0xFFFFFF);
        }
    }
    std::uint32_t operator()(std::uint32_t p) const {
        switch (kind) {
            case Kind::ToColor:
                return p ? white : black;
            case Kind::ToMono:
                return (p & 0xFFFFFF) == key ? 0xFFFFFF : 0;
            default:
                return p & 0xFFFFFF;
        }
    }
};

struct Source {
    const Surface* surface = nullptr;
    int x0 = 0, y0 = 0;  // surface position of the source rectangle's corner
    int w = 0, h = 0;
};

// Copies rows straight across when nothing is converted, scaled or combined.
bool copyRows(Painter& dst, const RECT& area, const Source& src, int destX, int destY) {
    int sx = src.x0 + area.left - destX, sy = src.y0 + area.top - destY;
    if (sx < 0 || sy < 0 || sx + (area.right - area.left) > src.surface->width ||
        sy + (area.bottom - area.top) > src.surface->height) {
        return false;
    }
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* from =
            src.surface->pixels.data() + std::size_t(sy + y - area.top) * src.surface->width + sx;
        std::memcpy(&dst.surface().at(area.left, y), from,
                    sizeof(std::uint32_t) * (area.right - area.left));
    }
    return true;
}

// One block transfer: where it lands, what it reads and how the source is scaled.
struct Transfer {
    RECT area;
    Source src;
    SourceConversion convert;
    int destX, destY, wDest, hDest;
    bool hasSource;
};

// Whether the source rectangle under the whole area lies on the source surface.
bool sourceCovers(const Transfer& t) {
    const int sx = t.src.x0 + t.area.left - t.destX, sy = t.src.y0 + t.area.top - t.destY;
    return sx >= 0 && sy >= 0 && sx + (t.area.right - t.area.left) <= t.src.surface->width &&
           sy + (t.area.bottom - t.area.top) <= t.src.surface->height;
}

// Combines every pixel of the area with its source pixel through op(source, destination).
template <class Op>
void transferRows(Painter& painter, const Transfer& t, Op op) {
    const bool sameSize = t.src.w == t.wDest && t.src.h == t.hDest;
    if (t.hasSource && sameSize && t.convert.kind == SourceConversion::Kind::None &&
        sourceCovers(t)) {
        const int width = t.area.right - t.area.left;
        for (int y = t.area.top; y < t.area.bottom; ++y) {
            std::uint32_t* row = &painter.surface().at(t.area.left, y);
            const std::uint32_t* from = t.src.surface->pixels.data() +
                                        std::size_t(t.src.y0 + y - t.destY) * t.src.surface->width +
                                        (t.src.x0 + t.area.left - t.destX);
            for (int x = 0; x < width; ++x) row[x] = op(from[x] & 0xFFFFFF, row[x] & 0xFFFFFF);
        }
        return;
    }
    for (int y = t.area.top; y < t.area.bottom; ++y) {
        int sy =
            t.src.y0 + (sameSize ? y - t.destY : int((long long)(y - t.destY) * t.src.h / t.hDest));
        if (t.hasSource && (sy < 0 || sy >= t.src.surface->height)) continue;
        std::uint32_t* row = &painter.surface().at(0, y);
        const std::uint32_t* srcRow =
            t.hasSource ? t.src.surface->pixels.data() + std::size_t(sy) * t.src.surface->width
                        : nullptr;
        for (int x = t.area.left; x < t.area.right; ++x) {
            std::uint32_t s = 0;
            if (srcRow) {
                int sx = t.src.x0 + (sameSize ? x - t.destX
                                              : int((long long)(x - t.destX) * t.src.w / t.wDest));
                if (sx < 0 || sx >= t.src.surface->width) continue;
                s = t.convert(srcRow[sx]);
            }
            row[x] = op(s, row[x] & 0xFFFFFF);
        }
    }
}

}  // namespace
}  // namespace gdi

using namespace gdi;

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc,
                int ySrc, int wSrc, int hSrc, DWORD rop) {
    DeviceContext* dst = findDC(hdcDest);
    DeviceContext* srcDC = usesSource(rop) ? findDC(hdcSrc) : nullptr;
    if (!dst || (usesSource(rop) && !srcDC)) return FALSE;
    if (wDest < 0 || hDest < 0 || wSrc < 0 || hSrc < 0) AfxNotSupported("mirrored StretchBlt");
    Painter painter(*dst);
    if (!painter.valid()) return TRUE;
    RECT area = painter.toSurface(RECT{xDest, yDest, xDest + wDest, yDest + hDest});
    if (isEmpty(area) || (srcDC && (wSrc == 0 || hSrc == 0))) return TRUE;
    const Brush& brush = currentBrush(*dst);
    if (usesPattern(rop) && brush.log.lbStyle == BS_NULL) return TRUE;
    std::uint32_t pattern = painter.pixelOf(brush.log.lbColor);
    int destX = xDest + painter.dx(), destY = yDest + painter.dy();
    Source src;
    Surface copy(0, 0);
    if (srcDC) {
        Painter sp(*srcDC);
        if (!sp.valid()) return FALSE;
        src = Source{&sp.surface(), xSrc + sp.dx(), ySrc + sp.dy(), wSrc, hSrc};
        // A transfer within one surface reads a copy, so that overlapping areas move intact.
        if (src.surface == &painter.surface()) {
            copy = *src.surface;
            src.surface = &copy;
        }
    }
    SourceConversion convert =
        srcDC ? SourceConversion(*srcDC, *dst) : SourceConversion(*dst, *dst);
    bool sameSize = wSrc == wDest && hSrc == hDest;
    if (srcDC && rop == SRCCOPY && sameSize && convert.kind == SourceConversion::Kind::None &&
        copyRows(painter, area, src, destX, destY)) {
        return TRUE;
    }
    const Transfer transfer{area, src, convert, destX, destY, wDest, hDest, srcDC != nullptr};
    // The operations a masked image uses get their own loop; the others share a general one.
    switch (rop) {
        case SRCCOPY:
            transferRows(painter, transfer, [](std::uint32_t s, std::uint32_t) { return s; });
            break;
        case SRCAND:
            transferRows(painter, transfer, [](std::uint32_t s, std::uint32_t d) { return s & d; });
            break;
        case SRCPAINT:
            transferRows(painter, transfer, [](std::uint32_t s, std::uint32_t d) { return s | d; });
            break;
        case SRCINVERT:
            transferRows(painter, transfer, [](std::uint32_t s, std::uint32_t d) { return s ^ d; });
            break;
        default:
            transferRows(painter, transfer, [rop, pattern](std::uint32_t s, std::uint32_t d) {
                return applyRop3(rop, pattern, s, d);
            });
    }
    return TRUE;
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    return StretchBlt(hdc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}
