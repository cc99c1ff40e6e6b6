#include "gdi/objects.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "gdi/dc.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"

namespace gdi {
namespace {

struct Table {
    std::unordered_map<Object*, std::unique_ptr<Object>> objects;
    DWORD live = 0;
};

Table& table() {
    static Table t;
    return t;
}

LOGFONTW makeLogFont(LONG height, LONG weight, const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

HGDIOBJ stockPen(UINT style, COLORREF color) {
    return addStockObject(std::make_unique<Pen>(LOGPEN{style, {1, 0}, color}));
}

HGDIOBJ stockBrush(UINT style, COLORREF color) {
    return addStockObject(std::make_unique<Brush>(LOGBRUSH{style, color, 0}));
}

HGDIOBJ stockFont(const LOGFONTW& lf) {
    return addStockObject(std::make_unique<Font>(lf));
}

// The stock objects in GetStockObject's numbering; gaps are objects this layer does not offer.
const std::vector<HGDIOBJ>& stockObjects() {
    static const std::vector<HGDIOBJ> objects = {
        stockBrush(BS_SOLID, RGB(255, 255, 255)),
        stockBrush(BS_SOLID, RGB(192, 192, 192)),
        stockBrush(BS_SOLID, RGB(128, 128, 128)),
        stockBrush(BS_SOLID, RGB(64, 64, 64)),
        stockBrush(BS_SOLID, RGB(0, 0, 0)),
        stockBrush(BS_NULL, RGB(0, 0, 0)),
        stockPen(PS_SOLID, RGB(255, 255, 255)),
        stockPen(PS_SOLID, RGB(0, 0, 0)),
        stockPen(PS_NULL, RGB(0, 0, 0)),
        nullptr,
        nullptr,
        nullptr,
        // Heights as the Windows stock fonts report them at 96 dpi.
        stockFont(makeLogFont(13, FW_NORMAL, L"MS Sans Serif")),
        stockFont(makeLogFont(16, FW_BOLD, L"System")),
        nullptr,
        nullptr,
        nullptr,
        stockFont(makeLogFont(-11, FW_NORMAL, L"MS Shell Dlg")),
    };
    return objects;
}

template <class T>
int copyOut(const T& value, int size, LPVOID out) {
    if (!out) return static_cast<int>(sizeof(T));
    int n = std::min(size, static_cast<int>(sizeof(T)));
    std::memcpy(out, &value, n);
    return n;
}

BITMAP bitmapInfo(Bitmap& b) {
    BITMAP bm{};
    bm.bmWidth = b.surface->width;
    bm.bmHeight = b.surface->height;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(b.bitsPixel);
    // Device-dependent bitmaps pad rows to 16 bits, DIB sections to 32.
    int rowBits = b.surface->width * b.bitsPixel;
    bm.bmWidthBytes = b.dibSection ? (rowBits + 31) / 32 * 4 : (rowBits + 15) / 16 * 2;
    if (b.dibSection)
        bm.bmBits = b.dib ? b.dib->bits.data() : static_cast<void*>(b.surface->pixels.data());
    return bm;
}

}  // namespace

HGDIOBJ addObject(std::unique_ptr<Object> object) {
    Object* raw = object.get();
    table().objects.emplace(raw, std::move(object));
    ++table().live;
    return raw;
}

HGDIOBJ addStockObject(std::unique_ptr<Object> object) {
    object->stock = true;
    Object* raw = object.get();
    table().objects.emplace(raw, std::move(object));
    return raw;
}

Object* findObject(HGDIOBJ handle) {
    auto it = table().objects.find(static_cast<Object*>(handle));
    return it == table().objects.end() ? nullptr : it->second.get();
}

void eraseObject(HGDIOBJ handle) {
    auto it = table().objects.find(static_cast<Object*>(handle));
    if (it == table().objects.end() || it->second->stock) return;
    table().objects.erase(it);
    --table().live;
}

DWORD liveObjectCount() {
    return table().live;
}

HBITMAP defaultBitmap() {
    static HGDIOBJ bitmap = addStockObject(std::make_unique<Bitmap>(1, 1, 1));
    return static_cast<HBITMAP>(bitmap);
}

HBITMAP newBitmap(int w, int h, int bpp) {
    return static_cast<HBITMAP>(addObject(std::make_unique<Bitmap>(w, h, bpp)));
}

}  // namespace gdi

using namespace gdi;

HGDIOBJ GetStockObject(int i) {
    const auto& objects = stockObjects();
    if (i < 0 || i >= static_cast<int>(objects.size()) || !objects[i]) {
        AfxNotSupported("GetStockObject with this index");
    }
    return objects[i];
}

BOOL DeleteObject(HGDIOBJ ho) {
    Object* o = findObject(ho);
    if (!o || o->kind == Kind::DC || o->kind == Kind::Icon) return FALSE;
    if (o->stock) return TRUE;
    if (isSelectedAnywhere(ho)) {
        // A selected bitmap cannot be deleted; pens, brushes and fonts go when they leave.
        if (o->kind == Kind::Bitmap) return FALSE;
        o->deletePending = true;
        return TRUE;
    }
    eraseObject(ho);
    return TRUE;
}

DWORD GetObjectType(HGDIOBJ h) {
    Object* o = findObject(h);
    if (!o) return 0;
    switch (o->kind) {
        case Kind::Pen:
            return OBJ_PEN;
        case Kind::Brush:
            return OBJ_BRUSH;
        case Kind::Font:
            return OBJ_FONT;
        case Kind::Bitmap:
            return OBJ_BITMAP;
        case Kind::DC:
            return findDC(static_cast<HDC>(h))->memory ? OBJ_MEMDC : OBJ_DC;
        case Kind::Icon:
            return 0;
    }
    return 0;
}

int GetObjectW(HGDIOBJ h, int c, LPVOID pv) {
    Object* o = findObject(h);
    if (!o) return 0;
    switch (o->kind) {
        case Kind::Pen:
            return copyOut(static_cast<Pen*>(o)->log, c, pv);
        case Kind::Brush:
            return copyOut(static_cast<Brush*>(o)->log, c, pv);
        case Kind::Font:
            return copyOut(static_cast<Font*>(o)->log, c, pv);
        case Kind::Bitmap:
            return copyOut(bitmapInfo(*static_cast<Bitmap*>(o)), c, pv);
        default:
            return 0;
    }
}

HPEN CreatePenIndirect(const LOGPEN* plpen) {
    if (!plpen) return nullptr;
    UINT style = plpen->lopnStyle & 0xF;
    if (style != PS_SOLID && style != PS_DOT && style != PS_NULL) {
        AfxNotSupported("pen styles other than PS_SOLID, PS_DOT and PS_NULL");
    }
    LOGPEN log = *plpen;
    log.lopnWidth.x = std::max<LONG>(log.lopnWidth.x, 1);
    log.lopnWidth.y = 0;
    return static_cast<HPEN>(addObject(std::make_unique<Pen>(log)));
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    LOGPEN log{static_cast<UINT>(iStyle), {cWidth, 0}, color};
    return CreatePenIndirect(&log);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush) {
    if (!plbrush) return nullptr;
    if (plbrush->lbStyle != BS_SOLID && plbrush->lbStyle != BS_NULL) {
        AfxNotSupported("brush styles other than BS_SOLID and BS_NULL");
    }
    return static_cast<HBRUSH>(addObject(std::make_unique<Brush>(*plbrush)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    LOGBRUSH log{BS_SOLID, color, 0};
    return CreateBrushIndirect(&log);
}

HFONT CreateFontIndirectW(const LOGFONTW* lplf) {
    if (!lplf) return nullptr;
    if (lplf->lfEscapement || lplf->lfOrientation) AfxNotSupported("rotated fonts");
    LOGFONTW log = *lplf;
    log.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return static_cast<HFONT>(addObject(std::make_unique<Font>(log)));
}

HFONT CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                  DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                  DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily,
                  LPCWSTR pszFaceName) {
    LOGFONTW lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = static_cast<BYTE>(bItalic);
    lf.lfUnderline = static_cast<BYTE>(bUnderline);
    lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName) std::wcsncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

DWORD GetGuiResources(HANDLE, DWORD uiFlags) {
    if (uiFlags != GR_GDIOBJECTS) AfxNotSupported("GetGuiResources other than GR_GDIOBJECTS");
    return liveObjectCount();
}
