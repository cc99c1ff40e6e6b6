#include <gtest/gtest.h>

#include <string>

#include "gdi/gdifixture.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

class Shapes : public GdiTest {
protected:
    // The surface as rows of characters: '#' for `ink`, '.' for white, '?' for anything else.
    std::string picture(COLORREF ink = kBlack) const {
        std::string out;
        for (int y = 0; y < surface_->height; ++y) {
            for (int x = 0; x < surface_->width; ++x) {
                COLORREF c = pixel(x, y);
                out += c == ink ? '#' : c == kWhite ? '.' : '?';
            }
            out += '\n';
        }
        return out;
    }
};

TEST_F(Shapes, LinesLeaveTheirEndPointAndFollowThePensStyleAndWidth) {
    struct Case {
        int style, width, w, h;
        POINT from, to;
        const char* expected;
    } cases[] = {
        {PS_SOLID, 1, 4, 4, {0, 1}, {4, 1}, "....\n####\n....\n....\n"},
        {PS_SOLID, 1, 4, 4, {1, 0}, {1, 3}, ".#..\n.#..\n.#..\n....\n"},
        {PS_SOLID, 1, 4, 4, {0, 0}, {3, 3}, "#...\n.#..\n..#.\n....\n"},
        {PS_SOLID, 1, 4, 4, {3, 3}, {0, 3}, "....\n....\n....\n.###\n"},
        // Dots are three pixels on and three off.
        {PS_DOT, 1, 12, 1, {0, 0}, {12, 0}, "###...###...\n"},
        // A wide pen covers a square around each point.
        {PS_SOLID, 3, 6, 5, {1, 2}, {4, 2}, "......\n#####.\n#####.\n#####.\n......\n"},
    };
    for (const Case& c : cases) {
        HDC dc = surfaceDC(c.w, c.h);
        HPEN pen = CreatePen(c.style, c.width, kBlack);
        HGDIOBJ old = SelectObject(dc, pen);
        SetBkMode(dc, TRANSPARENT);
        MoveToEx(dc, c.from.x, c.from.y, nullptr);
        LineTo(dc, c.to.x, c.to.y);
        EXPECT_EQ(picture(), c.expected);
        POINT current{};
        MoveToEx(dc, 0, 0, &current);
        EXPECT_EQ(current.x, c.to.x) << "the current position moves to the end point";
        SelectObject(dc, old);
        DeleteObject(pen);
    }
}

TEST_F(Shapes, PolylineJoinsItsPointsWithoutTheLast) {
    HDC dc = surfaceDC(4, 4);
    POINT points[] = {{0, 0}, {3, 0}, {3, 3}};
    Polyline(dc, points, 3);
    EXPECT_EQ(picture(), "####\n...#\n...#\n....\n");
}

TEST_F(Shapes, RectanglesOutlineWithThePenAndFillWithTheBrush) {
    HDC dc = surfaceDC(5, 5);
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(dc, red);
    Rectangle(dc, 0, 0, 4, 4);
    EXPECT_EQ(picture(), "####.\n#??#.\n#??#.\n####.\n.....\n");
    EXPECT_EQ(pixel(1, 1), kRed);
    SelectObject(dc, GetStockObject(NULL_PEN));
    RECT all{0, 0, 5, 5};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Rectangle(dc, 0, 0, 4, 4);
    EXPECT_EQ(picture(kRed), "###..\n###..\n###..\n.....\n.....\n") << "no pen: one pixel smaller";
    SelectObject(dc, old);
    DeleteObject(red);
}

TEST_F(Shapes, XorPenTwiceRestoresAndNotInverts) {
    HDC dc = surfaceDC(4, 1, RGB(10, 20, 30));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 255));
    SelectObject(dc, pen);
    SetROP2(dc, R2_XORPEN);
    for (int i = 0; i < 2; ++i) {
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, 4, 0);
        EXPECT_EQ(pixel(0, 0), i == 0 ? RGB(245, 20, 225) : RGB(10, 20, 30));
    }
    SetROP2(dc, R2_NOT);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 1, 0);
    EXPECT_EQ(pixel(0, 0), RGB(245, 235, 225));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST_F(Shapes, PatBltCombinesTheBrushWithTheDestination) {
    struct Case {
        DWORD rop;
        COLORREF expected;
    } cases[] = {
        {PATCOPY, RGB(0, 255, 0)}, {PATINVERT, RGB(10, 235, 30)},   {DSTINVERT, RGB(245, 235, 225)},
        {BLACKNESS, RGB(0, 0, 0)}, {WHITENESS, RGB(255, 255, 255)},
    };
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    for (const Case& c : cases) {
        HDC dc = surfaceDC(3, 3, RGB(10, 20, 30));
        SelectObject(dc, green);
        PatBlt(dc, 1, 1, 1, 1, c.rop);
        EXPECT_EQ(pixel(1, 1), c.expected) << std::hex << c.rop;
        EXPECT_EQ(pixel(2, 2), RGB(10, 20, 30));
    }
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    DeleteObject(green);
}

TEST_F(Shapes, FrameInvertAndFillRectStopBeforeTheRightAndBottomEdges) {
    HDC dc = surfaceDC(5, 5);
    auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    RECT all{0, 0, 4, 4}, corner{2, 2, 4, 4};
    FrameRect(dc, &all, black);
    EXPECT_EQ(picture(), "####.\n#..#.\n#..#.\n####.\n.....\n");
    InvertRect(dc, &all);
    EXPECT_EQ(picture(), ".....\n.##..\n.##..\n.....\n.....\n");
    FillRect(dc, &corner, black);
    EXPECT_EQ(picture(), ".....\n.##..\n.###.\n..##.\n.....\n");
}

}  // namespace
