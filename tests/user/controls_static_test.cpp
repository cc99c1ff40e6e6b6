// Static controls: notifications, images and dialog codes.
#include "controls_fixture.h"
#include "gdi/wingdi.h"
#include "user/render.h"

namespace {

class StaticTest : public ControlsTest {};

TEST_F(StaticTest, NotifyStyleReportsClicksOthersLetTheMouseThrough) {
    HWND notifying = create(WC_STATICW, L"&Label", SS_LEFT | SS_NOTIFY, {10, 10, 100, 30}, 1119);
    HWND plain = create(WC_STATICW, L"Label", SS_LEFT, {10, 40, 100, 60}, 1120);
    person().Click(notifying);
    EXPECT_EQ(codesFrom(1119), (std::vector<UINT>{STN_CLICKED}));
    EXPECT_EQ(send(plain, WM_NCHITTEST, 0, MAKELPARAM(150, 150)), HTTRANSPARENT);
    EXPECT_EQ(send(plain, WM_GETDLGCODE), DLGC_STATIC);
}

TEST_F(StaticTest, ParentChoosesTheBackgroundThroughCtlColorStatic) {
    HWND label = create(WC_STATICW, L"Texte", SS_LEFT, {10, 10, 100, 30}, 1121);
    gdi::Surface plain = RenderWindow(label);
    EXPECT_EQ(gdi::ColorFromPixel(plain.at(plain.width - 1, plain.height - 1)),
              GetSysColor(COLOR_BTNFACE));
    HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
    staticBrush() = red;
    gdi::Surface coloured = RenderWindow(label);
    staticBrush() = nullptr;
    DeleteObject(red);
    EXPECT_EQ(gdi::ColorFromPixel(coloured.at(coloured.width - 1, coloured.height - 1)),
              RGB(200, 0, 0));
}

TEST_F(StaticTest, SetImageReturnsThePreviousOneAndSizesTheControl) {
    HWND picture = create(WC_STATICW, L"", SS_BITMAP, {10, 10, 20, 20}, 1118);
    HDC screen = GetDC(picture);
    HBITMAP first = CreateCompatibleBitmap(screen, 30, 12);
    HBITMAP second = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(picture, screen);
    EXPECT_EQ(send(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(first)), 0);
    RECT client{};
    GetClientRect(picture, &client);
    EXPECT_EQ(client.right, 30);
    EXPECT_EQ(client.bottom, 12);
    EXPECT_EQ(send(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(second)),
              reinterpret_cast<LRESULT>(first));
    EXPECT_EQ(send(picture, STM_GETIMAGE, IMAGE_BITMAP), reinterpret_cast<LRESULT>(second));
    EXPECT_EQ(send(picture, STM_GETIMAGE, IMAGE_ICON), 0);
    DestroyWindow(picture);
    DeleteObject(first);
    DeleteObject(second);
}

TEST_F(StaticTest, CentredImageKeepsTheControlsSize) {
    HWND picture = create(WC_STATICW, L"", SS_BITMAP | SS_CENTERIMAGE, {10, 10, 110, 60}, 1118);
    HDC screen = GetDC(picture);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 30, 12);
    ReleaseDC(picture, screen);
    send(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    RECT client{};
    GetClientRect(picture, &client);
    EXPECT_EQ(client.right, 100);
    EXPECT_EQ(client.bottom, 50);
    DestroyWindow(picture);
    DeleteObject(bitmap);
}

}  // namespace
