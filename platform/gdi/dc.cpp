#include "gdi/dc.h"

#include <algorithm>
#include <unordered_set>

#include "gdi/dibsync.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"

namespace gdi {
namespace {

std::unordered_set<DeviceContext*>& allDCs() {
    static std::unordered_set<DeviceContext*> dcs;
    return dcs;
}

DcState defaultState() {
    DcState s;
    s.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    s.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    s.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    return s;
}

HDC addDC(std::unique_ptr<DeviceContext> dc) {
    DeviceContext* raw = dc.get();
    allDCs().insert(raw);
    return static_cast<HDC>(addObject(std::move(dc)));
}

bool holds(const DcState& s, HGDIOBJ o) {
    return s.pen == o || s.brush == o || s.font == o || s.bitmap == o;
}

// Objects that a state change dropped may have been waiting for it to be freed.
void releaseState(const DcState& s) {
    for (HGDIOBJ o : {HGDIOBJ(s.pen), HGDIOBJ(s.brush), HGDIOBJ(s.font)}) releaseIfPending(o);
}

// Moving the selected bitmap keeps a DIB section's own bits in step with its surface.
void switchBitmap(HBITMAP from, HBITMAP to) {
    if (from == to) return;
    if (Bitmap* b = findBitmap(from)) pushDib(*b);
    if (Bitmap* b = findBitmap(to)) pullDib(*b);
}

template <class H>
HGDIOBJ exchange(H& slot, HGDIOBJ object) {
    H previous = slot;
    slot = static_cast<H>(object);
    releaseIfPending(previous);
    return previous;
}

// Screen size reported for HORZRES/VERTRES, whatever surface the DC draws on: the same
// 1024 x 768 screen that GetSystemMetrics reports.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

}  // namespace

Surface* DeviceContext::surface() const {
    if (!memory) return fixedSurface.get();
    Bitmap* b = bitmap();
    return b ? b->surface.get() : nullptr;
}

bool DeviceContext::monochrome() const {
    Bitmap* b = bitmap();
    return b && b->monochrome();
}

RECT DeviceContext::clipOnSurface() const {
    Surface* s = surface();
    if (!s) return RECT{0, 0, 0, 0};
    RECT bounds{0, 0, s->width, s->height};
    RECT clip = memory ? bounds : intersect(baseClip, bounds);
    if (state.userClip) clip = intersect(clip, offset(*state.userClip, origin.x, origin.y));
    return clip;
}

DeviceContext* findDC(HDC dc) {
    return findAs<DeviceContext>(dc, Kind::DC);
}

bool isSelectedAnywhere(HGDIOBJ object) {
    for (DeviceContext* dc : allDCs()) {
        if (holds(dc->state, object)) return true;
        for (const DcState& s : dc->saved) {
            if (holds(s, object)) return true;
        }
    }
    return false;
}

void flushDibSections() {
    for (DeviceContext* dc : allDCs()) {
        if (Bitmap* b = dc->bitmap()) pushDib(*b);
    }
}

void releaseIfPending(HGDIOBJ object) {
    Object* o = findObject(object);
    if (o && o->deletePending && !isSelectedAnywhere(object)) eraseObject(object);
}

Pen& currentPen(const DeviceContext& dc) {
    return *findPen(dc.state.pen);
}
Brush& currentBrush(const DeviceContext& dc) {
    return *findBrush(dc.state.brush);
}
Font& currentFont(const DeviceContext& dc) {
    return *findFont(dc.state.font);
}

RECT normalized(RECT r) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

RECT intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return isEmpty(r) ? RECT{0, 0, 0, 0} : r;
}

bool isEmpty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

RECT offset(RECT r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

HDC CreateDCOnSurface(std::shared_ptr<Surface> surface, POINT origin, const RECT& clip) {
    if (!surface) return nullptr;
    auto dc = std::make_unique<DeviceContext>();
    dc->fixedSurface = std::move(surface);
    dc->origin = origin;
    dc->baseClip = clip;
    dc->state = defaultState();
    return addDC(std::move(dc));
}

std::shared_ptr<Surface> SurfaceOfDC(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return nullptr;
    if (!dc->memory) return dc->fixedSurface;
    Bitmap* b = dc->bitmap();
    return b ? b->surface : nullptr;
}

}  // namespace gdi

using namespace gdi;

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !findDC(hdc)) return nullptr;
    auto dc = std::make_unique<DeviceContext>();
    dc->memory = true;
    dc->state = defaultState();
    dc->state.bitmap = defaultBitmap();
    return addDC(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    switchBitmap(dc->state.bitmap, nullptr);
    std::vector<DcState> states = std::move(dc->saved);
    states.push_back(dc->state);
    allDCs().erase(dc);
    eraseObject(hdc);
    for (const DcState& s : states) releaseState(s);
    return TRUE;
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    int depth = static_cast<int>(dc->saved.size());
    int level = nSavedDC < 0 ? depth + nSavedDC + 1 : nSavedDC;
    if (level < 1 || level > depth) return FALSE;
    DcState previous = dc->state;
    dc->state = dc->saved[level - 1];
    std::vector<DcState> dropped(dc->saved.begin() + level - 1, dc->saved.end());
    dc->saved.resize(level - 1);
    switchBitmap(previous.bitmap, dc->state.bitmap);
    releaseState(previous);
    for (const DcState& s : dropped) releaseState(s);
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = findDC(hdc);
    Object* o = findObject(h);
    if (!dc || !o || o->deletePending) return nullptr;
    switch (o->kind) {
        case Kind::Pen:
            return exchange(dc->state.pen, h);
        case Kind::Brush:
            return exchange(dc->state.brush, h);
        case Kind::Font:
            return exchange(dc->state.font, h);
        case Kind::Bitmap: {
            // Only memory DCs take bitmaps, and a bitmap lives in one DC at a time.
            if (!dc->memory) return nullptr;
            if (dc->state.bitmap != h && !o->stock && isSelectedAnywhere(h)) return nullptr;
            HBITMAP previous = dc->state.bitmap;
            switchBitmap(previous, static_cast<HBITMAP>(h));
            dc->state.bitmap = static_cast<HBITMAP>(h);
            return previous;
        }
        default:
            return nullptr;
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return nullptr;
    switch (type) {
        case OBJ_PEN:
            return dc->state.pen;
        case OBJ_BRUSH:
            return dc->state.brush;
        case OBJ_FONT:
            return dc->state.font;
        case OBJ_BITMAP:
            return dc->memory ? dc->state.bitmap : nullptr;
        default:
            return nullptr;
    }
}

namespace {

// Sets one field of a DC's state and returns the previous value, or `failure` for a bad DC.
template <class T, class U>
T swapField(HDC hdc, T DcState::*field, U value, T failure) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return failure;
    T previous = dc->state.*field;
    dc->state.*field = static_cast<T>(value);
    return previous;
}

template <class T>
T readField(HDC hdc, T DcState::*field, T failure) {
    DeviceContext* dc = findDC(hdc);
    return dc ? dc->state.*field : failure;
}

}  // namespace

COLORREF SetTextColor(HDC hdc, COLORREF c) {
    return swapField(hdc, &DcState::textColor, c, CLR_INVALID);
}
COLORREF GetTextColor(HDC hdc) {
    return readField(hdc, &DcState::textColor, CLR_INVALID);
}
COLORREF SetBkColor(HDC hdc, COLORREF c) {
    return swapField(hdc, &DcState::bkColor, c, CLR_INVALID);
}
COLORREF GetBkColor(HDC hdc) {
    return readField(hdc, &DcState::bkColor, CLR_INVALID);
}
int GetBkMode(HDC hdc) {
    return readField(hdc, &DcState::bkMode, 0);
}
int GetROP2(HDC hdc) {
    return readField(hdc, &DcState::rop2, 0);
}
UINT GetTextAlign(HDC hdc) {
    return readField(hdc, &DcState::textAlign, UINT(GDI_ERROR));
}

int SetBkMode(HDC hdc, int mode) {
    if (mode != OPAQUE && mode != TRANSPARENT) return 0;
    return swapField(hdc, &DcState::bkMode, mode, 0);
}

int SetROP2(HDC hdc, int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
    return swapField(hdc, &DcState::rop2, rop2, 0);
}

UINT SetTextAlign(HDC hdc, UINT align) {
    if (align & TA_UPDATECP) AfxNotSupported("SetTextAlign with TA_UPDATECP");
    return swapField(hdc, &DcState::textAlign, align, UINT(GDI_ERROR));
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.viewportOrg;
    dc->state.viewportOrg = POINT{x, y};
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.viewportOrg;
    dc->state.viewportOrg.x += x;
    dc->state.viewportOrg.y += y;
    return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, LPPOINT lppt) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->state.viewportOrg;
    return TRUE;
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = findDC(hdc);
    if (!dc) return ERROR;
    RECT r = offset(normalized(RECT{left, top, right, bottom}), dc->state.viewportOrg.x,
                    dc->state.viewportOrg.y);
    dc->state.userClip = dc->state.userClip ? intersect(*dc->state.userClip, r) : r;
    return isEmpty(dc->clipOnSurface()) ? NULLREGION : SIMPLEREGION;
}

int SelectClipRgn(HDC hdc, HRGN hrgn) {
    if (hrgn) AfxNotSupported("SelectClipRgn with a region other than null");
    DeviceContext* dc = findDC(hdc);
    if (!dc) return ERROR;
    dc->state.userClip.reset();
    return isEmpty(dc->clipOnSurface()) ? NULLREGION : SIMPLEREGION;
}

int GetClipBox(HDC hdc, LPRECT lprect) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !lprect) return ERROR;
    RECT clip = dc->clipOnSurface();
    *lprect = isEmpty(clip) ? RECT{0, 0, 0, 0} : offset(clip, -dc->dx(), -dc->dy());
    return isEmpty(clip) ? NULLREGION : SIMPLEREGION;
}

int GetDeviceCaps(HDC hdc, int index) {
    if (!findDC(hdc)) return 0;
    switch (index) {
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 96;
        case BITSPIXEL:
            return 32;
        case PLANES:
            return 1;
        case HORZRES:
            return kScreenWidth;
        case VERTRES:
            return kScreenHeight;
        default:
            AfxNotSupported("GetDeviceCaps with this index");
    }
}
