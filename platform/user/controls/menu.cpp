// Menu handles and their items: creation, destruction, look-up and the item calls.
#include <algorithm>
#include <cwchar>
#include <unordered_map>

#include "user/controls/menumodel.h"
#include "user/controls/textbuffer.h"
#include "win/diagnostics.h"

namespace user::controls {
namespace {

// Every live menu, keyed by its handle (the address of its Menu).
std::unordered_map<HMENU, std::unique_ptr<Menu>>& liveMenus() {
    static std::unordered_map<HMENU, std::unique_ptr<Menu>> menus;
    return menus;
}

MenuItemRef findByCommand(Menu* menu, UINT id) {
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        MenuItem& item = menu->items[i];
        if (!item.subMenu && item.id == id) return {menu, i};
        if (Menu* sub = menuFromHandle(item.subMenu)) {
            if (MenuItemRef found = findByCommand(sub, id); found.menu) return found;
        }
    }
    return {};
}

}  // namespace

HMENU newMenu() {
    auto menu = std::make_unique<Menu>();
    HMENU handle = reinterpret_cast<HMENU>(menu.get());
    liveMenus().emplace(handle, std::move(menu));
    return handle;
}

Menu* menuFromHandle(HMENU handle) {
    auto found = liveMenus().find(handle);
    return found == liveMenus().end() ? nullptr : found->second.get();
}

MenuItemRef findMenuItem(HMENU handle, UINT item, bool byPosition) {
    Menu* menu = menuFromHandle(handle);
    if (!menu) return {};
    if (!byPosition) return findByCommand(menu, item);
    if (item >= menu->items.size()) return {};
    return {menu, item};
}

std::unique_ptr<Menu> releaseMenu(HMENU handle) {
    auto found = liveMenus().find(handle);
    if (found == liveMenus().end()) return nullptr;
    std::unique_ptr<Menu> menu = std::move(found->second);
    liveMenus().erase(found);
    return menu;
}

MenuItem menuItemFromFlags(UINT flags, UINT_PTR idOrMenu, LPCWSTR text) {
    if (flags & (MF_BITMAP | MF_OWNERDRAW)) AfxNotSupported("bitmap and owner-drawn menu items");
    MenuItem item;
    item.state = flags & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT);
    if (flags & MF_SEPARATOR) {
        item.type = MFT_SEPARATOR;
        return item;
    }
    if (flags & MF_POPUP) {
        item.subMenu = reinterpret_cast<HMENU>(idOrMenu);
    } else {
        item.id = static_cast<UINT>(idOrMenu);
    }
    if (text) item.text = text;
    return item;
}

}  // namespace user::controls

using namespace user::controls;

namespace {

void destroyItem(MenuItem& item) {
    if (item.subMenu) DestroyMenu(item.subMenu);
    item.subMenu = nullptr;
}

// The previous MF_GRAYED/MF_CHECKED bits of an item, or -1 (as a DWORD) when there is none.
DWORD changeState(HMENU menu, UINT item, UINT flags, UINT mask) {
    MenuItemRef ref = findMenuItem(menu, item, (flags & MF_BYPOSITION) != 0);
    MenuItem* target = ref.get();
    if (!target) return static_cast<DWORD>(-1);
    DWORD previous = target->state & mask;
    target->state = (target->state & ~mask) | (flags & mask);
    return previous;
}

}  // namespace

HMENU CreateMenu() {
    return newMenu();
}
HMENU CreatePopupMenu() {
    return newMenu();
}

BOOL DestroyMenu(HMENU hMenu) {
    std::unique_ptr<Menu> menu = releaseMenu(hMenu);
    if (!menu) return FALSE;
    for (MenuItem& item : menu->items) destroyItem(item);
    return TRUE;
}

BOOL IsMenu(HMENU hMenu) {
    return menuFromHandle(hMenu) != nullptr;
}

int GetMenuItemCount(HMENU hMenu) {
    Menu* menu = menuFromHandle(hMenu);
    return menu ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos) {
    MenuItem* item = findMenuItem(hMenu, static_cast<UINT>(nPos), true).get();
    if (!item || item->subMenu) return static_cast<UINT>(-1);
    return item->id;
}

HMENU GetSubMenu(HMENU hMenu, int nPos) {
    MenuItem* item = findMenuItem(hMenu, static_cast<UINT>(nPos), true).get();
    return item ? item->subMenu : nullptr;
}

int GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int cchMax, UINT flags) {
    MenuItem* item = findMenuItem(hMenu, uIDItem, (flags & MF_BYPOSITION) != 0).get();
    if (!item) return 0;
    if (!lpString || cchMax <= 0) return static_cast<int>(item->text.size());
    return static_cast<int>(copyToBuffer(item->text, lpString, static_cast<std::size_t>(cchMax)));
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
    MenuItem* item = findMenuItem(hMenu, uId, (uFlags & MF_BYPOSITION) != 0).get();
    if (!item) return static_cast<UINT>(-1);
    UINT state = item->state | item->type;
    if (Menu* sub = menuFromHandle(item->subMenu)) {
        return (static_cast<UINT>(sub->items.size()) << 8) | (state & 0xFF) | MF_POPUP;
    }
    return state;
}

BOOL InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem) {
    Menu* menu = menuFromHandle(hMenu);
    if (!menu) return FALSE;
    MenuItem item = menuItemFromFlags(uFlags, uIDNewItem, lpNewItem);
    if (uPosition == static_cast<UINT>(-1) && (uFlags & MF_BYPOSITION)) {
        menu->items.push_back(std::move(item));
        return TRUE;
    }
    MenuItemRef where = findMenuItem(hMenu, uPosition, (uFlags & MF_BYPOSITION) != 0);
    if (!where.menu) {
        // Windows appends when the position lies past the end.
        if (!(uFlags & MF_BYPOSITION)) return FALSE;
        where = {menu, menu->items.size()};
    }
    where.menu->items.insert(where.menu->items.begin() + where.index, std::move(item));
    return TRUE;
}

BOOL AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem) {
    return InsertMenuW(hMenu, static_cast<UINT>(-1), uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
}

BOOL ModifyMenuW(HMENU hMnu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem) {
    MenuItem* item = findMenuItem(hMnu, uPosition, (uFlags & MF_BYPOSITION) != 0).get();
    if (!item) return FALSE;
    MenuItem replacement = menuItemFromFlags(uFlags, uIDNewItem, lpNewItem);
    // The pop-up that an item opened dies with it, unless the new item keeps it.
    if (item->subMenu != replacement.subMenu) destroyItem(*item);
    *item = std::move(replacement);
    return TRUE;
}

BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    MenuItemRef ref = findMenuItem(hMenu, uPosition, (uFlags & MF_BYPOSITION) != 0);
    if (!ref.menu) return FALSE;
    ref.menu->items.erase(ref.menu->items.begin() + ref.index);
    return TRUE;
}

BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    MenuItemRef ref = findMenuItem(hMenu, uPosition, (uFlags & MF_BYPOSITION) != 0);
    if (!ref.menu) return FALSE;
    destroyItem(*ref.get());
    ref.menu->items.erase(ref.menu->items.begin() + ref.index);
    return TRUE;
}

BOOL EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
    return static_cast<BOOL>(changeState(hMenu, uIDEnableItem, uEnable, MFS_GRAYED));
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck) {
    return changeState(hMenu, uIDCheckItem, uCheck, MF_CHECKED);
}
