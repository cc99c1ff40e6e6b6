// The plain list box: item geometry, scrolling, and selection by mouse and keyboard.
#include <string>
#include <vector>

#include "controls_fixture.h"

namespace {

constexpr int kListId = 1200;

class ListBoxTest : public ControlsTest {
protected:
    HWND makeList(DWORD style = LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP) {
        HWND list = create(WC_LISTBOXW, L"", style, {10, 10, 150, 110}, kListId, WS_EX_CLIENTEDGE);
        for (int i = 0; i < 10; ++i) {
            std::wstring text = L"Item " + std::to_wstring(i);
            sendText(list, LB_ADDSTRING, 0, text.c_str());
        }
        forget();
        return list;
    }
    RECT itemRect(HWND list, int index) const {
        RECT rect{};
        send(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
};

TEST_F(ListBoxTest, ItemsStackDownwardsFromTheTopIndexAndProgrammaticChangesAreSilent) {
    HWND list = makeList();
    int height = static_cast<int>(send(list, LB_GETITEMHEIGHT));
    EXPECT_GT(height, 0);
    EXPECT_EQ(itemRect(list, 2).top, 2 * height);
    EXPECT_EQ(itemRect(list, 2).bottom, 3 * height);
    EXPECT_EQ(send(list, LB_SETTOPINDEX, 5), 0);
    EXPECT_EQ(itemRect(list, 5).top, 0);
    EXPECT_EQ(send(list, LB_GETITEMRECT, 10, 0), LB_ERR);
    EXPECT_EQ(send(list, LB_SETTOPINDEX, 10), LB_ERR);
    send(list, LB_SETTOPINDEX, 0);
    EXPECT_EQ(send(list, LB_SETCURSEL, 7), 7);
    EXPECT_GT(send(list, LB_GETTOPINDEX), 0) << "the selection is scrolled into view";
    EXPECT_EQ(send(list, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
    EXPECT_EQ(send(list, LB_GETCURSEL), LB_ERR);
    wchar_t buffer[16] = {};
    EXPECT_EQ(send(list, LB_GETTEXT, 9, reinterpret_cast<LPARAM>(buffer)), 6);
    EXPECT_EQ(std::wstring(buffer), L"Item 9");
    EXPECT_EQ(sendText(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), L"item 4"), 4);
    send(list, LB_SETTOPINDEX, 0);
    EXPECT_EQ(LOWORD(send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, itemRect(list, 1).top + 1))), 1);
    EXPECT_TRUE(codesFrom(kListId).empty()) << "programmatic changes are silent";
}

TEST_F(ListBoxTest, ClickingAndArrowKeysSelectAndNotify) {
    HWND list = makeList();
    RECT third = itemRect(list, 3);
    person().ClickAt(list, {third.left + 5, third.top + 1});
    EXPECT_EQ(send(list, LB_GETCURSEL), 3);
    person().Press(VK_DOWN);
    EXPECT_EQ(send(list, LB_GETCURSEL), 4);
    person().Press(VK_HOME);
    EXPECT_EQ(send(list, LB_GETCURSEL), 0);
    std::vector<UINT> expected = {LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE};
    EXPECT_EQ(codesFrom(kListId), expected);
}

}  // namespace
