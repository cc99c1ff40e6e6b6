// A 24-bit or bottom-up DIB section keeps its own bits beside the surface the painter draws on.
// The bits are read into the surface when the bitmap enters a DC or is used as a source, and
// written back when it leaves its DC or at GdiFlush. Windows draws into the bits directly; a
// program that reads the bits while the bitmap is still selected must call GdiFlush here.
#pragma once

#include "gdi/objects.h"

namespace gdi {

void pullDib(Bitmap& bitmap);
void pushDib(Bitmap& bitmap);
// Writes back the bits of every DIB section selected into a DC.
void flushDibSections();

}  // namespace gdi
