// Device-independent bitmaps to and from surfaces: the formats resources, files and the DIB
// calls carry (1, 4 and 8 bits with a palette, 24 and 32 bits), top-down or bottom-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "gdi/gditypes.h"
#include "gdi/surface.h"

namespace gdi {

struct DibImage {
    Surface pixels{0, 0};
    // Opacity of a 32-bit image whose fourth bytes are not all zero; empty otherwise.
    std::vector<std::uint8_t> alpha;
    int bitCount = 0;
    // A 1-bit image whose palette is black then white: it becomes a monochrome bitmap.
    bool blackAndWhite = false;
};

// Bytes per row of a DIB: rows are padded to 32 bits.
int dibStride(int width, int bitCount);
// Bytes of the colour table that follows a header.
std::size_t paletteBytes(const BITMAPINFOHEADER& h);

// Reads `rows` rows (the header's height when 0) from bits laid out as `info` says; `bitsSize`
// bounds the reading. Nullopt for a format this layer does not read or for too few bytes.
std::optional<DibImage> readDib(const BITMAPINFO& info, const void* bits, std::size_t bitsSize,
                                int rows = 0);
// A packed DIB: the header, its colour table and the bits, as RT_BITMAP resources hold it.
std::optional<DibImage> readPackedDib(const BYTE* data, std::size_t size, int rows = 0);
// Writes the surface's rows as 24- or 32-bit DIB rows; `out` holds height * dibStride bytes.
void writeDibRows(const Surface& s, int bitCount, bool topDown, BYTE* out);

}  // namespace gdi
