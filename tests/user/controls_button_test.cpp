// Buttons: clicks by every route, check boxes, radio groups, dialog codes and owner drawing.
#include <vector>

#include "controls_fixture.h"

namespace {

class ButtonTest : public ControlsTest {
protected:
    HWND button(DWORD type, int id, int row, DWORD extra = 0) {
        return create(WC_BUTTONW, L"&Button", WS_TABSTOP | type | extra,
                      {10, 10 + row * 30, 150, 34 + row * 30}, id);
    }
    UINT checkOf(HWND hwnd) const { return static_cast<UINT>(send(hwnd, BM_GETCHECK)); }
};

TEST_F(ButtonTest, ClickMessageMouseAndSpaceBarEachClickOnceButPressingThenLeavingDoesNot) {
    HWND push = button(BS_PUSHBUTTON, 1110, 0);
    HWND disabled = button(BS_PUSHBUTTON, 1111, 1, WS_DISABLED);
    send(push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(send(push, BM_GETSTATE) & BST_PUSHED);
    send(push, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(500, 5));
    send(push, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    EXPECT_FALSE(send(push, BM_GETSTATE) & BST_PUSHED);
    send(push, BM_CLICK);
    send(disabled, BM_CLICK);
    person().Click(push);
    SetFocus(push);
    person().Press(VK_SPACE);
    EXPECT_EQ(codesFrom(1110), (std::vector<UINT>{BN_CLICKED, BN_CLICKED, BN_CLICKED}));
    EXPECT_TRUE(codesFrom(1111).empty());
}

TEST_F(ButtonTest, AutoCheckBoxesToggleAndThreeStateOnesCycle) {
    HWND check = button(BS_AUTOCHECKBOX, 1, 0);
    HWND three = button(BS_AUTO3STATE, 2, 1);
    HWND manual = button(BS_CHECKBOX, 3, 2);
    std::vector<UINT> checks;
    std::vector<UINT> states;
    for (int i = 0; i < 3; ++i) {
        send(check, BM_CLICK);
        send(three, BM_CLICK);
        send(manual, BM_CLICK);
        checks.push_back(checkOf(check));
        states.push_back(checkOf(three));
    }
    EXPECT_EQ(checks, (std::vector<UINT>{BST_CHECKED, BST_UNCHECKED, BST_CHECKED}));
    EXPECT_EQ(states, (std::vector<UINT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}));
    EXPECT_EQ(checkOf(manual), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(codesFrom(3).size(), 3u);
}

TEST_F(ButtonTest, AutoRadioUnchecksTheOthersOfItsGroupOnly) {
    HWND first = button(BS_AUTORADIOBUTTON, 1111, 0, WS_GROUP);
    HWND second = button(BS_AUTORADIOBUTTON, 1112, 1);
    HWND third = button(BS_AUTORADIOBUTTON, 1113, 2);
    HWND nextGroup = button(BS_AUTORADIOBUTTON, 1114, 3, WS_GROUP);
    send(first, BM_SETCHECK, BST_CHECKED);
    send(nextGroup, BM_SETCHECK, BST_CHECKED);
    send(third, BM_CLICK);
    EXPECT_EQ(checkOf(first), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(checkOf(second), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(checkOf(third), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(checkOf(nextGroup), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(codesFrom(1113), (std::vector<UINT>{BN_CLICKED}));
}

TEST_F(ButtonTest, DialogCodesTellTheKindOfButtonAndSetStyleChangesIt) {
    struct Case {
        DWORD type;
        LRESULT code;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_AUTOCHECKBOX, DLGC_BUTTON},
        {BS_GROUPBOX, DLGC_STATIC},
        {BS_OWNERDRAW, DLGC_BUTTON},
    };
    int row = 0;
    for (const Case& c : cases) {
        HWND hwnd = button(c.type, 100 + row, row);
        EXPECT_EQ(send(hwnd, WM_GETDLGCODE), c.code) << "type " << c.type;
        ++row;
    }
    HWND push = button(BS_PUSHBUTTON, 1, row);
    send(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(send(push, WM_GETDLGCODE), DLGC_BUTTON | DLGC_DEFPUSHBUTTON) << "after BM_SETSTYLE";
    EXPECT_TRUE(GetWindowLongW(push, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, OwnerDrawButtonsAskTheirParentToDrawEveryChange) {
    HWND owner = button(BS_OWNERDRAW, 1103, 0);
    UpdateWindow(owner);
    ASSERT_FALSE(drawItems_.empty());
    DRAWITEMSTRUCT whole = drawItems_.back();
    EXPECT_EQ(whole.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(whole.CtlID, 1103u);
    EXPECT_EQ(whole.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(whole.hwndItem, owner);
    EXPECT_EQ(whole.rcItem.right, 140);
    EXPECT_EQ(whole.rcItem.bottom, 24);
    EXPECT_NE(whole.hDC, nullptr);
    drawItems_.clear();
    SetFocus(owner);
    send(owner, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    send(owner, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    std::vector<std::pair<UINT, UINT>> seen;
    for (const DRAWITEMSTRUCT& item : drawItems_)
        seen.emplace_back(item.itemAction, item.itemState & (ODS_SELECTED | ODS_FOCUS));
    std::vector<std::pair<UINT, UINT>> expected = {
        {ODA_FOCUS, ODS_FOCUS}, {ODA_SELECT, ODS_SELECTED | ODS_FOCUS}, {ODA_SELECT, ODS_FOCUS}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(codesFrom(1103), (std::vector<UINT>{BN_CLICKED}));
    EnableWindow(owner, FALSE);
    UpdateWindow(owner);
    EXPECT_TRUE(drawItems_.back().itemState & ODS_DISABLED);
}

}  // namespace
