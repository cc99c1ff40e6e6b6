// The single-line edit control: typing, keys, selection, limits, styles and notifications.
#include <string>
#include <vector>

#include "controls_fixture.h"

namespace {

constexpr int kEditId = 1114;

class EditTest : public ControlsTest {
protected:
    HWND makeEdit(DWORD style = WS_TABSTOP | ES_AUTOHSCROLL, LPCWSTR text = L"") {
        HWND edit = create(WC_EDITW, text, style, {10, 10, 200, 32}, kEditId, WS_EX_CLIENTEDGE);
        SetFocus(edit);
        forget();
        return edit;
    }
    std::pair<DWORD, DWORD> selection(HWND edit) const {
        DWORD start = 0, end = 0;
        send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
};

TEST_F(EditTest, EveryChangeSendsUpdateBeforeChangeAndOnlyTypingMarksTheTextModified) {
    HWND edit = makeEdit();
    person().Type(L"12");
    person().Press(VK_BACK);
    EXPECT_EQ(textOf(edit), L"1");
    EXPECT_TRUE(send(edit, EM_GETMODIFY));
    SetWindowTextW(edit, L"120");
    EXPECT_FALSE(send(edit, EM_GETMODIFY));
    EXPECT_EQ(send(edit, WM_GETTEXTLENGTH), 3);
    std::vector<UINT> expected = {EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE,
                                  EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE};
    EXPECT_EQ(codesFrom(kEditId), expected);
}

TEST_F(EditTest, NumberStyleRefusesOtherCharactersWithABeepPasswordStyleHidesOnlyOnScreen) {
    HWND number = makeEdit(WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER);
    person().Type(L"1a2.");
    EXPECT_EQ(textOf(number), L"12");
    EXPECT_EQ(person().Beeps().size(), 2u);
    HWND password = makeEdit(WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD);
    person().Type(L"abc");
    EXPECT_EQ(textOf(password), L"abc");
    EXPECT_EQ(send(password, EM_GETPASSWORDCHAR), L'*');
}

TEST_F(EditTest, KeysMoveTheCaretAndShiftExtendsTheSelection) {
    HWND edit = makeEdit(WS_TABSTOP | ES_AUTOHSCROLL, L"abcdef");
    struct Step {
        UINT key;
        UINT modifiers;
        std::pair<DWORD, DWORD> selection;
    };
    const Step steps[] = {
        {VK_END, user::kNone, {6, 6}},    {VK_LEFT, user::kShift, {5, 6}},
        {VK_LEFT, user::kShift, {4, 6}},  {VK_HOME, user::kShift, {0, 6}},
        {VK_RIGHT, user::kNone, {6, 6}},  {VK_HOME, user::kNone, {0, 0}},
        {VK_RIGHT, user::kShift, {0, 1}},
    };
    for (const Step& step : steps) {
        person().Press(step.key, step.modifiers);
        EXPECT_EQ(selection(edit), step.selection) << "after key " << step.key;
    }
    person().Press(VK_DELETE);
    EXPECT_EQ(textOf(edit), L"bcdef");
}

TEST_F(EditTest, TypingOrReplaceSelReplacesTheSelectionAndCtrlASelectsAll) {
    HWND edit = makeEdit(WS_TABSTOP | ES_AUTOHSCROLL, L"12.5");
    send(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(selection(edit), (std::pair<DWORD, DWORD>{0, 4}));
    person().Type(L"7");
    EXPECT_EQ(textOf(edit), L"7");
    person().Press('A', user::kCtrl);
    EXPECT_EQ(selection(edit), (std::pair<DWORD, DWORD>{0, 1}));
    send(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(selection(edit), (std::pair<DWORD, DWORD>{1, 1}));
    send(edit, EM_SETSEL, 0, 0);
    forget();
    sendText(edit, EM_REPLACESEL, FALSE, L"Ø ");
    EXPECT_EQ(textOf(edit), L"Ø 7");
    EXPECT_EQ(selection(edit), (std::pair<DWORD, DWORD>{2, 2}));
    EXPECT_EQ(codesFrom(kEditId), (std::vector<UINT>{EN_UPDATE, EN_CHANGE}));
}

TEST_F(EditTest, TypingStopsWithMaxTextAtTheLimitOrWithoutAutoScrollAtTheRightEdge) {
    HWND edit = makeEdit();
    send(edit, EM_LIMITTEXT, 3);
    EXPECT_EQ(send(edit, EM_GETLIMITTEXT), 3);
    person().Type(L"1234");
    EXPECT_EQ(textOf(edit), L"123");
    EXPECT_EQ(codesFrom(kEditId).back(), static_cast<UINT>(EN_MAXTEXT));
    sendText(edit, WM_SETTEXT, 0, L"longer than the limit");
    EXPECT_EQ(textOf(edit), L"longer than the limit");
    HWND narrow = create(WC_EDITW, L"", WS_TABSTOP, {10, 40, 50, 60}, kEditId + 1);
    SetFocus(narrow);
    person().Type(L"0123456789012345678901234567890123456789");
    std::wstring text = textOf(narrow);
    EXPECT_GT(text.size(), 0u);
    EXPECT_LT(text.size(), 40u);
    EXPECT_EQ(codesFrom(kEditId + 1).back(), static_cast<UINT>(EN_MAXTEXT));
}

TEST_F(EditTest, ReadOnlyRefusesTypingButLetsCodeChangeTheText) {
    HWND edit = makeEdit(WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, L"10");
    person().Type(L"5");
    EXPECT_EQ(textOf(edit), L"10");
    send(edit, EM_SETREADONLY, FALSE);
    EXPECT_FALSE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
    person().Press(VK_END);
    person().Type(L"5");
    EXPECT_EQ(textOf(edit), L"105");
}

TEST_F(EditTest, FocusIsReportedAndDialogCodesAndMarginsAreTheEditsOwn) {
    HWND edit = create(WC_EDITW, L"", WS_TABSTOP, {10, 10, 100, 30}, kEditId);
    HWND other = create(WC_EDITW, L"", WS_TABSTOP | ES_AUTOHSCROLL, {10, 40, 100, 60}, 2);
    SetFocus(edit);
    SetFocus(other);
    EXPECT_EQ(codesFrom(kEditId), (std::vector<UINT>{EN_SETFOCUS, EN_KILLFOCUS}));
    EXPECT_EQ(send(edit, WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    send(other, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(4, 7));
    EXPECT_EQ(send(other, EM_GETMARGINS), MAKELRESULT(4, 7));
    send(other, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, 2));
    EXPECT_EQ(send(other, EM_GETMARGINS), MAKELRESULT(4, 2)) << "margins are set per side";
}

}  // namespace
