#include "gdi/fontengine.h"

#include <dlfcn.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

#include "win/diagnostics.h"

namespace gdi {
namespace {

// The fonts travel with the library: the build copies them into a folder beside it.
std::string fontPath(bool bold) {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&faceFor), &info);
    std::filesystem::path dir =
        std::filesystem::path(info.dli_fname ? info.dli_fname : "").parent_path();
    return (dir / "fonts" / (bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf")).string();
}

FT_Library library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) AfxNotSupported("FreeType failed to start");
        return l;
    }();
    return lib;
}

int scaled(long fontUnits, int em, int unitsPerEm) {
    return static_cast<int>(std::lround(double(fontUnits) * em / unitsPerEm));
}

// The em size of a logical height: negative is the character height, positive the cell
// height (ascent + descent of the face), zero the size of the dialog font.
int emPixelsFor(LONG lfHeight, const TT_OS2& os2, int unitsPerEm) {
    if (lfHeight < 0) return -lfHeight;
    if (lfHeight == 0) return 11;
    int cell = os2.usWinAscent + os2.usWinDescent;
    return std::max(1, scaled(lfHeight, unitsPerEm, cell));
}

}  // namespace

struct FontFace::Impl {
    FT_Face face = nullptr;
    bool bold = false;
};

FontFace::FontFace(bool bold, bool italic, int emPixels)
    : impl_(std::make_unique<Impl>()), em_(emPixels) {
    impl_->bold = bold;
    std::string path = fontPath(bold);
    if (FT_New_Face(library(), path.c_str(), 0, &impl_->face) != 0) {
        AfxNotSupported(("the bundled font is missing: " + path).c_str());
    }
    FT_Face f = impl_->face;
    FT_Set_Pixel_Sizes(f, 0, em_);
    if (italic) {
        // No oblique face is bundled: italics are the upright face slanted.
        FT_Matrix shear{0x10000, 0x3333, 0, 0x10000};
        FT_Set_Transform(f, &shear, nullptr);
    }
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(f, FT_SFNT_HHEA));
    int upm = f->units_per_EM;
    TEXTMETRICW& tm = metrics_;
    tm.tmAscent = scaled(os2->usWinAscent, em_, upm);
    tm.tmDescent = scaled(os2->usWinDescent, em_, upm);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = tm.tmHeight - em_;
    long hheaHeight = hhea->Ascender - hhea->Descender + hhea->Line_Gap;
    tm.tmExternalLeading =
        std::max(0, scaled(hheaHeight - (os2->usWinAscent + os2->usWinDescent), em_, upm));
    tm.tmAveCharWidth = scaled(os2->xAvgCharWidth, em_, upm);
    tm.tmMaxCharWidth = scaled(hhea->advance_Width_Max, em_, upm);
    tm.tmWeight = bold ? FW_BOLD : FW_NORMAL;
    tm.tmItalic = italic ? 1 : 0;
    tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = L' ';
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = L'?';
    tm.tmBreakChar = L' ';
    tm.tmPitchAndFamily = FF_SWISS | 0x06;  // variable pitch, TrueType
    tm.tmCharSet = ANSI_CHARSET;
}

FontFace::~FontFace() {
    FT_Done_Face(impl_->face);
}

const Glyph& FontFace::glyph(wchar_t ch) {
    auto it = glyphs_.find(ch);
    if (it != glyphs_.end()) return it->second;
    Glyph g;
    FT_Face f = impl_->face;
    if (FT_Load_Char(f, static_cast<FT_ULong>(ch), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0) {
        FT_GlyphSlot slot = f->glyph;
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(slot->bitmap.width);
        g.rows = static_cast<int>(slot->bitmap.rows);
        g.coverage.resize(std::size_t(g.width) * g.rows);
        for (int y = 0; y < g.rows; ++y) {
            const unsigned char* row = slot->bitmap.buffer + std::ptrdiff_t(y) * slot->bitmap.pitch;
            std::copy(row, row + g.width, g.coverage.begin() + std::ptrdiff_t(y) * g.width);
        }
    }
    return glyphs_.emplace(ch, std::move(g)).first->second;
}

int FontFace::width(std::wstring_view text) {
    int w = 0;
    for (wchar_t ch : text) w += advance(ch);
    return w;
}

FontFace& faceFor(const LOGFONTW& font) {
    using Key = std::tuple<bool, bool, LONG>;
    static std::map<Key, std::unique_ptr<FontFace>> faces;
    static std::map<bool, std::pair<int, TT_OS2>> os2Tables;
    bool bold = font.lfWeight >= 600;
    bool italic = font.lfItalic != 0;
    Key key{bold, italic, font.lfHeight};
    auto it = faces.find(key);
    if (it != faces.end()) return *it->second;
    // The cell height of a positive lfHeight depends on the face's vertical metrics.
    auto os2 = os2Tables.find(bold);
    if (os2 == os2Tables.end()) {
        FT_Face probe = nullptr;
        std::string path = fontPath(bold);
        if (FT_New_Face(library(), path.c_str(), 0, &probe) != 0) {
            AfxNotSupported(("the bundled font is missing: " + path).c_str());
        }
        auto* table = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(probe, FT_SFNT_OS2));
        os2 = os2Tables.emplace(bold, std::make_pair(int(probe->units_per_EM), *table)).first;
        FT_Done_Face(probe);
    }
    int em = emPixelsFor(font.lfHeight, os2->second.second, os2->second.first);
    return *faces.emplace(key, std::make_unique<FontFace>(bold, italic, em)).first->second;
}

}  // namespace gdi
