#include <gtest/gtest.h>

#include "afx/afxwin.h"

namespace {

CRect Base() {
    return CRect(10, 20, 50, 80);
}

TEST(CRectCPointCSize, MeasureAndAddAsDocumented) {
    CRect r = Base();
    EXPECT_EQ(r.Width(), 40);
    EXPECT_EQ(r.Height(), 60);
    EXPECT_EQ(r.CenterPoint(), CPoint(30, 50));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(50, 20)));  // the right edge lies outside
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_EQ(CPoint(5, 7) - CPoint(2, 3), CSize(3, 4));
    EXPECT_EQ(CPoint(1, 1) + CSize(2, 3), CPoint(3, 4));
    EXPECT_EQ(CSize(4, 4) - CSize(1, 2), CSize(3, 2));
    EXPECT_EQ(CPoint(MAKELPARAM(-3, 9)), CPoint(-3, 9));
}

TEST(CRect, HelpersGiveTheDocumentedRectangle) {
    CRect r = Base();
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(15, 15, 55, 75));
    r = Base();
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(8, 17, 52, 83));
    r = Base();
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(11, 22, 47, 76));
    EXPECT_EQ(Base() & CRect(40, 0, 100, 30), CRect(40, 20, 50, 30));
    EXPECT_EQ(Base() & CRect(60, 0, 70, 10), CRect()) << "disjoint";
    EXPECT_EQ(Base() | CRect(0, 0, 5, 5), CRect(0, 0, 50, 80));
    EXPECT_EQ(Base() + CPoint(1, 1), CRect(11, 21, 51, 81));
    r = CRect(9, 9, 1, 2);
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(1, 2, 9, 9));
}

class MemoryDC : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CClientDC screen(nullptr);
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 20));
        // Temporary objects do not outlive the test's AfxDeleteTempMap: keep the handle.
        previous = dc.SelectObject(&bitmap)->m_hObject;
        dc.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    }
    void TearDown() override { ::SelectObject(dc, previous); }
    CDC dc;
    CBitmap bitmap;
    HGDIOBJ previous = nullptr;
};

TEST_F(MemoryDC, FillSolidRectPaintsAndKeepsItsColourAsBackground) {
    dc.FillSolidRect(CRect(2, 2, 6, 6), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(6, 6), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetBkColor(), RGB(10, 20, 30));
}

TEST_F(MemoryDC, SelectedPensDrawAndSelectedFontsMeasure) {
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* pOld = dc.SelectObject(&red);
    ASSERT_NE(pOld, nullptr);
    EXPECT_TRUE(pOld->IsKindOf(RUNTIME_CLASS(CPen)));  // the stock pen, as a temporary CPen
    dc.MoveTo(0, 15);
    dc.LineTo(20, 15);
    EXPECT_EQ(dc.GetPixel(7, 15), RGB(255, 0, 0));
    EXPECT_EQ(dc.SelectObject(pOld), &red);
    dc.SelectStockObject(DEFAULT_GUI_FONT);
    CSize one = dc.GetTextExtent(CString(L"W"));
    CSize two = dc.GetTextExtent(L"WW", 2);
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(two.cx, 2 * one.cx);
    TEXTMETRIC metrics{};
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(one.cy, metrics.tmHeight);
    AfxDeleteTempMap();
}

}  // namespace
