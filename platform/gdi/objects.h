// The GDI object table: every pen, brush, font, bitmap, DC and icon is an object owned by the
// table, and its handle is its address. Handles are checked against the table before use, so
// a stale or foreign handle fails the call as on Windows instead of touching freed memory.
#pragma once

#include <memory>
#include <vector>

#include "gdi/gditypes.h"
#include "gdi/surface.h"

namespace gdi {

enum class Kind { Pen, Brush, Font, Bitmap, DC, Icon };

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Kind kind;
    bool stock = false;
    // Deleted while selected into a DC: freed once no DC holds it any more.
    bool deletePending = false;
};

struct Pen : Object {
    explicit Pen(const LOGPEN& l) : Object(Kind::Pen), log(l) {}
    LOGPEN log;
};

struct Brush : Object {
    explicit Brush(const LOGBRUSH& l) : Object(Kind::Brush), log(l) {}
    LOGBRUSH log;
};

struct Font : Object {
    explicit Font(const LOGFONTW& l) : Object(Kind::Font), log(l) {}
    LOGFONTW log;
};

// The layout of a DIB section's own bits, when they are not the surface's memory itself.
struct DibLayout {
    int bitCount = 32;
    bool topDown = true;
    int stride = 0;
    std::vector<BYTE> bits;
};

struct Bitmap : Object {
    Bitmap(int w, int h, int bpp)
        : Object(Kind::Bitmap), surface(std::make_shared<Surface>(w, h)), bitsPixel(bpp) {}
    std::shared_ptr<Surface> surface;
    // 1 (monochrome: pixels are 0x000000 or 0xFFFFFF) or 32; DIB sections also report 24.
    int bitsPixel;
    bool dibSection = false;
    // For 24-bit or bottom-up DIB sections, whose bits cannot be the surface itself.
    std::unique_ptr<DibLayout> dib;
    bool monochrome() const { return bitsPixel == 1; }
};

struct Icon : Object {
    Icon(Surface c, Surface m, bool hasColor)
        : Object(Kind::Icon), color(std::move(c)), mask(std::move(m)), colored(hasColor) {}
    // For a colour icon: the colour image and the AND mask, both of the icon's size. For a
    // monochrome icon: the mask holds the AND mask over the XOR image (twice the height).
    Surface color;
    Surface mask;
    bool colored;
    // Per-pixel opacity of a 32-bit icon image; empty when the icon has none.
    std::vector<std::uint8_t> alpha;
    BOOL fIcon = TRUE;
    POINT hotspot{0, 0};
    int width() const { return mask.width; }
    int height() const { return colored ? mask.height : mask.height / 2; }
};

// The table. Adding returns the handle; lookups return null for a handle that is not a live
// object of the wanted kind.
HGDIOBJ addObject(std::unique_ptr<Object> object);
Object* findObject(HGDIOBJ handle);
template <class T>
T* findAs(HGDIOBJ handle, Kind kind) {
    Object* o = findObject(handle);
    return o && o->kind == kind ? static_cast<T*>(o) : nullptr;
}
inline Pen* findPen(HGDIOBJ h) {
    return findAs<Pen>(h, Kind::Pen);
}
inline Brush* findBrush(HGDIOBJ h) {
    return findAs<Brush>(h, Kind::Brush);
}
inline Font* findFont(HGDIOBJ h) {
    return findAs<Font>(h, Kind::Font);
}
inline Bitmap* findBitmap(HGDIOBJ h) {
    return findAs<Bitmap>(h, Kind::Bitmap);
}
inline Icon* findIcon(HGDIOBJ h) {
    return findAs<Icon>(h, Kind::Icon);
}
// Frees the object now; the caller has checked that no DC holds it.
void eraseObject(HGDIOBJ handle);
// Stock objects are made once, marked stock and never counted or freed.
HGDIOBJ addStockObject(std::unique_ptr<Object> object);
DWORD liveObjectCount();

// The stock 1 x 1 monochrome bitmap every memory DC starts with.
HBITMAP defaultBitmap();
HBITMAP newBitmap(int w, int h, int bpp);

}  // namespace gdi
