// 3-D edges and focus rectangles, in the colours of the system scheme.
#include "gdi/painter.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"

namespace gdi {
namespace {

struct EdgeColors {
    int topLeft;
    int bottomRight;
};

// The colours of one border (outer or inner) of an edge; -1 when the border is absent.
EdgeColors borderColors(UINT edge, UINT flags, bool outer) {
    UINT raised = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    UINT sunken = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    if (!(edge & (raised | sunken))) return {-1, -1};
    if (flags & BF_MONO)
        return outer ? EdgeColors{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME}
                     : EdgeColors{COLOR_WINDOW, COLOR_WINDOW};
    if (flags & BF_FLAT)
        return outer ? EdgeColors{COLOR_BTNSHADOW, COLOR_BTNSHADOW}
                     : EdgeColors{COLOR_BTNFACE, COLOR_BTNFACE};
    // Soft edges swap the top-left colours of the outer and inner borders.
    bool lightOuter = outer != bool(flags & BF_SOFT);
    if (edge & raised) {
        return {lightOuter ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT,
                outer ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW};
    }
    return {lightOuter ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW,
            outer ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT};
}

// Draws one border; the right and bottom sides cover the corners they share with the others.
RECT drawBorder(Painter& painter, RECT r, EdgeColors c, UINT flags) {
    if (c.topLeft < 0 || isEmpty(r)) return r;
    std::uint32_t tl = painter.pixelOf(GetSysColor(c.topLeft));
    std::uint32_t br = painter.pixelOf(GetSysColor(c.bottomRight));
    if (flags & BF_LEFT) painter.fill(RECT{r.left, r.top, r.left + 1, r.bottom}, tl, R2_COPYPEN);
    if (flags & BF_TOP) painter.fill(RECT{r.left, r.top, r.right, r.top + 1}, tl, R2_COPYPEN);
    if (flags & BF_RIGHT) painter.fill(RECT{r.right - 1, r.top, r.right, r.bottom}, br, R2_COPYPEN);
    if (flags & BF_BOTTOM)
        painter.fill(RECT{r.left, r.bottom - 1, r.right, r.bottom}, br, R2_COPYPEN);
    return RECT{r.left + ((flags & BF_LEFT) ? 1 : 0), r.top + ((flags & BF_TOP) ? 1 : 0),
                r.right - ((flags & BF_RIGHT) ? 1 : 0), r.bottom - ((flags & BF_BOTTOM) ? 1 : 0)};
}

void invertIfDot(Painter& painter, int x, int y) {
    // Windows aligns the dots to the DC's brush origin; here they follow the surface's
    // checkerboard, which also makes a second call find the same dots.
    if (((x + y) & 1) == 0) painter.plot(x, y, 0, R2_NOT);
}

}  // namespace
}  // namespace gdi

using namespace gdi;

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !qrc) return FALSE;
    if (grfFlags & BF_DIAGONAL) AfxNotSupported("DrawEdge with BF_DIAGONAL");
    Painter painter(*dc);
    if (!painter.valid()) return TRUE;
    RECT inner = drawBorder(painter, *qrc, borderColors(edge, grfFlags, true), grfFlags);
    inner = drawBorder(painter, inner, borderColors(edge, grfFlags, false), grfFlags);
    if (grfFlags & BF_MIDDLE) {
        int face = (grfFlags & (BF_MONO | BF_FLAT)) ? COLOR_WINDOW : COLOR_BTNFACE;
        painter.fill(inner, painter.pixelOf(GetSysColor(face)), R2_COPYPEN);
    }
    if (grfFlags & BF_ADJUST) *qrc = inner;
    return TRUE;
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    DeviceContext* dc = findDC(hDC);
    if (!dc || !lprc) return FALSE;
    Painter painter(*dc);
    RECT r = offset(normalized(*lprc), painter.dx(), painter.dy());
    if (!painter.valid() || isEmpty(r)) return TRUE;
    for (int x = r.left; x < r.right; ++x) {
        invertIfDot(painter, x, r.top);
        if (r.bottom - 1 > r.top) invertIfDot(painter, x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        invertIfDot(painter, r.left, y);
        if (r.right - 1 > r.left) invertIfDot(painter, r.right - 1, y);
    }
    return TRUE;
}
