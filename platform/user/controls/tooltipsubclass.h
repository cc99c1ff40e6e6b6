// TTF_SUBCLASS: a tool tip watching the mouse messages of a tool's window by subclassing it.
// Internal to the windowing library.
#pragma once

#include "user/winuser.h"

namespace user::controls {

// The watched window's mouse messages are relayed to the tool tip before the window's own
// procedure sees them. Several tool tips may watch one window; the window procedure is put
// back when the last one stops.
void watchMouseOf(HWND watched, HWND toolTip);
void stopWatchingMouseOf(HWND watched, HWND toolTip);

}  // namespace user::controls
