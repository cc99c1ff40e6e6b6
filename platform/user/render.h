// Pictures of windows. Not Win32: a window and its visible children are painted (WM_NCPAINT,
// WM_ERASEBKGND, WM_PAINT, parents before children, bottom of the z-order first) and composed
// into one picture, so that people and reference-image tests can look at dialogs.
#pragma once

#include "gdi/surface.h"
#include "user/winuser.h"

// The window's whole rectangle, frame included. A hidden window is painted as if shown.
gdi::Surface RenderWindow(HWND hwnd);
// Writes RenderWindow's picture as a PNG file; false when the window or the file is bad.
bool RenderWindowToPng(HWND hwnd, const char* path);
