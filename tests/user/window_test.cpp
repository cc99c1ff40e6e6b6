// Window classes, creation and destruction, window data, the window tree and geometry.
#include "user/userfixture.h"

namespace {

constexpr RECT kBox{10, 20, 210, 120};

class WindowTest : public UserTest {};

LRESULT CALLBACK Upper(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return msg == WM_USER ? 1000 + DefWindowProcW(hwnd, msg, wp, lp)
                          : DefWindowProcW(hwnd, msg, wp, lp);
}

WNDPROC g_previous = nullptr;
LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT inner = CallWindowProcW(g_previous, hwnd, msg, wp, lp);
    return msg == WM_GETTEXTLENGTH ? inner + 100 : inner;
}

TEST_F(WindowTest, CreationSendsTheDocumentedMessagesInOrder) {
    HWND top = spy("top", WS_CAPTION, kBox);
    EXPECT_EQ(log().front(), "top:WM_GETMINMAXINFO") << "top-level windows are asked first";
    forget();
    spy("child", WS_CHILD | WS_VISIBLE, {0, 0, 50, 20}, top, 7);
    EXPECT_EQ(
        log({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY,
             WM_SHOWWINDOW}),
        (Strings{"child:WM_NCCREATE", "child:WM_NCCALCSIZE", "child:WM_CREATE", "child:WM_SIZE",
                 "child:WM_MOVE", "top:WM_PARENTNOTIFY", "child:WM_SHOWWINDOW"}));
    forget();
    spy("quiet", WS_CHILD, {0, 0, 5, 5}, top, 1, WS_EX_NOPARENTNOTIFY);
    EXPECT_TRUE(log({WM_PARENTNOTIFY}).empty());
}

TEST_F(WindowTest, CreationFailsWhenTheWindowRefuses) {
    struct Case {
        UINT message;
        LRESULT refusal;
    };
    for (Case c : {Case{WM_CREATE, -1}, Case{WM_NCCREATE, FALSE}}) {
        SCOPED_TRACE(messageName(c.message));
        forget();
        answer(c.message, c.refusal);
        EXPECT_EQ(spy("refuser", 0, kBox), nullptr);
        answers_.clear();
        Strings endings = log({WM_DESTROY, WM_NCDESTROY});
        EXPECT_EQ(endings, (Strings{"refuser:WM_DESTROY", "refuser:WM_NCDESTROY"}));
        EXPECT_EQ(GetTopWindow(nullptr), nullptr);
    }
}

TEST_F(WindowTest, DestructionReachesParentFirstThenChildrenAndFreesChildrenAndOwnedWindows) {
    HWND top = spy("top", 0, kBox);
    HWND child = spy("child", WS_CHILD, {0, 0, 50, 20}, top, 1);
    spy("grandchild", WS_CHILD, {0, 0, 5, 5}, child, 2);
    forget();
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_EQ(log({WM_DESTROY, WM_NCDESTROY}),
              (Strings{"top:WM_DESTROY", "child:WM_DESTROY", "grandchild:WM_DESTROY",
                       "grandchild:WM_NCDESTROY", "child:WM_NCDESTROY", "top:WM_NCDESTROY"}));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(DestroyWindow(top));
    HWND owner = spy("owner", 0, kBox);
    HWND owned = spy("owned", WS_POPUP, kBox, owner);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(owned)) << "owned windows go with their owner";
}

TEST_F(WindowTest, ClassNamesIgnoreCaseAndAClassInUseCannotBeUnregistered) {
    WNDCLASSW info{};
    EXPECT_TRUE(GetClassInfoW(nullptr, L"usertestSPY", &info));
    EXPECT_EQ(info.lpfnWndProc, &UserTest::spyProc);
    EXPECT_TRUE(GetClassInfoW(nullptr, L"#32770", &info)) << "the dialog class is registered";
    WNDCLASSW cls{0, &Upper, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"USERTESTSPY"};
    EXPECT_EQ(RegisterClassW(&cls), 0);
    cls.lpszClassName = L"Upper";
    ASSERT_NE(RegisterClassW(&cls), 0);
    HWND w = CreateWindowExW(0, L"upper", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                             nullptr);
    EXPECT_FALSE(UnregisterClassW(L"Upper", nullptr));
    EXPECT_EQ(SendMessageW(w, WM_USER, 0, 0), 1000);
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassW(L"Upper", nullptr));
    EXPECT_EQ(CreateWindowExW(0, L"Upper", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
}

TEST_F(WindowTest, TextIsCutToTheBufferAndSubclassingCanChainToThePreviousProcedure) {
    HWND w = spy("w", 0, kBox);
    EXPECT_TRUE(SetWindowTextW(w, L"Bügel Ø12"));
    wchar_t buffer[5];
    EXPECT_EQ(GetWindowTextW(w, buffer, 5), 4);
    EXPECT_STREQ(buffer, L"Büge");
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    EXPECT_EQ(g_previous, &UserTest::spyProc);
    EXPECT_EQ(GetWindowTextLengthW(w), 109);
    SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    EXPECT_EQ(GetWindowTextLengthW(w), 9);
}

TEST_F(WindowTest, TheTreeIsWalkedInCreationOrder) {
    HWND top = spy("top", 0, kBox);
    HWND a = spy("a", WS_CHILD, {0, 0, 5, 5}, top, 1);
    HWND b = spy("b", WS_CHILD, {0, 0, 5, 5}, top, 2);
    HWND c = spy("c", WS_CHILD, {0, 0, 5, 5}, b, 3);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDLAST), b);
    EXPECT_EQ(GetParent(c), b);
    EXPECT_EQ(GetAncestor(c, GA_ROOT), top);
    EXPECT_TRUE(IsChild(top, c));
    EXPECT_FALSE(IsChild(a, c));
    EXPECT_EQ(GetDlgItem(top, 2), b);
    EXPECT_EQ(GetDlgItem(top, 3), nullptr) << "only direct children are dialog items";
    EXPECT_EQ(GetDlgCtrlID(c), 3);
    int descendants = 0;
    auto count = [](HWND, LPARAM n) -> BOOL {
        ++*reinterpret_cast<int*>(n);
        return TRUE;
    };
    EnumChildWindows(top, count, reinterpret_cast<LPARAM>(&descendants));
    EXPECT_EQ(descendants, 3);
    EXPECT_EQ(SetParent(c, a), b);
    EXPECT_EQ(GetParent(c), a);
}

TEST_F(WindowTest, TheClientAreaIsTheWindowLessItsFrame) {
    struct Case {
        const char* what;
        DWORD style;
        DWORD exStyle;
        RECT client;
    };
    const Case cases[] = {
        {"plain", 0, 0, {0, 0, 200, 100}},
        {"border", WS_BORDER, 0, {0, 0, 198, 98}},
        {"client edge", 0, WS_EX_CLIENTEDGE, {0, 0, 196, 96}},
        {"static edge", 0, WS_EX_STATICEDGE, {0, 0, 198, 98}},
        {"caption", WS_CAPTION, 0, {0, 0, 194, 75}},
        {"modal frame", WS_CAPTION, WS_EX_DLGMODALFRAME, {0, 0, 194, 75}},
        {"vertical scroll bar", WS_BORDER | WS_VSCROLL, 0, {0, 0, 182, 98}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND w = spy("w", c.style, kBox, nullptr, 0, c.exStyle);
        RECT r;
        GetClientRect(w, &r);
        EXPECT_TRUE(EqualRect(&r, &c.client)) << r.right << "x" << r.bottom;
        RECT adjusted = r;
        AdjustWindowRectEx(&adjusted, c.style, FALSE, c.exStyle);
        int scrollBar = (c.style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
        EXPECT_EQ(adjusted.right - adjusted.left + scrollBar, 200)
            << "AdjustWindowRectEx leaves scroll bars out";
    }
}

TEST_F(WindowTest, PointsMapBetweenClientAreasAndTheScreen) {
    HWND top = spy("top", WS_CAPTION, kBox);
    HWND child = spy("child", WS_CHILD | WS_BORDER, {5, 6, 55, 26}, top, 1);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 10 + 3 + 5 + 1);
    EXPECT_EQ(p.y, 20 + 3 + 19 + 6 + 1);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 6);
    EXPECT_EQ(p.y, 7);
    POINT q{0, 0};
    MapWindowPoints(child, top, &q, 1);
    EXPECT_EQ(q.x, 6);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 18);
}

TEST_F(WindowTest, SetWindowPosAndSetWindowLongAnnounceTheirChanges) {
    HWND w = spy("w", WS_BORDER, kBox, nullptr, 0, WS_EX_CLIENTEDGE);
    forget();
    SetWindowLongW(w, GWL_STYLE, GetWindowLongW(w, GWL_STYLE) | WS_TABSTOP);
    EXPECT_EQ(log(), (Strings{"w:WM_STYLECHANGING", "w:WM_STYLECHANGED"}));
    forget();
    SetWindowPos(w, nullptr, 30, 40, 100, 50, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(log({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
              (Strings{"w:WM_WINDOWPOSCHANGING", "w:WM_NCCALCSIZE", "w:WM_WINDOWPOSCHANGED",
                       "w:WM_MOVE", "w:WM_SIZE"}));
    forget();
    MoveWindow(w, 30, 40, 120, 50, TRUE);
    EXPECT_EQ(log({WM_MOVE, WM_SIZE}), (Strings{"w:WM_SIZE"}))
        << "an unchanged place sends no WM_MOVE";
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right, 150);
}

}  // namespace
