// Device contexts: the drawing state (selected objects, colours, modes, origin and clip) over a
// surface, with the stack SaveDC and RestoreDC walk.
#pragma once

#include <optional>
#include <vector>

#include "gdi/objects.h"

namespace gdi {

struct DcState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = TA_LEFT | TA_TOP;
    POINT viewportOrg{0, 0};
    POINT current{0, 0};
    // The clip set through this DC, in device coordinates; none means the whole DC.
    std::optional<RECT> userClip;
};

struct DeviceContext : Object {
    DeviceContext() : Object(Kind::DC) {}
    // Window DCs draw on a fixed surface; memory DCs on their selected bitmap's.
    std::shared_ptr<Surface> fixedSurface;
    POINT origin{0, 0};
    RECT baseClip{0, 0, 0, 0};
    bool memory = false;
    DcState state;
    std::vector<DcState> saved;

    Surface* surface() const;
    Bitmap* bitmap() const { return memory ? findBitmap(state.bitmap) : nullptr; }
    bool monochrome() const;
    // Logical -> surface coordinates.
    int dx() const { return origin.x + state.viewportOrg.x; }
    int dy() const { return origin.y + state.viewportOrg.y; }
    // The effective clip on the surface: the base clip, the user clip and the surface bounds.
    RECT clipOnSurface() const;
};

DeviceContext* findDC(HDC dc);
// Whether any DC holds the object, in its current or a saved state.
bool isSelectedAnywhere(HGDIOBJ object);
// Frees an object whose deletion waited for it to leave every DC.
void releaseIfPending(HGDIOBJ object);

// The objects a drawing call needs, falling back to the stock defaults.
Pen& currentPen(const DeviceContext& dc);
Brush& currentBrush(const DeviceContext& dc);
Font& currentFont(const DeviceContext& dc);

// Rectangle helpers shared by the primitives.
RECT normalized(RECT r);
RECT intersect(const RECT& a, const RECT& b);
bool isEmpty(const RECT& r);
RECT offset(RECT r, int dx, int dy);

}  // namespace gdi
