// Mouse and keyboard input as a person gives it.
#include "user/input.h"

#include "user/userfixture.h"

namespace {

class InputTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        top_ = spy("top", WS_VISIBLE, {100, 100, 400, 300});
        child_ = spy("child", WS_CHILD | WS_VISIBLE, {10, 10, 110, 60}, top_, 1);
        pump();
        forget();
    }
    HWND top_ = nullptr, child_ = nullptr;
};

TEST_F(InputTest, AClickHitTestsSetsTheCursorAndPostsTheButtonMessages) {
    person().Click(child_);
    Strings expected;
    for (const char* m : {"child:WM_MOUSEMOVE", "child:WM_LBUTTONDOWN", "child:WM_LBUTTONUP"}) {
        expected.insert(expected.end(),
                        {"child:WM_NCHITTEST", "child:WM_SETCURSOR", "top:WM_SETCURSOR", m});
    }
    EXPECT_EQ(log({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}),
              expected);
    for (const Heard& h : heard_) {
        if (h.message != WM_LBUTTONDOWN) continue;
        EXPECT_EQ(GET_X_LPARAM(h.lParam), 50) << "client coordinates of the centre";
        EXPECT_EQ(GET_Y_LPARAM(h.lParam), 25);
        EXPECT_EQ(h.wParam, static_cast<WPARAM>(MK_LBUTTON));
    }
    EnableWindow(top_, FALSE);
    forget();
    person().Click(child_);
    EXPECT_TRUE(log({WM_LBUTTONDOWN}).empty()) << "disabled windows take no clicks";
    EXPECT_FALSE(person().Beeps().empty());
}

TEST_F(InputTest, ClickingAnInactiveWindowAsksItAndActivatesIt) {
    HWND other = spy("other", WS_VISIBLE, {500, 100, 600, 200});
    ASSERT_EQ(GetActiveWindow(), other);
    forget();
    person().Click(child_);
    EXPECT_EQ(log({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}),
              (Strings{"child:WM_MOUSEACTIVATE", "top:WM_MOUSEACTIVATE", "other:WM_ACTIVATE",
                       "top:WM_ACTIVATE", "child:WM_LBUTTONDOWN"}));
    for (const Heard& h : heard_) {
        if (h.message == WM_ACTIVATE && h.window == "top") {
            EXPECT_EQ(LOWORD(h.wParam), WA_CLICKACTIVE);
        }
    }
    EXPECT_EQ(GetActiveWindow(), top_);
}

TEST_F(InputTest, TwoQuickClicksAreADoubleClickOnlyForClassesThatWantThem) {
    person().DoubleClick(child_);
    EXPECT_EQ(log({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (Strings{"child:WM_LBUTTONDOWN", "child:WM_LBUTTONUP", "child:WM_LBUTTONDBLCLK",
                       "child:WM_LBUTTONUP"}));
    forget();
    person().Click(child_);
    person().Click(child_);
    EXPECT_TRUE(log({WM_LBUTTONDBLCLK}).empty()) << "separate clicks are too far apart in time";
}

TEST_F(InputTest, CaptureRoutesTheMouseToTheCapturingWindow) {
    SetCapture(child_);
    forget();
    user::InputMouse(WM_MOUSEMOVE, POINT{390, 290});
    pump();
    EXPECT_EQ(log({WM_MOUSEMOVE, WM_NCHITTEST}), (Strings{"child:WM_MOUSEMOVE"}));
    forget();
    SetCapture(top_);
    EXPECT_EQ(log({WM_CAPTURECHANGED}), (Strings{"child:WM_CAPTURECHANGED"}));
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputTest, TrackedWindowsHearWhenTheMouseLeaves) {
    person().MoveOver(child_);
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, child_, HOVER_DEFAULT};
    EXPECT_TRUE(TrackMouseEvent(&track));
    forget();
    person().MoveAway();
    EXPECT_EQ(log({WM_MOUSELEAVE}), (Strings{"child:WM_MOUSELEAVE"}));
    forget();
    person().MoveOver(child_);
    person().MoveAway();
    EXPECT_TRUE(log({WM_MOUSELEAVE}).empty()) << "tracking ends with the first WM_MOUSELEAVE";
}

TEST_F(InputTest, KeysAndTextGoToTheFocusWindowAndTheKeyStateFollowsThem) {
    SetFocus(child_);
    forget();
    person().KeyDown(VK_SHIFT);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
    person().KeyUp(VK_SHIFT);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    person().Press('F', user::kAlt);
    EXPECT_EQ(
        log({WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR}),
        (Strings{"child:WM_KEYDOWN", "child:WM_KEYUP", "child:WM_SYSKEYDOWN", "child:WM_SYSKEYDOWN",
                 "child:WM_SYSCHAR", "child:WM_SYSKEYUP", "child:WM_SYSKEYUP"}));
    forget();
    person().Type(L"Ø12 é");
    EXPECT_EQ(typed(), L"Ø12 é") << "typed text arrives as characters, accents included";
}

TEST_F(InputTest, ARightClickOrTheMenuKeyAsksForAContextMenuThroughTheParents) {
    person().RightClick(child_);
    EXPECT_EQ(log({WM_RBUTTONUP, WM_CONTEXTMENU}),
              (Strings{"child:WM_RBUTTONUP", "child:WM_CONTEXTMENU", "top:WM_CONTEXTMENU"}));
    const Heard& asked = heard_.back();
    EXPECT_EQ(reinterpret_cast<HWND>(asked.wParam), child_);
    EXPECT_EQ(GET_X_LPARAM(asked.lParam), 160) << "screen coordinates of the click";
    SetFocus(child_);
    forget();
    person().Press(VK_F10, user::kShift);
    ASSERT_EQ(log({WM_CONTEXTMENU}).size(), 2u);
    for (const Heard& h : heard_) {
        if (h.message == WM_CONTEXTMENU) {
            EXPECT_EQ(h.lParam, -1) << "no mouse position";
        }
    }
}

TEST_F(InputTest, WindowFromPointFindsTheDeepestVisibleWindow) {
    EXPECT_EQ(WindowFromPoint(POINT{150, 130}), child_);
    EXPECT_EQ(WindowFromPoint(POINT{300, 250}), top_);
    EXPECT_EQ(WindowFromPoint(POINT{5, 5}), nullptr);
    EXPECT_EQ(ChildWindowFromPoint(top_, POINT{20, 20}), child_);
    ShowWindow(child_, SW_HIDE);
    EXPECT_EQ(WindowFromPoint(POINT{150, 130}), top_);
    EXPECT_EQ(ChildWindowFromPointEx(top_, POINT{20, 20}, CWP_SKIPINVISIBLE), top_);
}

}  // namespace
