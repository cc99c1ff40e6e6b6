// The tool tip control's messages, flags, notifications and TOOLINFOW, with their Windows
// values (the wide forms only).
#pragma once

#include "user/winstyles.h"
#include "win/windef.h"

#define TOOLTIPS_CLASSW L"tooltips_class32"

#define TTM_ACTIVATE (0x0400 + 1)
#define TTM_SETDELAYTIME (0x0400 + 3)
#define TTM_RELAYEVENT (0x0400 + 7)
#define TTM_GETTOOLCOUNT (0x0400 + 13)
#define TTM_SETMAXTIPWIDTH (0x0400 + 24)
#define TTM_GETMAXTIPWIDTH (0x0400 + 25)
#define TTM_POP (0x0400 + 28)
#define TTM_ADDTOOLW (0x0400 + 50)
#define TTM_DELTOOLW (0x0400 + 51)
#define TTM_NEWTOOLRECTW (0x0400 + 52)
#define TTM_GETTOOLINFOW (0x0400 + 53)
#define TTM_SETTOOLINFOW (0x0400 + 54)
#define TTM_GETTEXTW (0x0400 + 56)
#define TTM_UPDATETIPTEXTW (0x0400 + 57)
#define TTM_GETCURRENTTOOLW (0x0400 + 59)

#define TTF_IDISHWND 0x0001
#define TTF_CENTERTIP 0x0002
#define TTF_RTLREADING 0x0004
#define TTF_SUBCLASS 0x0010
#define TTF_TRACK 0x0020
#define TTF_ABSOLUTE 0x0080
#define TTF_TRANSPARENT 0x0100

// Tool tip notifications travel in WM_NOTIFY; their codes count down from TTN_FIRST.
#define TTN_FIRST (0U - 520U)
#define TTN_GETDISPINFOW (TTN_FIRST - 10)
#define TTN_NEEDTEXTW TTN_GETDISPINFOW
#define TTN_SHOW (TTN_FIRST - 1)
#define TTN_POP (TTN_FIRST - 2)

#define LPSTR_TEXTCALLBACKW (reinterpret_cast<LPWSTR>(static_cast<LONG_PTR>(-1)))

struct TOOLINFOW {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPWSTR lpszText;
    LPARAM lParam;
    void* lpReserved;
};
using LPTOOLINFOW = TOOLINFOW*;
using TTTOOLINFOW = TOOLINFOW;
