#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gdi/gdifixture.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

class Bitmaps : public GdiTest {};

// The transparent-bitmap recipe: a mask made from the transparent colour, the bitmap's
// transparent pixels turned black, then mask SRCAND and bitmap SRCPAINT. It relies on both
// colour rules of a transfer: colour to monochrome turns the source's background colour white
// and the rest black; monochrome to colour uses the destination's background and text colours.
TEST_F(Bitmaps, MaskAndThenPaintShowsTheBackgroundThroughTheTransparentColour) {
    MemoryDC image(CreateBitmap(2, 1, 1, 32, nullptr));
    SetPixel(image, 0, 0, kMagenta);
    SetPixel(image, 1, 0, RGB(0, 0, 200));
    MemoryDC mask(CreateBitmap(2, 1, 1, 1, nullptr));
    SetBkColor(image, kMagenta);
    BitBlt(mask, 0, 0, 2, 1, image, 0, 0, SRCCOPY);
    SetTextColor(image, kWhite);
    SetBkColor(image, kBlack);
    BitBlt(image, 0, 0, 2, 1, mask, 0, 0, SRCAND);

    HDC dc = surfaceDC(2, 1, RGB(50, 60, 70));
    BitBlt(dc, 0, 0, 2, 1, mask, 0, 0, SRCAND);
    BitBlt(dc, 0, 0, 2, 1, image, 0, 0, SRCPAINT);
    EXPECT_EQ(pixel(0, 0), RGB(50, 60, 70));
    EXPECT_EQ(pixel(1, 0), RGB(0, 0, 200));
}

TEST_F(Bitmaps, RasterOperationsCombineSourceAndDestination) {
    const COLORREF src = RGB(0xF0, 0x0F, 0xAA), dst = RGB(0xCC, 0x33, 0x0F);
    struct Case {
        DWORD rop;
        COLORREF expected;
    } cases[] = {
        {SRCCOPY, src},
        {SRCAND, RGB(0xC0, 0x03, 0x0A)},
        {SRCPAINT, RGB(0xFC, 0x3F, 0xAF)},
        {SRCINVERT, RGB(0x3C, 0x3C, 0xA5)},
        {SRCERASE, RGB(0x30, 0x0C, 0xA0)},
        {NOTSRCCOPY, RGB(0x0F, 0xF0, 0x55)},
        {NOTSRCERASE, RGB(0x03, 0xC0, 0x50)},
        {MERGEPAINT, RGB(0xCF, 0xF3, 0x5F)},
        {PATCOPY, RGB(0x12, 0x34, 0x56)},
    };
    MemoryDC source(CreateBitmap(1, 1, 1, 32, nullptr));
    SetPixel(source, 0, 0, src);
    HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
    for (const Case& c : cases) {
        HDC dc = surfaceDC(1, 1, dst);
        SelectObject(dc, brush);
        BitBlt(dc, 0, 0, 1, 1, source, 0, 0, c.rop);
        EXPECT_EQ(pixel(0, 0), c.expected) << std::hex << c.rop;
    }
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    DeleteObject(brush);
}

TEST_F(Bitmaps, StretchBltScalesByNearestNeighbour) {
    MemoryDC source(CreateBitmap(2, 1, 1, 32, nullptr));
    SetPixel(source, 0, 0, RGB(1, 1, 1));
    SetPixel(source, 1, 0, RGB(2, 2, 2));
    HDC dc = surfaceDC(4, 2);
    StretchBlt(dc, 0, 0, 4, 2, source, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(pixel(1, 1), RGB(1, 1, 1));
    EXPECT_EQ(pixel(2, 0), RGB(2, 2, 2));
    EXPECT_EQ(pixel(3, 1), RGB(2, 2, 2));
}

TEST_F(Bitmaps, ABitmapLivesInOneDCAtATimeAndIsNotDeletedWhileSelected) {
    MemoryDC first(CreateBitmap(1, 1, 1, 32, nullptr));
    HDC second = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(second, first.bitmap()), nullptr);
    EXPECT_FALSE(DeleteObject(first.bitmap()));
    HDC screen = surfaceDC(1, 1);
    EXPECT_EQ(SelectObject(screen, first.bitmap()), nullptr) << "only memory DCs take bitmaps";
    DeleteDC(second);
}

TEST_F(Bitmaps, CompatibleBitmapsFollowTheDCsFormat) {
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(mem, 4, 4);
    HDC dc = surfaceDC(1, 1);
    HBITMAP color = CreateCompatibleBitmap(dc, 4, 4);
    BITMAP bm{};
    GetObjectW(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1) << "a fresh memory DC holds a monochrome bitmap";
    EXPECT_EQ(bm.bmWidthBytes, 2);
    GetObjectW(color, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 16);
    DeleteObject(mono);
    DeleteObject(color);
    DeleteDC(mem);
}

TEST_F(Bitmaps, DibSectionsExposeTheirBits) {
    struct Case {
        WORD bits;
        LONG height;
    } cases[] = {{32, -2}, {32, 2}, {24, -2}, {24, 2}};
    for (const Case& c : cases) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, c.height, 1, c.bits, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bits, nullptr);
        int stride = (3 * c.bits + 31) / 32 * 4;
        // Row 0 in memory is the top row of a top-down section and the bottom row otherwise.
        BYTE* first = static_cast<BYTE*>(bits);
        first[0] = 0x30;  // blue of pixel (0, first row)
        MemoryDC dc(section);
        int firstRowY = c.height < 0 ? 0 : 1;
        EXPECT_EQ(GetPixel(dc, 0, firstRowY), RGB(0, 0, 0x30)) << c.bits << " " << c.height;
        SetPixel(dc, 2, 1 - firstRowY, RGB(0x40, 0, 0));
        GdiFlush();
        EXPECT_EQ(first[stride + 2 * c.bits / 8 + 2], 0x40) << c.bits << " " << c.height;
        BITMAP bm{};
        GetObjectW(section, sizeof bm, &bm);
        EXPECT_EQ(bm.bmBitsPixel, c.bits);
        EXPECT_EQ(bm.bmBits, bits);
    }
}

TEST_F(Bitmaps, DibitsRoundTrip) {
    HDC dc = surfaceDC(1, 1);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 2);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    // Bottom-up rows padded to 4 bytes: bottom row first.
    const BYTE in[] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    EXPECT_EQ(SetDIBits(dc, bitmap, 0, 2, in, &info, DIB_RGB_COLORS), 2);
    MemoryDC mem(bitmap);
    EXPECT_EQ(GetPixel(mem, 0, 0), RGB(9, 8, 7)) << "the second row in memory is the top one";
    BYTE out[16] = {};
    EXPECT_EQ(GetDIBits(mem, bitmap, 0, 2, out, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(std::memcmp(in, out, sizeof in), 0);
    BITMAPINFO query{};
    query.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_TRUE(GetDIBits(mem, bitmap, 0, 0, nullptr, &query, DIB_RGB_COLORS));
    EXPECT_EQ(query.bmiHeader.biWidth, 2);
    EXPECT_EQ(query.bmiHeader.biBitCount, 32);
}

}  // namespace
