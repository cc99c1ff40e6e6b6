// The pixels a device context draws into, and the one call through which the windowing layer
// gets a device context on them. Not Win32: on Windows this seam lies inside the system.
//
// A surface is a 32-bit top-down pixel buffer, one uint32_t per pixel holding 0x00RRGGBB (the
// memory layout of a 32-bit device-independent bitmap; the top byte is unused and kept 0).
// Windows hold a surface per top-level window; memory bitmaps hold one each.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "win/windef.h"

namespace gdi {

struct Surface {
    Surface(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
    std::uint32_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// 0x00BBGGRR (COLORREF) <-> 0x00RRGGBB (pixel).
constexpr std::uint32_t PixelFromColor(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// A device context drawing on `surface`: logical (0, 0) is `origin` on the surface, and nothing
// is drawn outside `clip` (surface coordinates). The windowing layer makes window, client and
// paint DCs this way; DeleteDC (or ReleaseDC / EndPaint above it) frees it.
HDC CreateDCOnSurface(std::shared_ptr<Surface> surface, POINT origin, const RECT& clip);

// The surface a DC draws on (null for an invalid handle): used by pictures and tests.
std::shared_ptr<Surface> SurfaceOfDC(HDC dc);

}  // namespace gdi
