#include "gdi/png.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gdi/gdifixture.h"
#include "gdi/referenceimage.h"

namespace {

class Pictures : public GdiTest {};

TEST_F(Pictures, PngFilesKeepEveryPixel) {
    gdi::Surface s(3, 2, 0x123456);
    s.at(2, 1) = 0xFEDCBA;
    std::string path = (std::filesystem::temp_directory_path() / "gdi_png_test.png").string();
    ASSERT_TRUE(gdi::WritePng(s, path));
    auto back = gdi::ReadPng(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->width, 3);
    EXPECT_EQ(back->pixels, s.pixels);
    EXPECT_FALSE(gdi::ReadPng(path + ".missing").has_value());
}

TEST_F(Pictures, ShapesAndEdgesMatchTheirReferencePicture) {
    HDC dc = surfaceDC(40, 24, GetSysColor(COLOR_BTNFACE));
    RECT button{2, 2, 38, 22};
    DrawEdge(dc, &button, EDGE_RAISED, BF_RECT | BF_ADJUST);
    DrawFocusRect(dc, &button);
    HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
    HGDIOBJ old = SelectObject(dc, red);
    Ellipse(dc, 8, 6, 18, 16);
    SelectObject(dc, old);
    DeleteObject(red);
    MoveToEx(dc, 22, 6, nullptr);
    LineTo(dc, 32, 16);
    ExpectMatchesReference(*surface_, "shapes_and_edges");
}

}  // namespace
