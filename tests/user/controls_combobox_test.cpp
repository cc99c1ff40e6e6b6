// The combo box as a Windows programmer and a person see it: the list's contents and searches,
// the selection field, and the notifications of picks by mouse and keyboard.
#include <string>
#include <vector>

#include "controls_fixture.h"

namespace {

constexpr int kComboId = 1108;
constexpr DWORD kDropDownList = WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_HASSTRINGS;

class ComboBoxTest : public ControlsTest {
protected:
    HWND makeCombo(DWORD style = kDropDownList, std::vector<const wchar_t*> items = {}) {
        HWND combo = create(WC_COMBOBOXW, L"", style, {10, 10, 160, 210}, kComboId);
        for (const wchar_t* item : items) sendText(combo, CB_ADDSTRING, 0, item);
        forget();
        return combo;
    }
    std::vector<std::wstring> itemsOf(HWND combo) const {
        std::vector<std::wstring> items;
        int count = static_cast<int>(send(combo, CB_GETCOUNT));
        for (int i = 0; i < count; ++i) {
            std::wstring text(static_cast<std::size_t>(send(combo, CB_GETLBTEXTLEN, i)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(
                send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
            items.push_back(text);
        }
        return items;
    }
};

TEST_F(ComboBoxTest, FindStringExactIgnoresCaseStartsAfterTheIndexAndWrapsRound) {
    HWND combo = makeCombo(kDropDownList, {L"FE500", L"fe400", L"S235", L"Fe500", L"B500"});
    struct Case {
        int startAfter;
        const wchar_t* text;
        LRESULT expected;
    };
    const Case cases[] = {
        {-1, L"fe500", 0}, {0, L"FE500", 3},      {3, L"fe500", 0}, {2, L"FE400", 1},
        {4, L"b500", 4},   {-1, L"FE50", CB_ERR}, {99, L"s235", 2}, {-1, L"", CB_ERR},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sendText(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(c.startAfter), c.text),
                  c.expected)
            << "start after " << c.startAfter;
    }
}

TEST_F(ComboBoxTest, FindStringMatchesPrefixesAndSelectStringSelectsTheMatch) {
    HWND combo = makeCombo(kDropDownList, {L"HA10", L"HA12", L"TS8"});
    EXPECT_EQ(sendText(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), L"ha"), 0);
    EXPECT_EQ(sendText(combo, CB_FINDSTRING, 0, L"ha"), 1);
    EXPECT_EQ(sendText(combo, CB_FINDSTRING, 1, L"ha"), 0);
    EXPECT_EQ(sendText(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), L"ts"), 2);
    EXPECT_EQ(textOf(combo), L"TS8");
    EXPECT_EQ(sendText(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), L"xx"), CB_ERR);
    EXPECT_EQ(send(combo, CB_GETCURSEL), 2);
}

TEST_F(ComboBoxTest, SortedComboInsertsInCaseInsensitiveOrderOthersKeepArrival) {
    HWND sorted =
        makeCombo(kDropDownList | CBS_SORT, {L"beta", L"Alpha", L"gamma", L"ALPHA2", L"Beta0"});
    EXPECT_EQ(itemsOf(sorted),
              (std::vector<std::wstring>{L"Alpha", L"ALPHA2", L"beta", L"Beta0", L"gamma"}));
    HWND plain = makeCombo(kDropDownList, {L"b", L"A", L"c"});
    EXPECT_EQ(itemsOf(plain), (std::vector<std::wstring>{L"b", L"A", L"c"}));
    EXPECT_EQ(sendText(plain, CB_INSERTSTRING, 1, L"x"), 1);
    EXPECT_EQ(sendText(plain, CB_INSERTSTRING, static_cast<WPARAM>(-1), L"z"), 4);
    EXPECT_EQ(itemsOf(plain), (std::vector<std::wstring>{L"b", L"x", L"A", L"c", L"z"}));
}

TEST_F(ComboBoxTest, SelectionFieldFollowsTheSelectionSilentlyThroughDeletions) {
    HWND combo = makeCombo(kDropDownList, {L"a", L"b", L"c"});
    EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(send(combo, CB_SETCURSEL, 1), 1);
    EXPECT_EQ(textOf(combo), L"b");
    EXPECT_EQ(send(combo, CB_SETCURSEL, static_cast<WPARAM>(-1)), CB_ERR);
    EXPECT_EQ(textOf(combo), L"");
    EXPECT_EQ(send(combo, CB_SETCURSEL, 7), CB_ERR);
    send(combo, CB_SETCURSEL, 2);
    EXPECT_EQ(send(combo, CB_DELETESTRING, 0), 2);
    EXPECT_EQ(send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(send(combo, CB_DELETESTRING, 1), 1);
    EXPECT_EQ(send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(send(combo, CB_DELETESTRING, 5), CB_ERR);
    send(combo, CB_SETITEMDATA, 0, 42);
    EXPECT_EQ(send(combo, CB_GETITEMDATA, 0), 42);
    send(combo, CB_RESETCONTENT);
    EXPECT_EQ(send(combo, CB_GETCOUNT), 0);
    EXPECT_TRUE(codesFrom(kComboId).empty());
}

TEST_F(ComboBoxTest, DropDownComboShowsTheSelectionInItsEditChildWhereTypingNotifies) {
    HWND combo = makeCombo(WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL, {L"one", L"two"});
    HWND edit = GetDlgItem(combo, 1001);
    send(combo, CB_SETCURSEL, 1);
    EXPECT_EQ(textOf(edit), L"two");
    SetWindowTextW(combo, L"free text");
    EXPECT_EQ(textOf(edit), L"free text");
    EXPECT_EQ(textOf(combo), L"free text");
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    EXPECT_EQ(info.hwndItem, edit);
    EXPECT_EQ(info.hwndCombo, combo);
    EXPECT_TRUE(codesFrom(kComboId).empty());
    SetFocus(combo);
    forget();
    person().Type(L"ab");
    EXPECT_EQ(textOf(combo), L"ab");
    std::vector<UINT> expected = {CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE, CBN_EDITCHANGE};
    EXPECT_EQ(codesFrom(kComboId), expected);
}

TEST_F(ComboBoxTest, HeightIsTheSelectionFieldsAndTheRestIsTheDroppedList) {
    HWND combo = makeCombo();
    int fieldHeight = static_cast<int>(send(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
    RECT dropped{};
    send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 200);
    MoveWindow(combo, 10, 10, 150, 120, TRUE);
    RECT window{};
    GetWindowRect(combo, &window);
    EXPECT_EQ(window.bottom - window.top, fieldHeight + 6);
    send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 120);
    send(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 30);
    GetWindowRect(combo, &window);
    EXPECT_EQ(window.bottom - window.top, 36);
}

// Windows leaves the order of CBN_SELCHANGE and CBN_CLOSEUP open; this is the order used here.
TEST_F(ComboBoxTest, MousePickSendsDropDownSelChangeCloseUpThenSelEndOk) {
    HWND combo = makeCombo(kDropDownList, {L"FE400", L"FE500", L"S235"});
    person().PickComboItem(combo, 1);
    EXPECT_EQ(send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(textOf(combo), L"FE500");
    EXPECT_FALSE(send(combo, CB_GETDROPPEDSTATE));
    std::vector<UINT> expected = {CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE, CBN_CLOSEUP,
                                  CBN_SELENDOK};
    EXPECT_EQ(codesFrom(kComboId), expected);
}

TEST_F(ComboBoxTest, EscapeClosesWithCloseUpThenSelEndCancelAndTheOpenListWantsAllKeys) {
    HWND combo = makeCombo(kDropDownList, {L"a", L"b"});
    send(combo, CB_SETCURSEL, 0);
    SetFocus(combo);
    forget();
    EXPECT_EQ(send(combo, WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_WANTARROWS);
    person().Press(VK_F4);
    EXPECT_TRUE(send(combo, CB_GETDROPPEDSTATE));
    EXPECT_EQ(send(combo, WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_WANTALLKEYS);
    person().Press(VK_ESCAPE);
    EXPECT_FALSE(send(combo, CB_GETDROPPEDSTATE));
    std::vector<UINT> expected = {CBN_DROPDOWN, CBN_CLOSEUP, CBN_SELENDCANCEL};
    EXPECT_EQ(codesFrom(kComboId), expected);
    EXPECT_EQ(send(combo, CB_GETCURSEL), 0);
}

TEST_F(ComboBoxTest, ArrowKeysOnAClosedListEndTheChoiceEachTimeAndLeavingIsReported) {
    HWND combo = makeCombo(kDropDownList, {L"a", L"b", L"c"});
    send(combo, CB_SETCURSEL, 0);
    SetFocus(combo);
    forget();
    person().Press(VK_DOWN);
    person().Press(VK_DOWN);
    person().Press(VK_DOWN);  // already on the last item: nothing changes
    EXPECT_EQ(send(combo, CB_GETCURSEL), 2);
    SetFocus(parent_);
    std::vector<UINT> expected = {CBN_SELCHANGE, CBN_SELENDOK, CBN_SELCHANGE, CBN_SELENDOK,
                                  CBN_KILLFOCUS};
    EXPECT_EQ(codesFrom(kComboId), expected);
}

}  // namespace
