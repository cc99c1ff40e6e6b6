// Pixels, lines, rectangles, ellipses and pattern fills.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "gdi/painter.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"

namespace gdi {
namespace {

// A cosmetic dotted pen: three pixels drawn, three skipped.
constexpr int kDotRun = 3;

struct Stroke {
    Painter& painter;
    const DeviceContext& dc;
    const Pen& pen;
    int step = 0;

    void dot(int x, int y) {
        bool on = (pen.log.lopnStyle & 0xF) != PS_DOT || (step++ / kDotRun) % 2 == 0;
        if (!on && dc.state.bkMode != OPAQUE) return;
        std::uint32_t pixel = painter.pixelOf(on ? pen.log.lopnColor : dc.state.bkColor);
        int w = pen.log.lopnWidth.x;
        int sx = x + painter.dx(), sy = y + painter.dy();
        if (w <= 1) return painter.plot(sx, sy, pixel, dc.state.rop2);
        // Wide pens cover a square centred on each point of the line.
        painter.fillSurfaceRect(RECT{sx - w / 2, sy - w / 2, sx - w / 2 + w, sy - w / 2 + w}, pixel,
                                dc.state.rop2);
    }

    // Bresenham's line from a to b; the end point is left out, as GDI leaves it.
    void line(POINT a, POINT b) {
        int ddx = std::abs(b.x - a.x), ddy = -std::abs(b.y - a.y);
        int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
        int err = ddx + ddy;
        int x = a.x, y = a.y;
        while (x != b.x || y != b.y) {
            dot(x, y);
            int e2 = 2 * err;
            if (e2 >= ddy) {
                err += ddy;
                x += sx;
            }
            if (e2 <= ddx) {
                err += ddx;
                y += sy;
            }
        }
    }
};

bool nullPen(const Pen& pen) {
    return (pen.log.lopnStyle & 0xF) == PS_NULL;
}

template <class F>
BOOL withDC(HDC hdc, F&& draw) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    Painter painter(*dc);
    if (painter.valid()) draw(*dc, painter);
    return TRUE;
}

void strokeOutline(DeviceContext& dc, Painter& painter, const RECT& r) {
    const Pen& pen = currentPen(dc);
    if (nullPen(pen)) return;
    Stroke s{painter, dc, pen};
    POINT corners[] = {{r.left, r.top},
                       {r.right - 1, r.top},
                       {r.right - 1, r.bottom - 1},
                       {r.left, r.bottom - 1},
                       {r.left, r.top}};
    for (int i = 0; i < 4; ++i) s.line(corners[i], corners[i + 1]);
}

// Whether (x, y) lies in the ellipse inscribed in a w x h box whose corner is the origin.
bool insideEllipse(int x, int y, int w, int h) {
    double a = w / 2.0, b = h / 2.0;
    double nx = (x + 0.5 - a) / a, ny = (y + 0.5 - b) / b;
    return nx * nx + ny * ny <= 1.0;
}

}  // namespace
}  // namespace gdi

using namespace gdi;

namespace {

// The surface pixel under a logical point, or null outside the clip (or without a surface).
std::uint32_t* pixelAt(Painter& painter, int x, int y) {
    const int sx = x + painter.dx(), sy = y + painter.dy();
    const RECT& c = painter.clip();
    if (!painter.valid() || sx < c.left || sx >= c.right || sy < c.top || sy >= c.bottom)
        return nullptr;
    return &painter.surface().at(sx, sy);
}

}  // namespace

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return CLR_INVALID;
    Painter painter(*dc);
    std::uint32_t* pixel = pixelAt(painter, x, y);
    if (!pixel) return CLR_INVALID;
    *pixel = painter.pixelOf(color);
    return ColorFromPixel(*pixel);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return CLR_INVALID;
    Painter painter(*dc);
    const std::uint32_t* pixel = pixelAt(painter, x, y);
    return pixel ? ColorFromPixel(*pixel) : CLR_INVALID;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.current;
    dc->state.current = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    return withDC(hdc, [&](DeviceContext& dc, Painter& painter) {
        const Pen& pen = currentPen(dc);
        if (!nullPen(pen)) Stroke{painter, dc, pen}.line(dc.state.current, POINT{x, y});
        dc.state.current = POINT{x, y};
    });
}

BOOL Polyline(HDC hdc, const POINT* apt, int cpt) {
    if (!apt || cpt < 2) return FALSE;
    return withDC(hdc, [&](DeviceContext& dc, Painter& painter) {
        const Pen& pen = currentPen(dc);
        if (nullPen(pen)) return;
        Stroke s{painter, dc, pen};
        for (int i = 0; i + 1 < cpt; ++i) s.line(apt[i], apt[i + 1]);
    });
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return withDC(hdc, [&](DeviceContext& dc, Painter& painter) {
        RECT r = normalized(RECT{left, top, right, bottom});
        // Without a pen the rectangle shrinks by one pixel on the right and bottom.
        if (nullPen(currentPen(dc))) {
            painter.fillWithBrush(RECT{r.left, r.top, r.right - 1, r.bottom - 1}, currentBrush(dc),
                                  dc.state.rop2);
            return;
        }
        painter.fillWithBrush(RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                              currentBrush(dc), dc.state.rop2);
        strokeOutline(dc, painter, r);
    });
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return withDC(hdc, [&](DeviceContext& dc, Painter& painter) {
        RECT r = normalized(RECT{left, top, right, bottom});
        int w = r.right - r.left, h = r.bottom - r.top;
        const Pen& pen = currentPen(dc);
        const Brush& brush = currentBrush(dc);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (!insideEllipse(x, y, w, h)) continue;
                bool edge = !insideEllipse(x - 1, y, w, h) || !insideEllipse(x + 1, y, w, h) ||
                            !insideEllipse(x, y - 1, w, h) || !insideEllipse(x, y + 1, w, h);
                int sx = r.left + x + painter.dx(), sy = r.top + y + painter.dy();
                if (edge && !nullPen(pen)) {
                    painter.plot(sx, sy, painter.pixelOf(pen.log.lopnColor), dc.state.rop2);
                } else if (brush.log.lbStyle != BS_NULL) {
                    painter.plot(sx, sy, painter.pixelOf(brush.log.lbColor), dc.state.rop2);
                }
            }
        }
    });
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    return withDC(hdc, [&](DeviceContext& dc, Painter& painter) {
        RECT area = painter.toSurface(RECT{x, y, x + w, y + h});
        if (isEmpty(area)) return;
        const Brush& brush = currentBrush(dc);
        unsigned table = rop >> 16 & 0xFF;
        // A hollow brush leaves operations that read the pattern undone.
        if (brush.log.lbStyle == BS_NULL && (table >> 4) != (table & 0xF)) return;
        std::uint32_t pattern = painter.pixelOf(brush.log.lbColor);
        if (rop == PATCOPY) return painter.fillSurfaceRect(area, pattern, R2_COPYPEN);
        for (int sy = area.top; sy < area.bottom; ++sy) {
            for (int sx = area.left; sx < area.right; ++sx) {
                std::uint32_t& d = painter.surface().at(sx, sy);
                d = applyRop3(rop, pattern, d, d);
            }
        }
    });
}

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    Brush* brush = findBrush(hbr);
    if (!lprc || !brush) return FALSE;
    return withDC(hDC, [&](DeviceContext&, Painter& painter) {
        painter.fillWithBrush(*lprc, *brush, R2_COPYPEN);
    });
}

int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    Brush* brush = findBrush(hbr);
    if (!lprc || !brush) return FALSE;
    return withDC(hDC, [&](DeviceContext&, Painter& painter) {
        const RECT& r = *lprc;
        if (isEmpty(r)) return;
        painter.fillWithBrush(RECT{r.left, r.top, r.right, r.top + 1}, *brush, R2_COPYPEN);
        painter.fillWithBrush(RECT{r.left, r.bottom - 1, r.right, r.bottom}, *brush, R2_COPYPEN);
        painter.fillWithBrush(RECT{r.left, r.top, r.left + 1, r.bottom}, *brush, R2_COPYPEN);
        painter.fillWithBrush(RECT{r.right - 1, r.top, r.right, r.bottom}, *brush, R2_COPYPEN);
    });
}

BOOL InvertRect(HDC hDC, const RECT* lprc) {
    if (!lprc) return FALSE;
    return withDC(hDC, [&](DeviceContext&, Painter& painter) { painter.fill(*lprc, 0, R2_NOT); });
}
