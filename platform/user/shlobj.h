// The shell's special folders. The user's folders are found from the environment: the
// documents folder is $HOME/Documents when it exists, else $HOME; application data lives in
// $XDG_CONFIG_HOME, else $HOME/.config.
#pragma once

#include "user/winuser.h"

#define CSIDL_PERSONAL 0x0005
#define CSIDL_APPDATA 0x001a
#define SHGFP_TYPE_CURRENT 0
#ifndef MAX_PATH
#define MAX_PATH 260
#endif

// Fills pszPath (MAX_PATH characters); E_FAIL when the folder cannot be found.
HRESULT SHGetFolderPathW(HWND hwnd, int csidl, HANDLE hToken, DWORD dwFlags, LPWSTR pszPath);
