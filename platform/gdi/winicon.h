// Icons, cursors, images loaded from resources or files, and DrawStateW. These belong to
// user32 on Windows (see gdi/wingdi.h). A cursor is an icon with a hot spot: HCURSOR is HICON.
#pragma once

#include "gdi/gditypes.h"

using PBYTE = BYTE*;

#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
#define DI_DEFAULTSIZE 0x0008

#define DST_COMPLEX 0x0000
#define DST_TEXT 0x0001
#define DST_PREFIXTEXT 0x0002
#define DST_ICON 0x0003
#define DST_BITMAP 0x0004
#define DSS_NORMAL 0x0000
#define DSS_UNION 0x0010
#define DSS_DISABLED 0x0020
#define DSS_MONO 0x0080
#define DSS_HIDEPREFIX 0x0200
#define DSS_PREFIXONLY 0x0400
#define DSS_RIGHT 0x8000

#define IMAGE_BITMAP 0
#define IMAGE_ICON 1
#define IMAGE_CURSOR 2
#define LR_DEFAULTCOLOR 0x00000000
#define LR_MONOCHROME 0x00000001
#define LR_LOADFROMFILE 0x00000010
#define LR_DEFAULTSIZE 0x00000040
#define LR_CREATEDIBSECTION 0x00002000
#define LR_SHARED 0x00008000

// System cursors and icons (LoadCursorW / LoadIconW with a null instance).
#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_UPARROW MAKEINTRESOURCE(32516)
#define IDC_SIZENWSE MAKEINTRESOURCE(32642)
#define IDC_SIZENESW MAKEINTRESOURCE(32643)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDC_APPSTARTING MAKEINTRESOURCE(32650)
#define IDC_HELP MAKEINTRESOURCE(32651)
#define IDI_APPLICATION MAKEINTRESOURCE(32512)
#define IDI_HAND MAKEINTRESOURCE(32513)
#define IDI_QUESTION MAKEINTRESOURCE(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCE(32515)
#define IDI_ASTERISK MAKEINTRESOURCE(32516)
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_ERROR IDI_HAND
#define IDI_INFORMATION IDI_ASTERISK

// The icon keeps copies of both bitmaps; the caller still owns (and deletes) its own.
HICON CreateIconIndirect(PICONINFO piconinfo);
// Fills NEW copies of the mask and colour bitmaps, which the caller must delete.
BOOL GetIconInfo(HICON hIcon, PICONINFO piconinfo);
HICON CopyIcon(HICON hIcon);
BOOL DestroyIcon(HICON hIcon);
inline BOOL DestroyCursor(HICON hCursor) {
    return DestroyIcon(hCursor);
}
BOOL DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth,
                UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw, UINT diFlags);
// Draws at the system icon size (32 x 32), as Windows does.
BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon);

using DRAWSTATEPROC = BOOL (*)(HDC hdc, LPARAM lData, WPARAM wData, int cx, int cy);
// DST_TEXT, DST_PREFIXTEXT, DST_ICON and DST_BITMAP, normal or DSS_DISABLED (embossed).
BOOL DrawStateW(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData,
                int x, int y, int cx, int cy, UINT uFlags);
inline BOOL DrawState(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData,
                      WPARAM wData, int x, int y, int cx, int cy, UINT uFlags) {
    return DrawStateW(hdc, hbrFore, qfnCallBack, lData, wData, x, y, cx, cy, uFlags);
}

// Resource data as a .res file holds it: an RT_GROUP_ICON / RT_GROUP_CURSOR directory, and an
// RT_ICON (BITMAPINFOHEADER with doubled height, XOR bits, AND mask, or a PNG) or RT_CURSOR
// (hot spot words first) image.
int LookupIconIdFromDirectoryEx(PBYTE presbits, BOOL fIcon, int cxDesired, int cyDesired,
                                UINT Flags);
HICON CreateIconFromResourceEx(PBYTE presbits, DWORD dwResSize, BOOL fIcon, DWORD dwVer,
                               int cxDesired, int cyDesired, UINT Flags);

// hInst null with a system id (IDC_*, IDI_*) gives the system's shared images; with
// LR_LOADFROMFILE, name is a .bmp or .ico file path.
HANDLE LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad);
HBITMAP LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName);
HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);
HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
inline HANDLE LoadImage(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad) {
    return LoadImageW(hInst, name, type, cx, cy, fuLoad);
}
inline HBITMAP LoadBitmap(HINSTANCE hInstance, LPCWSTR name) {
    return LoadBitmapW(hInstance, name);
}
inline HICON LoadIcon(HINSTANCE hInstance, LPCWSTR name) {
    return LoadIconW(hInstance, name);
}
inline HCURSOR LoadCursor(HINSTANCE hInstance, LPCWSTR name) {
    return LoadCursorW(hInstance, name);
}
