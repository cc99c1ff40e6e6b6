// The message queue, hooks and painting.
#include <algorithm>

#include "user/userfixture.h"

namespace {

class MessagesTest : public UserTest {};

HHOOK g_hook = nullptr;
std::vector<std::wstring> g_hooked;
LRESULT CALLBACK CbtHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND) {
        auto* cbt = reinterpret_cast<CBT_CREATEWNDW*>(lp);
        g_hooked.push_back(cbt->lpcs->lpszName);
        if (IsWindow(reinterpret_cast<HWND>(wp)) && std::wstring(cbt->lpcs->lpszName) == L"veto")
            return 1;
    }
    return CallNextHookEx(g_hook, code, wp, lp);
}

TEST_F(MessagesTest, PostedMessagesWaitForTheLoopAndComeOutInOrderUntilTheQuitMessage) {
    HWND w = spy("w", 0, {0, 0, 10, 10});
    forget();
    PostMessageW(w, WM_USER, 1, 0);
    PostMessageW(w, WM_USER + 1, 2, 0);
    EXPECT_TRUE(log({WM_USER}).empty());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 2u) << "the filter picks the later message";
    ASSERT_TRUE(PeekMessageW(&msg, w, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    DispatchMessageW(&msg);
    EXPECT_EQ(log({WM_USER}), (Strings{"w:WM_USER"}));
    EXPECT_FALSE(PostMessageW(reinterpret_cast<HWND>(0x7), WM_USER, 0, 0)) << "an invalid window";
    PostQuitMessage(3);
    EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0)) << "the quit message comes after posted ones";
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(takeScriptFailures().size(), 1u) << "a loop with nothing to do fails the script";
}

TEST_F(MessagesTest, TranslateMessageTurnsKeysIntoCharactersBeforeTheKeyComesUp) {
    struct Case {
        UINT vk;
        bool shift;
        wchar_t ch;
    };
    const Case cases[] = {{'A', false, L'a'},      {'A', true, L'A'},
                          {'7', false, L'7'},      {VK_OEM_PERIOD, false, L'.'},
                          {VK_SPACE, false, L' '}, {VK_RETURN, false, L'\r'}};
    HWND w = spy("w", WS_VISIBLE, {0, 0, 10, 10});
    SetFocus(w);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.ch));
        forget();
        person().Press(c.vk, c.shift ? user::kShift : user::kNone);
        EXPECT_EQ(typed(), std::wstring(1, c.ch));
        Strings keys = log({WM_KEYDOWN, WM_CHAR, WM_KEYUP});
        Strings around = {"w:WM_KEYDOWN", "w:WM_CHAR", "w:WM_KEYUP"};
        EXPECT_NE(std::search(keys.begin(), keys.end(), around.begin(), around.end()), keys.end());
    }
}

TEST_F(MessagesTest, TheCreationHookSeesWindowsFirstAndCanVetoThem) {
    g_hooked.clear();
    g_hook = SetWindowsHookExW(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId());
    HWND kept = CreateWindowExW(0, kSpyClass, L"kept", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                nullptr, nullptr);
    HWND vetoed = CreateWindowExW(0, kSpyClass, L"veto", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                  nullptr, nullptr);
    EXPECT_TRUE(UnhookWindowsHookEx(g_hook));
    EXPECT_NE(kept, nullptr);
    EXPECT_EQ(vetoed, nullptr);
    EXPECT_EQ(g_hooked, (std::vector<std::wstring>{L"kept", L"veto"}));
    EXPECT_FALSE(UnhookWindowsHookEx(g_hook));
}

TEST_F(MessagesTest, InvalidatedWindowsArePaintedWhenTheQueueIsEmptyOrAtOnceWhenUpdated) {
    HWND w = spy("w", WS_VISIBLE, {0, 0, 100, 100});
    pump();
    forget();
    RECT a{10, 10, 20, 20}, b{50, 40, 60, 70};
    InvalidateRect(w, &a, TRUE);
    InvalidateRect(w, &b, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(w, &update, FALSE));
    RECT both{10, 10, 60, 70};
    EXPECT_TRUE(EqualRect(&update, &both)) << "the update area is the union";
    pump();
    EXPECT_EQ(log({WM_PAINT, WM_ERASEBKGND}), (Strings{"w:WM_PAINT", "w:WM_ERASEBKGND"}));
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE)) << "BeginPaint validated the window";
    InvalidateRect(w, nullptr, FALSE);
    forget();
    UpdateWindow(w);
    EXPECT_EQ(log({WM_PAINT}), (Strings{"w:WM_PAINT"}));
    InvalidateRect(w, nullptr, FALSE);
    ValidateRect(w, nullptr);
    forget();
    pump();
    EXPECT_TRUE(log({WM_PAINT}).empty()) << "a validated window is not painted";
}

TEST_F(MessagesTest, RedrawWindowReachesChildrenAndFramesWhenAsked) {
    HWND top = spy("top", WS_VISIBLE | WS_BORDER, {0, 0, 100, 100});
    spy("child", WS_CHILD | WS_VISIBLE, {10, 10, 50, 50}, top, 1);
    pump();
    forget();
    RedrawWindow(top, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(log({WM_PAINT, WM_NCPAINT, WM_ERASEBKGND}),
              (Strings{"top:WM_PAINT", "top:WM_NCPAINT", "top:WM_ERASEBKGND", "child:WM_PAINT",
                       "child:WM_NCPAINT", "child:WM_ERASEBKGND"}));
}

}  // namespace
