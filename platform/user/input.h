// The one path by which mouse and keyboard input enters the windowing layer. Not Win32: on
// Windows the system's input thread does this. The scripted user feeds it in tests; a real
// display's front would feed the same calls.
#pragma once

#include "user/winuser.h"

namespace user {

// A mouse event at a screen point: WM_MOUSEMOVE, WM_LBUTTONDOWN/UP, WM_RBUTTONDOWN/UP or
// WM_MBUTTONDOWN/UP. Hit-testing, cursor, activation, capture and double clicks follow.
void InputMouse(UINT message, POINT screen);

// A key going down or up; the message goes to the focus window (WM_SYSKEYDOWN/UP while Alt is
// held, or when no window has the focus, to the active window).
void InputKey(UINT vk, bool down);

// A character with no key of its own (accented letters, symbols): a VK_PACKET key press that
// TranslateMessage turns into WM_CHAR with the character.
void InputChar(wchar_t ch);

}  // namespace user

// VK_PACKET carries the character in bits 32..47 of lParam. Windows has no room for it there and
// uses the scan code field; lParam is 64 bits wide here, so the character goes above.
#define VK_PACKET 0xE7
