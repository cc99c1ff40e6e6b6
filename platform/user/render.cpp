#include "user/render.h"

#include "gdi/png.h"
#include "user/desktop.h"

using namespace user::detail;

gdi::Surface RenderWindow(HWND hwnd) {
    Window* w = W(hwnd);
    if (!w) return gdi::Surface(0, 0);
    // Painting skips hidden windows; the window itself is shown for the picture's sake only,
    // without any message, and hidden again.
    bool hidden = !w->visible();
    w->style |= WS_VISIBLE;
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (!(w = W(hwnd))) return gdi::Surface(0, 0);
    if (hidden) w->style &= ~WS_VISIBLE;
    Window* root = W(GetAncestor(hwnd, GA_ROOT));
    RECT box, rootBox;
    GetWindowRect(hwnd, &box);
    GetWindowRect(root->handle, &rootBox);
    gdi::Surface picture(box.right - box.left, box.bottom - box.top);
    if (!root->surface) return picture;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            int sx = x + box.left - rootBox.left, sy = y + box.top - rootBox.top;
            if (sx < root->surface->width && sy < root->surface->height)
                picture.at(x, y) = root->surface->at(sx, sy);
        }
    }
    return picture;
}

bool RenderWindowToPng(HWND hwnd, const char* path) {
    if (!IsWindow(hwnd) || !path) return false;
    return gdi::WritePng(RenderWindow(hwnd), path);
}
