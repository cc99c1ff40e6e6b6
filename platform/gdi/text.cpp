#include <algorithm>
#include <vector>

#include "gdi/textpaint.h"
#include "gdi/wingdi.h"

namespace gdi {
namespace {

std::uint32_t blend(std::uint32_t dst, std::uint32_t color, unsigned a) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        int d = int(dst >> shift & 0xFF), c = int(color >> shift & 0xFF);
        int v = d + ((c - d) * int(a) + (c >= d ? 127 : -127)) / 255;
        out |= std::uint32_t(v) << shift;
    }
    return out;
}

void paintGlyph(Painter& painter, const Glyph& g, int penX, int baseline, const RECT& clip,
                std::uint32_t color) {
    Surface& s = painter.surface();
    for (int row = 0; row < g.rows; ++row) {
        int y = baseline - g.top + row;
        if (y < clip.top || y >= clip.bottom) continue;
        for (int col = 0; col < g.width; ++col) {
            int x = penX + g.left + col;
            unsigned a = g.coverage[std::size_t(row) * g.width + col];
            if (a == 0 || x < clip.left || x >= clip.right) continue;
            std::uint32_t& d = s.at(x, y);
            // A monochrome surface takes the pixels at least half covered.
            if (painter.monochrome()) {
                if (a >= 128) d = color;
            } else {
                d = a == 255 ? color : blend(d, color, a);
            }
        }
    }
}

int textWidth(FontFace& face, std::wstring_view text, const int* dx) {
    if (!dx) return face.width(text);
    int w = 0;
    for (std::size_t i = 0; i < text.size(); ++i) w += dx[i];
    return w;
}

// The cell's top-left corner of a text drawn at (x, y) with the DC's alignment.
POINT alignedOrigin(const DeviceContext& dc, FontFace& face, int x, int y, int width) {
    UINT align = dc.state.textAlign;
    if ((align & TA_CENTER) == TA_CENTER) {
        x -= width / 2;
    } else if (align & TA_RIGHT) {
        x -= width;
    }
    if ((align & TA_BASELINE) == TA_BASELINE) {
        y -= face.metrics().tmAscent;
    } else if (align & TA_BOTTOM) {
        y -= face.metrics().tmHeight;
    }
    return POINT{x, y};
}

}  // namespace

FontFace& currentFace(const DeviceContext& dc) {
    return faceFor(currentFont(dc).log);
}

void paintTextLine(const DeviceContext& dc, Painter& painter, int x, int y, std::wstring_view text,
                   const RECT& clip, COLORREF color, const int* dx) {
    FontFace& face = currentFace(dc);
    RECT area = intersect(clip, painter.clip());
    if (isEmpty(area)) return;
    std::uint32_t pixel = painter.pixelOf(color);
    int penX = x + painter.dx();
    int baseline = y + painter.dy() + face.metrics().tmAscent;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph& g = face.glyph(text[i]);
        paintGlyph(painter, g, penX, baseline, area, pixel);
        penX += dx ? dx[i] : g.advance;
    }
    const LOGFONTW& lf = currentFont(dc).log;
    int width = textWidth(face, text, dx);
    if (lf.lfUnderline) paintUnderline(dc, painter, x, y, width, clip, color);
    if (lf.lfStrikeOut) {
        int strikeY = y + face.metrics().tmAscent - (face.emPixels() * 3 + 5) / 10;
        RECT line = intersect(
            offset(RECT{x, strikeY, x + width, strikeY + 1}, painter.dx(), painter.dy()), area);
        painter.fillSurfaceRect(line, pixel, R2_COPYPEN);
    }
}

void paintUnderline(const DeviceContext& dc, Painter& painter, int x, int y, int width,
                    const RECT& clip, COLORREF color) {
    int lineY = y + currentFace(dc).metrics().tmAscent + 1;
    RECT line = offset(RECT{x, lineY, x + width, lineY + 1}, painter.dx(), painter.dy());
    painter.fillSurfaceRect(intersect(line, clip), painter.pixelOf(color), R2_COPYPEN);
}

}  // namespace gdi

using namespace gdi;

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                 const INT* lpDx) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || (c > 0 && !lpString)) return FALSE;
    Painter painter(*dc);
    if (!painter.valid()) return TRUE;
    std::wstring_view text(lpString ? lpString : L"", c);
    FontFace& face = currentFace(*dc);
    int width = textWidth(face, text, lpDx);
    POINT at = alignedOrigin(*dc, face, x, y, width);
    RECT cell{at.x, at.y, at.x + width, at.y + face.metrics().tmHeight};
    if (lprect && (options & ETO_OPAQUE))
        painter.fill(*lprect, painter.pixelOf(dc->state.bkColor), R2_COPYPEN);
    RECT clip = painter.clip();
    if (lprect && (options & ETO_CLIPPED)) clip = painter.toSurface(*lprect);
    if (dc->state.bkMode == OPAQUE && !(lprect && (options & ETO_OPAQUE))) {
        painter.fillSurfaceRect(intersect(painter.toSurface(cell), clip),
                                painter.pixelOf(dc->state.bkColor), R2_COPYPEN);
    }
    paintTextLine(*dc, painter, at.x, at.y, text, clip, dc->state.textColor, lpDx);
    return TRUE;
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) {
    if (c < 0) return FALSE;
    return ExtTextOutW(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !psizl || c < 0 || (c > 0 && !lpString)) return FALSE;
    FontFace& face = currentFace(*dc);
    psizl->cx = face.width(std::wstring_view(lpString ? lpString : L"", c));
    psizl->cy = face.metrics().tmHeight;
    return TRUE;
}

BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !lptm) return FALSE;
    *lptm = currentFace(*dc).metrics();
    const LOGFONTW& lf = currentFont(*dc).log;
    lptm->tmUnderlined = lf.lfUnderline;
    lptm->tmStruckOut = lf.lfStrikeOut;
    return TRUE;
}

BOOL GetCharWidth32W(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !lpBuffer || iLast < iFirst) return FALSE;
    FontFace& face = currentFace(*dc);
    for (UINT ch = iFirst; ch <= iLast; ++ch)
        lpBuffer[ch - iFirst] = face.advance(static_cast<wchar_t>(ch));
    return TRUE;
}
