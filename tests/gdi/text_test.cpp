#include <gtest/gtest.h>

#include <string>

#include "gdi/gdifixture.h"
#include "gdi/referenceimage.h"

namespace {

class Text : public GdiTest {
protected:
    HDC guiDC(int w = 200, int h = 40) {
        HDC dc = surfaceDC(w, h);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        return dc;
    }
    SIZE extent(HDC dc, const std::wstring& s) {
        SIZE size{};
        GetTextExtentPoint32W(dc, s.c_str(), int(s.size()), &size);
        return size;
    }
    RECT calc(HDC dc, const std::wstring& s, UINT format, int width = 0) {
        RECT r{0, 0, width, 0};
        DrawTextW(dc, s.c_str(), -1, &r, format | DT_CALCRECT);
        return r;
    }
    bool inkInRow(int y, int x0, int x1) const {
        for (int x = x0; x < x1; ++x) {
            if (pixel(x, y) != RGB(255, 255, 255)) return true;
        }
        return false;
    }
};

// These measures are what every layout computed from text rests on: a change here moves
// controls in every dialog, so it must be deliberate.
TEST_F(Text, TheGuiFontHasFixedMetricsAndStringsMeasureTheSameEverywhere) {
    HDC dc = guiDC();
    TEXTMETRICW tm{};
    ASSERT_TRUE(GetTextMetricsW(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmAscent, 10);
    EXPECT_EQ(tm.tmDescent, 3);
    EXPECT_EQ(tm.tmInternalLeading, 2);
    EXPECT_EQ(tm.tmExternalLeading, 0);
    EXPECT_EQ(tm.tmAveCharWidth, 6);
    EXPECT_EQ(tm.tmMaxCharWidth, 21);
    struct Case {
        const wchar_t* text;
        LONG width;
    } cases[] = {
        {L"Diamètre", 52},
        {L"&Nuance d'aciers :", 107},
        {L"Nuance d'aciers :", 98},
        {L"Catalogue de barres", 116},
        {L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 359},
    };
    for (const Case& c : cases) {
        SIZE s = extent(dc, c.text);
        EXPECT_EQ(s.cx, c.width) << std::wstring(c.text).size();
        EXPECT_EQ(s.cy, 13);
    }
}

TEST_F(Text, HeightsFollowTheWindowsSignConvention) {
    struct Case {
        int height;
        LONG cell;
    } cases[] = {{-11, 13}, {16, 16}, {-16, 19}, {0, 13}};
    HDC dc = surfaceDC(1, 1);
    for (const Case& c : cases) {
        HFONT font = CreateFontW(c.height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 L"Tahoma");
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        EXPECT_EQ(tm.tmHeight, c.cell) << c.height;
        SelectObject(dc, old);
        DeleteObject(font);
    }
}

TEST_F(Text, MeasuresDropPrefixesExpandTabsAndWrapWordsAtSpacesIntoTheGivenWidth) {
    HDC dc = guiDC();
    EXPECT_EQ(calc(dc, L"&Nuance d'aciers :", DT_SINGLELINE).right,
              extent(dc, L"Nuance d'aciers :").cx);
    EXPECT_EQ(calc(dc, L"&Nuance d'aciers :", DT_SINGLELINE | DT_NOPREFIX).right,
              extent(dc, L"&Nuance d'aciers :").cx);
    EXPECT_EQ(calc(dc, L"A && B", DT_SINGLELINE).right, extent(dc, L"A & B").cx);
    EXPECT_EQ(calc(dc, L"Diamètre", DT_SINGLELINE).bottom, 13);
    // Tabs expand to eight average characters.
    EXPECT_EQ(calc(dc, L"a\tb", DT_SINGLELINE | DT_EXPANDTABS).right, 8 * 6 + extent(dc, L"b").cx);
    int width = extent(dc, L"Catalogue de").cx;
    RECT r = calc(dc, L"Catalogue de barres d'acier", DT_WORDBREAK, width);
    EXPECT_EQ(r.bottom, 3 * 13) << "Catalogue de / barres / d'acier";
    EXPECT_EQ(r.right, width);
    RECT lines = calc(dc, L"un\ndeux\r\ntrois", 0);
    EXPECT_EQ(lines.bottom, 3 * 13);
    EXPECT_EQ(lines.right, extent(dc, L"deux").cx) << "the widest line";
    RECT longWord = calc(dc, L"Anticonstitutionnellement", DT_WORDBREAK, 10);
    EXPECT_EQ(longWord.bottom, 13) << "a word wider than the box is not split";
}

TEST_F(Text, DrawTextPlacesTheLineInItsBoxAndEndsALongOneWithDots) {
    HDC dc = guiDC(60, 30);
    RECT box{0, 0, 60, 30};
    int height = DrawTextW(dc, L"Hé", -1, &box, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    EXPECT_EQ(height, 8 + 13) << "offset of the line plus its height";
    EXPECT_FALSE(inkInRow(3, 0, 60));
    EXPECT_TRUE(inkInRow(15, 40, 60));
    EXPECT_FALSE(inkInRow(15, 0, 40));
    dc = guiDC(40, 13);
    box = {0, 0, 30, 13};
    DrawTextW(dc, L"Catalogue de barres", -1, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    EXPECT_FALSE(inkInRow(6, 30, 40));
    EXPECT_TRUE(inkInRow(8, 24, 30)) << "the dots end the line";
}

TEST_F(Text, MnemonicsAreUnderlinedUnlessHidden) {
    for (UINT hide : {0u, UINT(DT_HIDEPREFIX)}) {
        HDC dc = guiDC(40, 13);
        RECT box{0, 0, 40, 13};
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, L"&N", -1, &box, DT_SINGLELINE | hide);
        // The underline sits one pixel below the baseline (ascent 10).
        EXPECT_EQ(inkInRow(11, 0, 40), hide == 0);
    }
}

TEST_F(Text, TextOutFillsTheCellWhenOpaqueAndStandsOnTheBaseline) {
    HDC dc = guiDC(30, 13);
    SetBkColor(dc, RGB(0, 0, 255));
    TextOutW(dc, 0, 0, L"i", 1);
    EXPECT_EQ(pixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(pixel(20, 0), RGB(255, 255, 255)) << "only the cell";
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 10, 0, L"i", 1);
    EXPECT_EQ(pixel(10, 0), RGB(255, 255, 255));
    RECT r{20, 0, 30, 13};
    ExtTextOutW(dc, 20, 0, ETO_OPAQUE, &r, L"", 0, nullptr);
    EXPECT_EQ(pixel(29, 12), RGB(0, 0, 255)) << "ETO_OPAQUE fills the rectangle";
    dc = guiDC(20, 30);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    TextOutW(dc, 0, 20, L"H", 1);
    EXPECT_TRUE(inkInRow(19, 0, 20)) << "the letter stands on the baseline";
    EXPECT_FALSE(inkInRow(20, 0, 20));
    EXPECT_FALSE(inkInRow(10, 0, 20));
}

TEST_F(Text, RendersAntiAliasedTextAsItsReferencePicture) {
    HDC dc = surfaceDC(180, 60, GetSysColor(COLOR_BTNFACE));
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 2, 2, L"Diamètre Ø 12 mm", 16);
    RECT box{2, 18, 178, 31};
    DrawTextW(dc, L"&Nuance d'aciers :", -1, &box, DT_SINGLELINE);
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    HFONT bold = CreateFontIndirectW(&lf);
    SelectObject(dc, bold);
    SetTextColor(dc, RGB(0, 0, 128));
    TextOutW(dc, 2, 36, L"Catalogue de barres", 19);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(bold);
    ExpectMatchesReference(*surface_, "text_gui_font");
}

}  // namespace
