// The menus behind HMENU handles. Internal to the windowing library: callers use winmenu.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "user/controls/winmenu.h"

namespace user::controls {

struct MenuItem {
    UINT type = MFT_STRING;
    UINT state = MFS_ENABLED;
    UINT id = 0;
    HMENU subMenu = nullptr;  // owned: destroyed with the item
    std::wstring text;
    UINT_PTR data = 0;
};

struct Menu {
    std::vector<MenuItem> items;
};

// Where an item lives: by command the search walks into sub-menus, as Windows does.
struct MenuItemRef {
    Menu* menu = nullptr;
    std::size_t index = 0;
    MenuItem* get() const { return menu ? &menu->items[index] : nullptr; }
};

HMENU newMenu();
// Null for a handle that is not a live menu.
Menu* menuFromHandle(HMENU handle);
// Takes the menu out of the handle table; the handle is dead from then on.
std::unique_ptr<Menu> releaseMenu(HMENU handle);
MenuItemRef findMenuItem(HMENU handle, UINT item, bool byPosition);

// Builds the item that AppendMenuW, InsertMenuW and ModifyMenuW describe with their flags.
MenuItem menuItemFromFlags(UINT flags, UINT_PTR idOrMenu, LPCWSTR text);

}  // namespace user::controls
