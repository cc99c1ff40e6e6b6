#include <gtest/gtest.h>

#include "gdi/gdifixture.h"

namespace {

class Edges : public GdiTest {};

struct SideColors {
    const char* name;
    UINT edge;
    // Outer top-left, outer bottom-right, inner top-left, inner bottom-right.
    int outerTL, outerBR, innerTL, innerBR;
};

TEST_F(Edges, EachEdgeKindPaintsItsSidesInTheClassicColours) {
    const SideColors cases[] = {
        {"raised", EDGE_RAISED, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT,
         COLOR_BTNSHADOW},
        {"sunken", EDGE_SUNKEN, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW,
         COLOR_3DLIGHT},
        {"etched", EDGE_ETCHED, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT,
         COLOR_BTNSHADOW},
        {"bump", EDGE_BUMP, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
    };
    for (const SideColors& c : cases) {
        HDC dc = surfaceDC(8, 8, RGB(1, 2, 3));
        RECT r{0, 0, 8, 8};
        EXPECT_TRUE(DrawEdge(dc, &r, c.edge, BF_RECT));
        EXPECT_EQ(pixel(0, 3), GetSysColor(c.outerTL)) << c.name << " outer left";
        EXPECT_EQ(pixel(3, 0), GetSysColor(c.outerTL)) << c.name << " outer top";
        EXPECT_EQ(pixel(7, 3), GetSysColor(c.outerBR)) << c.name << " outer right";
        EXPECT_EQ(pixel(3, 7), GetSysColor(c.outerBR)) << c.name << " outer bottom";
        EXPECT_EQ(pixel(1, 3), GetSysColor(c.innerTL)) << c.name << " inner left";
        EXPECT_EQ(pixel(6, 3), GetSysColor(c.innerBR)) << c.name << " inner right";
        EXPECT_EQ(pixel(7, 0), GetSysColor(c.outerBR))
            << c.name << " right side owns the top-right corner";
        EXPECT_EQ(pixel(3, 3), RGB(1, 2, 3)) << c.name << " middle untouched";
    }
}

TEST_F(Edges, AdjustShrinksMiddleFillsAndFlatOrMonoUseOneColourPerBorder) {
    HDC dc = surfaceDC(8, 8, RGB(1, 2, 3));
    RECT r{0, 0, 8, 8};
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.bottom, 6);
    EXPECT_EQ(pixel(4, 4), GetSysColor(COLOR_BTNFACE));
    RECT one{0, 0, 8, 8};
    DrawEdge(dc, &one, BDR_RAISEDINNER, BF_LEFT | BF_ADJUST);
    EXPECT_EQ(one.left, 1);
    EXPECT_EQ(one.right, 8) << "only the drawn sides move";
    dc = surfaceDC(6, 6);
    r = {0, 0, 6, 6};
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_FLAT);
    EXPECT_EQ(pixel(0, 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(5, 2), GetSysColor(COLOR_BTNSHADOW));
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_MONO);
    EXPECT_EQ(pixel(0, 2), GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(Edges, FocusRectangleIsDottedAndDrawingItTwiceRestores) {
    HDC dc = surfaceDC(6, 5, RGB(10, 20, 30));
    RECT r{0, 0, 6, 5};
    DrawFocusRect(dc, &r);
    EXPECT_EQ(pixel(0, 0), RGB(245, 235, 225));
    EXPECT_EQ(pixel(1, 0), RGB(10, 20, 30)) << "every other pixel";
    DrawFocusRect(dc, &r);
    for (std::uint32_t p : surface_->pixels) EXPECT_EQ(gdi::ColorFromPixel(p), RGB(10, 20, 30));
}

}  // namespace
