// MENUITEMINFOW access and the pop-up menu tracking: the menu's window is shown while the
// scripted user makes the choice.
#include <algorithm>
#include <cwchar>

#include "user/controls/menumodel.h"
#include "user/controls/menuwindow.h"
#include "user/controls/textbuffer.h"
#include "user/scripteduser.h"
#include "user/winuser.h"

using namespace user::controls;

namespace {

void copyText(const MenuItem& item, MENUITEMINFOW& info) {
    // Without a buffer the caller learns the length it needs.
    bool hasBuffer = info.dwTypeData && info.cch > 0;
    info.cch = hasBuffer ? static_cast<UINT>(copyToBuffer(item.text, info.dwTypeData, info.cch))
                         : static_cast<UINT>(item.text.size());
}

}  // namespace

BOOL GetMenuItemInfoW(HMENU hmenu, UINT item, BOOL fByPosition, LPMENUITEMINFOW lpmii) {
    const MenuItem* found = findMenuItem(hmenu, item, fByPosition != FALSE).get();
    if (!found || !lpmii) return FALSE;
    MENUITEMINFOW& info = *lpmii;
    if (info.fMask & (MIIM_FTYPE | MIIM_TYPE)) info.fType = found->type;
    if (info.fMask & MIIM_STATE) info.fState = found->state;
    if (info.fMask & MIIM_ID) info.wID = found->id;
    if (info.fMask & MIIM_SUBMENU) info.hSubMenu = found->subMenu;
    if (info.fMask & MIIM_DATA) info.dwItemData = found->data;
    if (info.fMask & (MIIM_STRING | MIIM_TYPE)) copyText(*found, info);
    return TRUE;
}

BOOL SetMenuItemInfoW(HMENU hmenu, UINT item, BOOL fByPositon, LPCMENUITEMINFOW lpmii) {
    MenuItem* found = findMenuItem(hmenu, item, fByPositon != FALSE).get();
    if (!found || !lpmii) return FALSE;
    const MENUITEMINFOW& info = *lpmii;
    if (info.fMask & (MIIM_FTYPE | MIIM_TYPE)) found->type = info.fType;
    if (info.fMask & MIIM_STATE) found->state = info.fState;
    if (info.fMask & MIIM_ID) found->id = info.wID;
    if (info.fMask & MIIM_SUBMENU) found->subMenu = info.hSubMenu;
    if (info.fMask & MIIM_DATA) found->data = info.dwItemData;
    if (info.fMask & (MIIM_STRING | MIIM_TYPE)) {
        found->text = info.dwTypeData ? info.dwTypeData : L"";
    }
    return TRUE;
}

BOOL TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int x, int y, HWND hwnd, LPTPMPARAMS) {
    if (!IsMenu(hMenu) || !IsWindow(hwnd)) return FALSE;
    SendMessageW(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, FALSE));
    // The menu is on the screen while the person chooses, and gone once the choice is made.
    HWND window = ShowPopupMenuWindow(hMenu, uFlags, x, y, hwnd);
    UINT chosen = user::ScriptedUser::Get().ChoosePopupMenuItem(hMenu, uFlags, x, y, hwnd);
    ClosePopupMenuWindow(window);
    // A grey or missing item cannot be chosen: the menu closes as if cancelled.
    const MenuItem* item = chosen ? findMenuItem(hMenu, chosen, false).get() : nullptr;
    if (!item || (item->state & MFS_GRAYED) || item->type == MFT_SEPARATOR) chosen = 0;
    if (uFlags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen && !(uFlags & TPM_NONOTIFY)) {
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    }
    return TRUE;
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*) {
    return TrackPopupMenuEx(hMenu, uFlags, x, y, hWnd, nullptr);
}
