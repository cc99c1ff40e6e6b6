// Icons inside the layer: making them, drawing them, and their shape for the disabled look.
#pragma once

#include <memory>

#include "gdi/painter.h"

namespace gdi {

// Adds the icon to the object table; a shared icon is never freed nor counted.
HICON addIcon(std::unique_ptr<Icon> icon, bool shared = false);
// Draws the icon's mask and/or image (DI_MASK, DI_IMAGE) into a w x h box at logical (x, y).
void paintIcon(Painter& painter, const Icon& icon, int x, int y, int w, int h, UINT flags);
// A nearest-neighbour copy of a surface at another size.
Surface scaledSurface(const Surface& s, int w, int h);

}  // namespace gdi
