// Static controls: notifications, images and dialog codes.
#include "controls_fixture.h"
#include "gdi/wingdi.h"
#include "user/render.h"

namespace {

class StaticTest : public ControlsTest {};

TEST_F(StaticTest, NotifyStyleReportsClicksOthersLetTheMouseThroughOnTheParentsBackground) {
    HWND notifying = create(WC_STATICW, L"&Label", SS_LEFT | SS_NOTIFY, {10, 10, 100, 30}, 1119);
    HWND plain = create(WC_STATICW, L"Label", SS_LEFT, {10, 40, 100, 60}, 1120);
    person().Click(notifying);
    EXPECT_EQ(codesFrom(1119), (std::vector<UINT>{STN_CLICKED}));
    EXPECT_EQ(send(plain, WM_NCHITTEST, 0, MAKELPARAM(150, 150)), HTTRANSPARENT);
    EXPECT_EQ(send(plain, WM_GETDLGCODE), DLGC_STATIC);
    HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
    staticBrush_ = red;
    gdi::Surface coloured = RenderWindow(plain);
    staticBrush_ = nullptr;
    DeleteObject(red);
    EXPECT_EQ(gdi::ColorFromPixel(coloured.at(coloured.width - 1, coloured.height - 1)),
              RGB(200, 0, 0))
        << "the parent chooses the background through WM_CTLCOLORSTATIC";
}

TEST_F(StaticTest, SetImageReturnsThePreviousOneAndSizesTheControlUnlessCentred) {
    HWND picture = create(WC_STATICW, L"", SS_BITMAP, {10, 10, 20, 20}, 1118);
    HWND centred = create(WC_STATICW, L"", SS_BITMAP | SS_CENTERIMAGE, {10, 10, 110, 60}, 1119);
    HDC screen = GetDC(picture);
    HBITMAP first = CreateCompatibleBitmap(screen, 30, 12);
    HBITMAP second = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(picture, screen);
    EXPECT_EQ(send(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(first)), 0);
    send(centred, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(first));
    RECT client{};
    GetClientRect(picture, &client);
    EXPECT_EQ(client.right, 30);
    EXPECT_EQ(client.bottom, 12);
    GetClientRect(centred, &client);
    EXPECT_EQ(client.right, 100);
    EXPECT_EQ(client.bottom, 50);
    EXPECT_EQ(send(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(second)),
              reinterpret_cast<LRESULT>(first));
    EXPECT_EQ(send(picture, STM_GETIMAGE, IMAGE_BITMAP), reinterpret_cast<LRESULT>(second));
    EXPECT_EQ(send(picture, STM_GETIMAGE, IMAGE_ICON), 0);
    DestroyWindow(picture);
    DestroyWindow(centred);
    DeleteObject(first);
    DeleteObject(second);
}

}  // namespace
