// The pixel work behind every primitive: coordinates turned from logical to surface, the
// effective clip, binary raster operations, and the colour rules of monochrome surfaces.
#pragma once

#include <cstdint>

#include "gdi/dc.h"

namespace gdi {

// Applies a binary raster operation (R2_*) to a destination pixel, channel bits all at once.
std::uint32_t applyRop2(int rop2, std::uint32_t pen, std::uint32_t dst);
// Applies a ternary raster operation (the index byte of a *COPY/*PAINT code). Inline, so that
// block transfers choose the operation once per call rather than once per pixel.
inline std::uint32_t applyRop3(DWORD rop, std::uint32_t pattern, std::uint32_t src,
                               std::uint32_t dst) {
    switch (rop) {
        case SRCCOPY:
            return src;
        case SRCAND:
            return src & dst;
        case SRCPAINT:
            return src | dst;
        case SRCINVERT:
            return src ^ dst;
        case SRCERASE:
            return src & ~dst & 0xFFFFFF;
        case NOTSRCCOPY:
            return ~src & 0xFFFFFF;
        case NOTSRCERASE:
            return ~(src | dst) & 0xFFFFFF;
        case MERGEPAINT:
            return (~src | dst) & 0xFFFFFF;
        case PATCOPY:
            return pattern;
        case PATINVERT:
            return pattern ^ dst;
        case DSTINVERT:
            return ~dst & 0xFFFFFF;
        case BLACKNESS:
            return 0;
        case WHITENESS:
            return 0xFFFFFF;
        default:
            break;
    }
    // Bits 16-23 are the truth table of the result over (pattern, source, destination) bits.
    unsigned table = (rop >> 16) & 0xFF;
    std::uint32_t out = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(table >> i & 1)) continue;
        std::uint32_t p = (i & 4) ? pattern : ~pattern;
        std::uint32_t s = (i & 2) ? src : ~src;
        std::uint32_t d = (i & 1) ? dst : ~dst;
        out |= p & s & d;
    }
    return out & 0xFFFFFF;
}
// Monochrome surfaces hold black or white only; a colour drawn on them becomes the nearer one.
std::uint32_t nearestMono(std::uint32_t pixel);

class Painter {
public:
    explicit Painter(const DeviceContext& dc);
    bool valid() const { return surface_ != nullptr; }
    Surface& surface() const { return *surface_; }
    const RECT& clip() const { return clip_; }
    int dx() const { return dx_; }
    int dy() const { return dy_; }
    bool monochrome() const { return mono_; }

    // The pixel value a colour takes on this surface.
    std::uint32_t pixelOf(COLORREF color) const;
    // Logical rectangle -> clipped surface rectangle (possibly empty).
    RECT toSurface(const RECT& logical) const;
    // Surface coordinates, clipped.
    void plot(int x, int y, std::uint32_t pixel, int rop2);
    void fillSurfaceRect(const RECT& r, std::uint32_t pixel, int rop2);
    // Logical coordinates.
    void fill(const RECT& logical, std::uint32_t pixel, int rop2);
    // A brush's fill; a null brush draws nothing.
    void fillWithBrush(const RECT& logical, const Brush& brush, int rop2);

private:
    Surface* surface_;
    RECT clip_;
    int dx_;
    int dy_;
    bool mono_;
};

}  // namespace gdi
