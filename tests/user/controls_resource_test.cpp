// Controls and menus built from compiled resources: a MENU read by LoadMenuW, and picture
// controls whose dialog template names their bitmap by number.
#include "controls_fixture.h"
#include "gdi/surface.h"
#include "user/render.h"
#include "win/module.h"

namespace {

constexpr int kViewMenu = 300;
constexpr int kPictureDialog = 302;

class ControlsResourceTest : public ControlsTest {};

TEST_F(ControlsResourceTest, MenuResourceLoadsWithItsPopupsSeparatorsAndStates) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(kViewMenu));
    ASSERT_TRUE(IsMenu(menu));
    EXPECT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(-1)) << "a pop-up has no command";
    EXPECT_EQ(GetMenuItemID(menu, 1), 320u);
    HMENU view = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(view), 3);
    EXPECT_EQ(GetMenuItemID(view, 2), 311u);
    wchar_t text[32] = {};
    GetMenuStringW(menu, 310, text, 32, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"&Unités") << "commands are found in pop-ups too";
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(view, 1, TRUE, &info);
    EXPECT_EQ(info.fType, static_cast<UINT>(MFT_SEPARATOR));
    EXPECT_TRUE(GetMenuState(view, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(menu, 311, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, 320, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(999)), nullptr);
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_FALSE(IsMenu(view)) << "destroying a menu destroys its pop-ups";
}

TEST_F(ControlsResourceTest, PictureControlsLoadTheBitmapTheirTemplateNames) {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(kPictureDialog),
                                     parent_, &acceptingProc, 0);
    ASSERT_NE(dialog, nullptr);
    HWND centred = GetDlgItem(dialog, 1118);
    HWND sized = GetDlgItem(dialog, 1119);
    EXPECT_NE(SendMessageW(centred, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    RECT client{};
    GetClientRect(sized, &client);
    EXPECT_EQ(client.right, 6);  // the bitmap's size
    EXPECT_EQ(client.bottom, 4);
    gdi::Surface picture = RenderWindow(centred);
    // Around the centred bitmap lies the colour of its top-left pixel.
    EXPECT_EQ(gdi::ColorFromPixel(picture.at(0, 0)), RGB(200, 0, 0));
    COLORREF middle = gdi::ColorFromPixel(picture.at(picture.width / 2, picture.height / 2));
    EXPECT_TRUE(middle == RGB(0, 160, 0) || middle == RGB(0, 120, 200)) << std::hex << middle;
    DestroyWindow(dialog);
}

}  // namespace
