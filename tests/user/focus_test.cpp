// Keyboard focus, activation, enabling and visibility.
#include "user/userfixture.h"

namespace {

class FocusTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        top_ = spy("top", WS_VISIBLE, {0, 0, 300, 200});
        a_ = spy("a", WS_CHILD | WS_VISIBLE, {10, 10, 60, 30}, top_, 1);
        b_ = spy("b", WS_CHILD | WS_VISIBLE, {10, 40, 60, 60}, top_, 2);
        forget();
    }
    HWND top_ = nullptr, a_ = nullptr, b_ = nullptr;
};

TEST_F(FocusTest, TheOldWindowLosesTheFocusBeforeTheNewOneGetsIt) {
    SetFocus(a_);
    forget();
    EXPECT_EQ(SetFocus(b_), a_);
    ASSERT_EQ(log({WM_KILLFOCUS, WM_SETFOCUS}), (Strings{"a:WM_KILLFOCUS", "b:WM_SETFOCUS"}));
    EXPECT_EQ(reinterpret_cast<HWND>(heard_[0].wParam), b_) << "WM_KILLFOCUS names the new window";
    EXPECT_EQ(reinterpret_cast<HWND>(heard_[1].wParam), a_) << "WM_SETFOCUS names the old window";
    forget();
    EXPECT_EQ(SetFocus(b_), b_);
    EXPECT_TRUE(log({WM_KILLFOCUS, WM_SETFOCUS}).empty()) << "the focus did not move";
}

TEST_F(FocusTest, DisablingTheFocusWindowTakesTheFocusAway) {
    SetFocus(a_);
    forget();
    EXPECT_FALSE(EnableWindow(a_, FALSE)) << "the window was enabled";
    EXPECT_EQ(log({WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE}),
              (Strings{"a:WM_CANCELMODE", "a:WM_KILLFOCUS", "a:WM_ENABLE"}));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(a_), nullptr) << "a disabled window cannot take the focus";
    EXPECT_TRUE(EnableWindow(a_, TRUE)) << "the window was disabled";
}

TEST_F(FocusTest, ActivationDeactivatesTheOldWindowFirstAndFocusingAChildActivatesItsOwn) {
    HWND other = spy("other", 0, {400, 0, 500, 100});
    SetActiveWindow(top_);
    forget();
    EXPECT_EQ(SetActiveWindow(other), top_);
    EXPECT_EQ(log({WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}),
              (Strings{"top:WM_NCACTIVATE", "top:WM_ACTIVATE", "other:WM_NCACTIVATE",
                       "other:WM_ACTIVATE", "other:WM_SETFOCUS"}));
    EXPECT_EQ(GetForegroundWindow(), other);
    EXPECT_EQ(GetFocus(), other) << "DefWindowProc focuses the window it activates";
    SetFocus(a_);
    EXPECT_EQ(GetActiveWindow(), top_);
    EXPECT_EQ(GetFocus(), a_);
}

TEST_F(FocusTest, ShowWindowReportsThePreviousVisibilityAndHidingTheFocusFocusesTheParent) {
    SetFocus(a_);
    EXPECT_TRUE(ShowWindow(a_, SW_HIDE));
    EXPECT_EQ(GetFocus(), top_);
    EXPECT_FALSE(ShowWindow(a_, SW_HIDE));
    forget();
    EXPECT_FALSE(ShowWindow(a_, SW_SHOW));
    EXPECT_EQ(log({WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}),
              (Strings{"a:WM_SHOWWINDOW", "a:WM_WINDOWPOSCHANGING", "a:WM_WINDOWPOSCHANGED"}));
    EXPECT_TRUE(IsWindowVisible(a_));
    SetFocus(b_);
    DestroyWindow(b_);
    EXPECT_EQ(GetFocus(), top_) << "destroying the focus window focuses its parent too";
    ShowWindow(top_, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(a_)) << "a child is visible only while its parent is";
}

}  // namespace
