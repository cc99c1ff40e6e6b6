#include <gtest/gtest.h>

#include "gdi/gdifixture.h"

namespace {

class DeviceContext : public GdiTest {};

TEST_F(DeviceContext, StartsWithTheDefaultsAndSelectObjectReturnsThePreviousObject) {
    HDC dc = surfaceDC(4, 4);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    // The screen it stands for has 96 dots per inch and true colour.
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_GT(GetDeviceCaps(dc, HORZRES), 0);
    DWORD start = liveObjects();
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(dc, red), GetStockObject(BLACK_PEN));
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(liveObjects(), start + 1) << "deleted while selected, it goes when it leaves";
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), red);
    EXPECT_EQ(liveObjects(), start);
    EXPECT_EQ(SelectObject(dc, red), nullptr) << "a deleted handle is no longer valid";
}

TEST_F(DeviceContext, RestoreDCBringsBackObjectsColoursModesOriginAndClip) {
    HDC dc = surfaceDC(10, 10);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    SelectObject(dc, brush);
    SetTextColor(dc, RGB(9, 9, 9));
    SetBkMode(dc, TRANSPARENT);
    SetViewportOrgEx(dc, 3, 4, nullptr);
    IntersectClipRect(dc, 0, 0, 2, 2);
    EXPECT_EQ(SaveDC(dc), 2);
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush) << "-1 restores the latest state";
    EXPECT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    POINT org{};
    GetViewportOrgEx(dc, &org);
    EXPECT_EQ(org.x, 0);
    RECT clip{};
    EXPECT_EQ(GetClipBox(dc, &clip), SIMPLEREGION);
    EXPECT_EQ(clip.right, 10);
    EXPECT_FALSE(RestoreDC(dc, 1)) << "the state was popped";
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(DeviceContext, StockObjectsAreNeitherCountedNorFreed) {
    DWORD start = liveObjects();
    for (int i : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH,
                  WHITE_PEN, BLACK_PEN, NULL_PEN, ANSI_VAR_FONT, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
        HGDIOBJ stock = GetStockObject(i);
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_NE(GetObjectType(stock), 0u) << i;
    }
    EXPECT_EQ(liveObjects(), start);
}

TEST_F(DeviceContext, GetObjectDescribesPensBrushesFontsAndBitmaps) {
    HPEN pen = CreatePen(PS_DOT, 1, RGB(1, 2, 3));
    LOGPEN lp{};
    EXPECT_EQ(GetObjectW(pen, sizeof lp, &lp), int(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, UINT(PS_DOT));
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    LOGBRUSH lb{};
    GetObjectW(brush, sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(4, 5, 6));
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_STREQ(lf.lfFaceName, L"MS Shell Dlg");
    HDC mem = CreateCompatibleDC(nullptr);
    BITMAP bm{};
    GetObjectW(GetCurrentObject(mem, OBJ_BITMAP), sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 1) << "a memory DC starts with a 1 x 1 monochrome bitmap";
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(GetObjectW(pen, 0, nullptr), int(sizeof(LOGPEN)))
        << "a null buffer asks for the size";
    DeleteDC(mem);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST_F(DeviceContext, ClipAndOriginFollowTheWindowAndTheCaller) {
    auto surface = std::make_shared<gdi::Surface>(20, 20);
    // A child window's client area at (5, 6) on its top-level surface, half hidden.
    HDC dc = gdi::CreateDCOnSurface(surface, POINT{5, 6}, RECT{5, 6, 12, 20});
    RECT box{};
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 7);
    EXPECT_EQ(box.bottom, 14);
    EXPECT_EQ(IntersectClipRect(dc, 2, 2, 100, 4), SIMPLEREGION);
    GetClipBox(dc, &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.bottom, 4);
    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    OffsetViewportOrgEx(dc, 1, 1, nullptr);
    SetPixel(dc, 0, 0, RGB(255, 0, 0));
    EXPECT_EQ(gdi::ColorFromPixel(surface->at(6, 7)), RGB(255, 0, 0));
    EXPECT_EQ(SetPixel(dc, 10, 0, RGB(255, 0, 0)), CLR_INVALID) << "outside the visible part";
    EXPECT_EQ(gdi::SurfaceOfDC(dc), surface);
    DeleteDC(dc);
}

TEST(SystemColors, FollowTheClassicScheme) {
    struct Case {
        int index;
        COLORREF color;
    } cases[] = {
        {COLOR_BTNFACE, RGB(212, 208, 200)},
        {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_BTNSHADOW, RGB(128, 128, 128)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        {COLOR_3DLIGHT, RGB(212, 208, 200)},
        {COLOR_3DDKSHADOW, RGB(64, 64, 64)},
        {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_GRAYTEXT, RGB(128, 128, 128)},
        {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
        {COLOR_INFOBK, RGB(255, 255, 225)},
        {COLOR_ACTIVECAPTION, RGB(10, 36, 106)},
        {COLOR_GRADIENTACTIVECAPTION, RGB(166, 202, 240)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetSysColor(c.index), c.color) << c.index;
        LOGBRUSH lb{};
        GetObjectW(GetSysColorBrush(c.index), sizeof lb, &lb);
        EXPECT_EQ(lb.lbColor, c.color) << c.index;
    }
}

}  // namespace
