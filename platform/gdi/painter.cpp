#include "gdi/painter.h"

#include <algorithm>

namespace gdi {

std::uint32_t applyRop2(int rop2, std::uint32_t pen, std::uint32_t dst) {
    switch (rop2) {
        case R2_COPYPEN:
            return pen;
        case R2_XORPEN:
            return (dst ^ pen) & 0xFFFFFF;
        case R2_NOT:
            return ~dst & 0xFFFFFF;
        case R2_NOP:
            return dst;
        default:
            break;
    }
    // The code minus one is the truth table of the result over (pen, destination) bits.
    unsigned table = static_cast<unsigned>(rop2 - 1);
    std::uint32_t out = 0;
    for (unsigned i = 0; i < 4; ++i) {
        if (!(table >> i & 1)) continue;
        std::uint32_t p = (i & 2) ? pen : ~pen;
        std::uint32_t d = (i & 1) ? dst : ~dst;
        out |= p & d;
    }
    return out & 0xFFFFFF;
}

std::uint32_t nearestMono(std::uint32_t pixel) {
    int sum = int(pixel >> 16 & 0xFF) + int(pixel >> 8 & 0xFF) + int(pixel & 0xFF);
    return sum >= 3 * 128 ? 0xFFFFFF : 0;
}

Painter::Painter(const DeviceContext& dc)
    : surface_(dc.surface()),
      clip_(dc.clipOnSurface()),
      dx_(dc.dx()),
      dy_(dc.dy()),
      mono_(dc.monochrome()) {}

std::uint32_t Painter::pixelOf(COLORREF color) const {
    std::uint32_t p = PixelFromColor(color & 0xFFFFFF);
    return mono_ ? nearestMono(p) : p;
}

RECT Painter::toSurface(const RECT& logical) const {
    return intersect(offset(normalized(logical), dx_, dy_), clip_);
}

void Painter::plot(int x, int y, std::uint32_t pixel, int rop2) {
    if (x < clip_.left || x >= clip_.right || y < clip_.top || y >= clip_.bottom) return;
    std::uint32_t& d = surface_->at(x, y);
    d = applyRop2(rop2, pixel, d);
}

void Painter::fillSurfaceRect(const RECT& area, std::uint32_t pixel, int rop2) {
    RECT r = intersect(area, clip_);
    if (isEmpty(r)) return;
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint32_t* row = &surface_->at(r.left, y);
        if (rop2 == R2_COPYPEN) {
            std::fill(row, row + (r.right - r.left), pixel);
            continue;
        }
        for (int x = 0; x < r.right - r.left; ++x) row[x] = applyRop2(rop2, pixel, row[x]);
    }
}

void Painter::fill(const RECT& logical, std::uint32_t pixel, int rop2) {
    fillSurfaceRect(offset(logical, dx_, dy_), pixel, rop2);
}

void Painter::fillWithBrush(const RECT& logical, const Brush& brush, int rop2) {
    if (brush.log.lbStyle == BS_NULL) return;
    fill(logical, pixelOf(brush.log.lbColor), rop2);
}

}  // namespace gdi
