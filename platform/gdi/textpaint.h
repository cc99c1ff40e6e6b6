// Text on a DC: the face of its selected font and the painting of one line of glyphs, shared
// by TextOutW, DrawTextW and DrawStateW.
#pragma once

#include <string_view>

#include "gdi/fontengine.h"
#include "gdi/painter.h"

namespace gdi {

FontFace& currentFace(const DeviceContext& dc);

// Paints a line whose cell has its top-left corner at (x, y) in logical coordinates, blending
// anti-aliased glyphs with `color`, inside `clip` (surface coordinates). `dx` optionally gives
// each character's advance. The font's underline and strike-out are drawn too.
void paintTextLine(const DeviceContext& dc, Painter& painter, int x, int y, std::wstring_view text,
                   const RECT& clip, COLORREF color, const int* dx = nullptr);
// A one-pixel line under the character cell span [x, x + width) of a line at top y.
void paintUnderline(const DeviceContext& dc, Painter& painter, int x, int y, int width,
                    const RECT& clip, COLORREF color);

}  // namespace gdi
