// Menus: building and reading them, pop-up menus answered by the scripted user, and the
// pop-up menu window that shows them on the screen.
#include <string>

#include "controls_fixture.h"
#include "gdi/referenceimage.h"
#include "user/controls/menuwindow.h"
#include "user/render.h"

namespace {

using user::controls::ClosePopupMenuWindow;
using user::controls::ShowPopupMenuWindow;

MENUITEMINFOW asking(UINT mask) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    return info;
}

class MenuTest : public ControlsTest {
protected:
    std::wstring stringOf(HMENU menu, UINT item, UINT flags) const {
        wchar_t buffer[64] = {};
        GetMenuStringW(menu, item, buffer, 64, flags);
        return buffer;
    }
};

TEST_F(MenuTest, ItemsAreAddedChangedAndReadByCommandOrPosition) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 10, L"Ten");
    AppendMenuW(menu, MF_STRING, 30, L"Thirty");
    InsertMenuW(menu, 30, MF_BYCOMMAND | MF_STRING, 20, L"Twenty");
    ModifyMenuW(menu, 0, MF_BYPOSITION | MF_STRING, 11, L"Eleven");
    EXPECT_EQ(GetMenuItemCount(menu), 3);
    EXPECT_EQ(stringOf(menu, 11, MF_BYCOMMAND), L"Eleven");
    EXPECT_EQ(stringOf(menu, 1, MF_BYPOSITION), L"Twenty");
    EXPECT_EQ(GetMenuStringW(menu, 99, nullptr, 0, MF_BYCOMMAND), 0);

    wchar_t buffer[4] = {};
    MENUITEMINFOW info = asking(MIIM_STRING | MIIM_ID);
    info.dwTypeData = buffer;
    info.cch = 4;
    ASSERT_TRUE(GetMenuItemInfoW(menu, 2, TRUE, &info));
    EXPECT_EQ(info.wID, 30u);
    EXPECT_EQ(std::wstring(buffer), L"Thi");
    info = asking(MIIM_STRING);
    info.dwTypeData = const_cast<LPWSTR>(L"Trente");
    SetMenuItemInfoW(menu, 30, FALSE, &info);
    EXPECT_EQ(stringOf(menu, 30, MF_BYCOMMAND), L"Trente");

    EXPECT_EQ(EnableMenuItem(menu, 20, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(menu, 20, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(CheckMenuItem(menu, 11, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
    EXPECT_EQ(GetMenuState(menu, 11, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(EnableMenuItem(menu, 99, MF_BYCOMMAND), -1);
    DestroyMenu(menu);
}

TEST_F(MenuTest, TrackPopupMenuReturnsTheChoiceMadeInAMenuWindowShownMeanwhile) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 40, L"Forty");
    person().AnswerPopupMenu(40);
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 50, 60, parent_, nullptr), 40);
    person().PumpMessages();
    EXPECT_TRUE(codesFrom(40).empty()) << "TPM_RETURNCMD sends no command";
    ASSERT_EQ(person().PopupMenus().size(), 1u);
    EXPECT_EQ(person().PopupMenus()[0].pt.x, 50);
    EXPECT_TRUE(person().PopupMenus()[0].menuWindowShown);
    EXPECT_EQ(GetTopWindow(nullptr), parent_) << "the menu window shown above it is gone";
    EXPECT_EQ(GetActiveWindow(), parent_);
    DestroyMenu(menu);
}

TEST_F(MenuTest, TrackPopupMenuPostsTheChosenCommandAfterInitMenuPopup) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 41, L"Forty-one");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 42, L"Grey");
    person().AnswerPopupMenu(41);
    EXPECT_TRUE(TrackPopupMenuEx(menu, 0, 0, 0, parent_, nullptr));
    person().PumpMessages();
    ASSERT_EQ(heard_.size(), 2u);
    EXPECT_EQ(heard_[0].message, static_cast<UINT>(WM_INITMENUPOPUP));
    EXPECT_EQ(heard_[1].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(heard_[1].id, 41);
    forget();
    person().AnswerPopupMenu(42);  // a grey item cannot be chosen
    EXPECT_EQ(TrackPopupMenuEx(menu, TPM_RETURNCMD, 0, 0, parent_, nullptr), 0);
    person().CancelPopupMenu();
    EXPECT_TRUE(TrackPopupMenu(menu, 0, 0, 0, 0, parent_, nullptr));
    person().PumpMessages();
    EXPECT_TRUE(codesFrom(41).empty());
    DestroyMenu(menu);
}

TEST_F(MenuTest, MenuWindowSitsAtThePointAsAlignedAndStaysOnTheScreen) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 44, L"&Couper\tCtrl+X");
    AppendMenuW(menu, MF_STRING, 45, L"C&oller");
    struct Case {
        UINT flags;
        POINT at;
        POINT expectedCorner;  // where the given corner of the menu lands
        bool rightBottom;      // the corner is the bottom-right one, not the top-left one
    };
    const Case cases[] = {
        {TPM_LEFTALIGN | TPM_TOPALIGN, {100, 120}, {100, 120}, false},
        {TPM_RIGHTALIGN | TPM_BOTTOMALIGN, {300, 320}, {300, 320}, true},
        // Near the bottom-right corner the menu opens up and to the left of the point.
        {TPM_LEFTALIGN | TPM_TOPALIGN, {1020, 760}, {1020, 760}, true},
        // Pushed past the top-left corner it is moved back onto the screen.
        {TPM_RIGHTALIGN | TPM_BOTTOMALIGN, {5, 5}, {0, 0}, false},
    };
    for (const Case& c : cases) {
        HWND window = ShowPopupMenuWindow(menu, c.flags, c.at.x, c.at.y, parent_);
        ASSERT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(reinterpret_cast<HMENU>(send(window, MN_GETHMENU)), menu);
        RECT rect{};
        GetWindowRect(window, &rect);
        POINT corner = c.rightBottom ? POINT{rect.right, rect.bottom} : POINT{rect.left, rect.top};
        EXPECT_EQ(corner.x, c.expectedCorner.x) << c.at.x << "," << c.at.y;
        EXPECT_EQ(corner.y, c.expectedCorner.y) << c.at.x << "," << c.at.y;
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= 1024 && rect.bottom <= 768);
        ClosePopupMenuWindow(window);
        EXPECT_FALSE(IsWindow(window));
    }
    DestroyMenu(menu);
}

TEST_F(MenuTest, OpenMenuPaintsItsItemsWithTheOneUnderTheMouseHighlighted) {
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 60, L"PDF");
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 50, L"&Ouvrir...\tCtrl+O");
    AppendMenuW(menu, MF_STRING | MF_CHECKED, 51, L"&Grille");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 52, L"&Imprimer\tCtrl+P");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"&Exporter");
    AppendMenuW(menu, MF_STRING, 53, L"&Fermer");
    MENUITEMINFOW info = asking(MIIM_STATE);
    info.fState = MFS_DEFAULT;
    SetMenuItemInfoW(menu, 50, FALSE, &info);
    HWND window = ShowPopupMenuWindow(menu, 0, 40, 40, parent_);
    RECT client{};
    GetClientRect(window, &client);
    send(window, WM_MOUSEMOVE, 0, MAKELPARAM(30, client.bottom - 3));
    ExpectMatchesReference(RenderWindow(window), "controls_menu_popup");
    ClosePopupMenuWindow(window);
    DestroyMenu(menu);
}

}  // namespace
