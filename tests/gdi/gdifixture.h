// A fixture for drawing tests: a small surface with a DC on it, and a check that the test
// leaves as many GDI objects alive as it found (a leak fails the test).
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "gdi/surface.h"
#include "gdi/wingdi.h"
#include "win/module.h"

// A memory DC with a bitmap of its own, both freed at the end of the scope.
class MemoryDC {
public:
    MemoryDC(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), bitmap_(bitmap) {
        old_ = SelectObject(dc_, bitmap_);
    }
    ~MemoryDC() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    operator HDC() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

class GdiTest : public ::testing::Test {
protected:
    void SetUp() override { objectsBefore_ = liveObjects(); }
    void TearDown() override {
        if (dc_) DeleteDC(dc_);
        EXPECT_EQ(liveObjects(), objectsBefore_) << "GDI objects leaked";
    }

    static DWORD liveObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

    // A DC drawing on a fresh w x h surface filled with `fill`; it replaces the DC of the
    // previous call, and the fixture deletes the last one.
    HDC surfaceDC(int w, int h, COLORREF fill = RGB(255, 255, 255)) {
        if (dc_) DeleteDC(dc_);
        surface_ = std::make_shared<gdi::Surface>(w, h, gdi::PixelFromColor(fill));
        dc_ = gdi::CreateDCOnSurface(surface_, POINT{0, 0}, RECT{0, 0, w, h});
        return dc_;
    }
    COLORREF pixel(int x, int y) const { return gdi::ColorFromPixel(surface_->at(x, y)); }

    std::shared_ptr<gdi::Surface> surface_;
    HDC dc_ = nullptr;

private:
    DWORD objectsBefore_ = 0;
};
