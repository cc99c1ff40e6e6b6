// Fonts through FreeType: the bundled face at one pixel size, with its metrics in the terms of
// TEXTMETRICW and a cache of rendered glyphs. Advances are whole pixels taken from hinted
// metrics, so every text measure is the same on every machine and in every build.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gdi/gditypes.h"

namespace gdi {

struct Glyph {
    int advance = 0;
    // Offset of the coverage bitmap from the pen position on the baseline (top is upwards).
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;
};

class FontFace {
public:
    FontFace(bool bold, bool italic, int emPixels);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const Glyph& glyph(wchar_t ch);
    int advance(wchar_t ch) { return glyph(ch).advance; }
    int width(std::wstring_view text);
    // Metrics as GetTextMetricsW reports them.
    const TEXTMETRICW& metrics() const { return metrics_; }
    int emPixels() const { return em_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::unordered_map<wchar_t, Glyph> glyphs_;
    TEXTMETRICW metrics_{};
    int em_;
};

// The face that draws a logical font: any face name, FW_SEMIBOLD and heavier in bold. Unlike
// Windows, a non-zero lfWidth does not narrow or widen the glyphs.
FontFace& faceFor(const LOGFONTW& font);

}  // namespace gdi
