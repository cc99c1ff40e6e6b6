// Tool tips: the tip of the tool under the mouse shows at once and goes when the mouse leaves.
#include <string>

#include "controls_fixture.h"

namespace {

class ToolTipTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                               0, 0, 0, parent_, nullptr, nullptr, nullptr);
        ASSERT_NE(tip_, nullptr);
        target_ = create(WC_BUTTONW, L"Target", BS_PUSHBUTTON, {10, 10, 110, 40}, 1);
    }
    TOOLINFOW toolFor(HWND hwnd, UINT flags, const wchar_t* text) {
        TOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | flags;
        info.hwnd = parent_;
        info.uId = reinterpret_cast<UINT_PTR>(hwnd);
        info.lpszText = const_cast<LPWSTR>(text);
        return info;
    }
    void relayMove(HWND hwnd, int x, int y) {
        MSG msg{hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y), 0, {}};
        send(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    }
    std::wstring shownText() {
        if (!IsWindowVisible(tip_)) return L"(hidden)";
        return textOf(tip_);
    }
    HWND tip_ = nullptr;
    HWND target_ = nullptr;
};

TEST_F(ToolTipTest, RelayedMovesOverAToolOrItsRectangleShowTheTextAndLeavingHidesIt) {
    TOOLINFOW info = toolFor(target_, 0, L"Diamètre nominal");
    ASSERT_TRUE(send(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
    TOOLINFOW part = toolFor(nullptr, 0, L"part");
    part.uFlags = 0;
    part.uId = 7;
    part.rect = {200, 100, 260, 140};
    send(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&part));
    relayMove(target_, 5, 5);
    EXPECT_EQ(shownText(), L"Diamètre nominal");
    EXPECT_TRUE(send(tip_, TTM_GETCURRENTTOOLW));
    relayMove(parent_, 300, 250);
    EXPECT_EQ(shownText(), L"(hidden)");
    EXPECT_FALSE(send(tip_, TTM_GETCURRENTTOOLW));
    relayMove(parent_, 210, 110);
    EXPECT_EQ(shownText(), L"part");
    relayMove(parent_, 10, 110);
    EXPECT_EQ(shownText(), L"(hidden)");
    EXPECT_EQ(send(tip_, TTM_SETMAXTIPWIDTH, 0, 400), -1);
    EXPECT_EQ(send(tip_, TTM_SETMAXTIPWIDTH, 0, 300), 400);
}

TEST_F(ToolTipTest, UpdatedTextShowsAndPopOrDeactivationHides) {
    TOOLINFOW info = toolFor(target_, 0, L"old");
    send(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    info.lpszText = const_cast<LPWSTR>(L"new");
    send(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    wchar_t buffer[80] = {};
    TOOLINFOW query = toolFor(target_, 0, buffer);
    send(tip_, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&query));
    EXPECT_EQ(std::wstring(buffer), L"new");
    relayMove(target_, 5, 5);
    EXPECT_EQ(shownText(), L"new");
    send(tip_, TTM_POP);
    EXPECT_EQ(shownText(), L"(hidden)");
    send(tip_, TTM_ACTIVATE, FALSE);
    relayMove(target_, 6, 6);
    EXPECT_EQ(shownText(), L"(hidden)");
}

TEST_F(ToolTipTest, SubclassingToolsShowTheirTipWhenTheMouseHovers) {
    TOOLINFOW info = toolFor(target_, TTF_SUBCLASS, L"Click to add");
    send(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    person().MoveOver(target_);
    EXPECT_EQ(shownText(), L"Click to add");
    person().Click(target_);
    EXPECT_EQ(shownText(), L"(hidden)");
    EXPECT_EQ(codesFrom(1), (std::vector<UINT>{BN_CLICKED}));
    send(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(send(tip_, TTM_GETTOOLCOUNT), 0);
}

}  // namespace
