#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "gdi/gdifixture.h"

namespace {

constexpr COLORREF kBackground = RGB(50, 60, 70);
constexpr COLORREF kRed = RGB(200, 0, 0);

// What GetIconInfo tells of an icon, with the bitmap copies it hands out freed at once.
ICONINFO iconInfo(HICON icon) {
    ICONINFO info{};
    EXPECT_TRUE(GetIconInfo(icon, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return info;
}

class Icons : public GdiTest {
protected:
    // The program's own module: its resources hold two icon sizes, a cursor and a bitmap.
    HMODULE self_ = GetModuleHandleW(nullptr);

    // A 2 x 2 icon: the left column red and opaque, the right column transparent.
    HICON twoByTwo() {
        MemoryDC color(CreateBitmap(2, 2, 1, 32, nullptr));
        SetPixel(color, 0, 0, kRed);
        SetPixel(color, 0, 1, kRed);
        const BYTE maskBits[] = {0x40, 0, 0x40, 0};  // rows: black, white
        HBITMAP mask = CreateBitmap(2, 2, 1, 1, maskBits);
        ICONINFO info{TRUE, 0, 0, mask, color.bitmap()};
        HICON icon = CreateIconIndirect(&info);
        DeleteObject(mask);
        return icon;
    }
};

TEST_F(Icons, DrawingMasksThenCombinesTheImage) {
    HICON icon = twoByTwo();
    struct Case {
        UINT flags;
        COLORREF left, right;
    } cases[] = {
        {DI_NORMAL, kRed, kBackground},
        {DI_MASK, RGB(0, 0, 0), kBackground},
        {DI_IMAGE, kRed, RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        HDC dc = surfaceDC(2, 2, kBackground);
        EXPECT_TRUE(DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, c.flags));
        EXPECT_EQ(pixel(0, 1), c.left) << c.flags;
        EXPECT_EQ(pixel(1, 1), c.right) << c.flags;
    }
    HDC dc = surfaceDC(32, 32, kBackground);
    DrawIcon(dc, 0, 0, icon);
    EXPECT_EQ(pixel(15, 31), kRed) << "DrawIcon stretches to the system icon size";
    EXPECT_EQ(pixel(16, 0), kBackground);
    EXPECT_TRUE(DestroyIcon(icon));
}

TEST_F(Icons, GetIconInfoHandsOutNewBitmapsAndTheCentreAsHotSpot) {
    HICON icon = twoByTwo();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 1u);
    EXPECT_EQ(info.yHotspot, 1u);
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_TRUE(DeleteObject(info.hbmColor));
    EXPECT_TRUE(DeleteObject(info.hbmMask));
    HICON copy = CopyIcon(icon);
    DestroyIcon(icon);
    HDC dc = surfaceDC(2, 2, kBackground);
    DrawIconEx(dc, 0, 0, copy, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(pixel(0, 0), kRed) << "the copy outlives the original";
    DestroyIcon(copy);
}

TEST_F(Icons, DisabledStateEmbossesTheShapeAndDrawsTextTwiceInTheSchemeColours) {
    HICON icon = twoByTwo();
    HDC dc = surfaceDC(3, 3, kBackground);
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 0, 0, 0, 0,
               DST_ICON | DSS_DISABLED);
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNSHADOW)) << "the dark red column is the shape";
    EXPECT_EQ(pixel(1, 2), GetSysColor(COLOR_BTNHIGHLIGHT))
        << "its highlight one pixel down and right";
    EXPECT_EQ(pixel(2, 0), kBackground);
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 1, 0, 0, 0,
               DST_ICON | DSS_NORMAL);
    EXPECT_EQ(pixel(1, 0), kRed);
    DestroyIcon(icon);
    dc = surfaceDC(20, 16, RGB(0, 0, 255));
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(L"W"), 0, 2, 0, 0, 0,
               DST_TEXT | DSS_DISABLED);
    // Over blue, grey ink keeps red equal to green: dark where the shadow shows, light where
    // only the highlight does.
    bool shadow = false, highlight = false;
    for (std::uint32_t p : surface_->pixels) {
        COLORREF c = gdi::ColorFromPixel(p);
        if (GetRValue(c) != GetGValue(c) || GetRValue(c) == 0) continue;
        shadow = shadow || GetRValue(c) <= 128;
        highlight = highlight || GetRValue(c) > 128;
    }
    EXPECT_TRUE(shadow);
    EXPECT_TRUE(highlight);
}

TEST_F(Icons, SystemCursorsAreDistinctSharedAndNotCounted) {
    DWORD start = liveObjects();
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), arrow);
    for (LPCWSTR id : {IDC_WAIT, IDC_HAND, IDC_IBEAM, IDC_CROSS, IDC_SIZEWE, IDC_NO}) {
        HCURSOR cursor = LoadCursorW(nullptr, id);
        EXPECT_NE(cursor, nullptr);
        EXPECT_NE(cursor, arrow);
    }
    EXPECT_NE(LoadIconW(nullptr, IDI_WARNING), nullptr);
    EXPECT_EQ(liveObjects(), start);
    ICONINFO info = iconInfo(arrow);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
}

// An icon image as a resource holds it: a header of twice the height, 32-bit XOR rows and
// 1-bit AND rows, both bottom-up.
std::vector<BYTE> iconImage(int size, std::uint32_t color) {
    std::vector<BYTE> data(sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER h{sizeof(BITMAPINFOHEADER), size, 2 * size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(data.data(), &h, sizeof h);
    for (int i = 0; i < size * size; ++i) {
        for (int b = 0; b < 4; ++b) data.push_back(BYTE(color >> (8 * b)));
    }
    data.resize(data.size() + std::size_t((size + 31) / 32 * 4) * size, 0);
    return data;
}

TEST_F(Icons, ResourceImagesAreReadAndTheBestSizeIsChosen) {
    std::vector<BYTE> image = iconImage(16, 0xFF00FF00);
    HICON icon =
        CreateIconFromResourceEx(image.data(), DWORD(image.size()), TRUE, 0x00030000, 0, 0, 0);
    ASSERT_NE(icon, nullptr);
    HDC dc = surfaceDC(16, 16, kBackground);
    DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(pixel(15, 15), RGB(0, 255, 0));
    DestroyIcon(icon);

    // A group directory with a 16 x 16 image (id 7) and a 32 x 32 one (id 9).
    const BYTE group[] = {0,  0,  1, 0, 2, 0,                            //
                          16, 16, 0, 0, 1, 0, 32, 0, 0, 4,  0, 0, 7, 0,  //
                          32, 32, 0, 0, 1, 0, 32, 0, 0, 16, 0, 0, 9, 0};
    EXPECT_EQ(LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, 32, 32, 0), 9);
    EXPECT_EQ(LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, 16, 16, 0), 7);
}

TEST_F(Icons, ImagesLoadFromIcoAndBmpFiles) {
    std::filesystem::path dir = std::filesystem::temp_directory_path();
    std::vector<BYTE> image = iconImage(16, 0xFF0000FF);
    std::vector<BYTE> ico = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0};
    DWORD size = DWORD(image.size()), offset = 6 + 16;
    for (int b = 0; b < 4; ++b) ico.push_back(BYTE(size >> (8 * b)));
    for (int b = 0; b < 4; ++b) ico.push_back(BYTE(offset >> (8 * b)));
    ico.insert(ico.end(), image.begin(), image.end());
    std::ofstream((dir / "gdi_test.ico").string(), std::ios::binary)
        .write(reinterpret_cast<char*>(ico.data()), ico.size());
    HICON icon = static_cast<HICON>(LoadImageW(nullptr, (dir / "gdi_test.ico").wstring().c_str(),
                                               IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(iconInfo(icon).xHotspot, 8u);
    DestroyIcon(icon);

    // A 1 x 1 24-bit bitmap file.
    std::vector<BYTE> bmp(14 + 40 + 4, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[10] = 54;
    BITMAPINFOHEADER h{sizeof(BITMAPINFOHEADER), 1, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(&bmp[14], &h, sizeof h);
    bmp[54] = 0x11;
    bmp[55] = 0x22;
    bmp[56] = 0x33;
    std::ofstream((dir / "gdi_test.bmp").string(), std::ios::binary)
        .write(reinterpret_cast<char*>(bmp.data()), bmp.size());
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(
        nullptr, (dir / "gdi_test.bmp").wstring().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(GetPixel(MemoryDC(bitmap), 0, 0), RGB(0x33, 0x22, 0x11));
}

using ResourceImages = Icons;

TEST_F(ResourceImages, IconsComeInTheSizeAskedFor) {
    struct Case {
        int size;
        COLORREF color;
    } cases[] = {{16, RGB(0, 255, 0)}, {32, RGB(0, 0, 255)}};
    for (const Case& c : cases) {
        auto icon = static_cast<HICON>(
            LoadImageW(self_, MAKEINTRESOURCE(1), IMAGE_ICON, c.size, c.size, 0));
        ASSERT_NE(icon, nullptr) << c.size;
        HDC dc = surfaceDC(c.size, c.size, kBackground);
        DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
        EXPECT_EQ(pixel(0, 0), c.color) << c.size;
        EXPECT_EQ(pixel(c.size - 1, 0), kBackground) << "the right half is transparent";
        DestroyIcon(icon);
    }
}

TEST_F(ResourceImages, IconsLoadSharedInTheSystemSizeAndCursorsKeepTheirHotSpot) {
    DWORD start = liveObjects();
    HICON icon = LoadIconW(self_, MAKEINTRESOURCE(1));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(self_, MAKEINTRESOURCE(1)), icon);
    EXPECT_EQ(liveObjects(), start);
    EXPECT_EQ(iconInfo(icon).xHotspot, 16u) << "the 32 x 32 image";
    EXPECT_EQ(LoadIconW(self_, MAKEINTRESOURCE(99)), nullptr);
    HCURSOR cursor = LoadCursorW(self_, MAKEINTRESOURCE(2));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info = iconInfo(cursor);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 7u);
}

TEST_F(ResourceImages, BitmapsKeepTheirSizeAndColours) {
    HBITMAP bitmap = LoadBitmapW(self_, MAKEINTRESOURCE(3));
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bm.bmHeight, 2);
    MemoryDC mem(bitmap);
    const COLORREF top[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(GetPixel(mem, x, 0), top[x]) << x;
    EXPECT_EQ(GetPixel(mem, 0, 1), RGB(0, 0, 0));
}

}  // namespace
