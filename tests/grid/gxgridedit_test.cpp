// What a person does in a grid, through the scripted user: editing cells, picking from choice
// lists, selecting rows by their titles, scrolling.
#include <functional>
#include <string>

#include "gridfixture.h"
#include "user/controls/wincontrols.h"

namespace {

class GridEditTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        fill(3);
        clickCell(2, 2);
        parent.notices.clear();
    }
    HWND editor() { return grid.GetCurrentCellControl()->GetActiveWindow(); }
};

TEST_F(GridEditTest, TypingAndEnterStoreTheValueAndTellTheParentOnce) {
    person().Type(L"16");
    ASSERT_TRUE(grid.IsActiveCurrentCell());
    person().Press(VK_RETURN);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(grid.GetValueRowCol(2, 2), CString(L"16"));
    EXPECT_EQ(parent.count(WM_GX_ENDEDITING), 1u);
}

TEST_F(GridEditTest, EscapeDropsTheEditAndEnterWithoutAChangeTellsNobody) {
    person().Type(L"99");
    person().Press(VK_ESCAPE);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(grid.GetValueRowCol(2, 2), CString(L"8"));
    person().Press(VK_F2);
    person().Press(VK_RETURN);
    EXPECT_TRUE(parent.notices.empty());
}

TEST_F(GridEditTest, ClickingAnotherControlKeepsTheTypedValue) {
    HWND ok =
        CreateWindowExW(0, WC_BUTTONW, L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 332, 10, 26,
                        20, parent.m_hWnd, reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
    person().Type(L"20");
    person().Click(ok);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(GetFocus(), ok);
    EXPECT_EQ(grid.GetValueRowCol(2, 2), CString(L"20"));
    EXPECT_EQ(parent.count(WM_GX_ENDEDITING), 1u);
}

TEST_F(GridEditTest, F2AndDoubleClickEditTheTextAlreadyThere) {
    std::pair<const char*, std::function<void()>> starts[] = {
        {"F2", [&] { person().Press(VK_F2); }},
        {"double click", [&] { doubleClickCell(2, 2); }},
    };
    for (const auto& [what, start] : starts) {
        grid.SetValueRange(CGXRange(2, 2), L"12");
        start();
        ASSERT_TRUE(grid.IsActiveCurrentCell()) << what;
        person().Type(L"5");
        person().Press(VK_RETURN);
        EXPECT_EQ(grid.GetValueRowCol(2, 2), CString(L"125")) << what;
    }
}

// The parent hears of the edit while the edited cell is still current; the move follows.
TEST_F(GridEditTest, TabArrowsAndClicksEndTheEditAndMove) {
    struct Case {
        const char* what;
        std::function<void()> act;
        ROWCOL row, col;
    } cases[] = {{"Tab", [&] { person().Press(VK_TAB); }, 3, 3},
                 {"Shift+Tab", [&] { person().Press(VK_TAB, user::kShift); }, 3, 1},
                 {"Down", [&] { person().Press(VK_DOWN); }, 4, 2},
                 {"Up", [&] { person().Press(VK_UP); }, 2, 2},
                 {"a click", [&] { clickCell(4, 3); }, 4, 3}};
    for (const auto& c : cases) {
        grid.SetCurrentCell(3, 2);
        parent.notices.clear();
        person().Type(std::to_wstring(c.row * 100 + c.col));  // a value the cell has not had
        c.act();
        ROWCOL row = 0, col = 0;
        grid.GetCurrentCell(row, col);
        EXPECT_EQ(row * 100 + col, c.row * 100 + c.col) << c.what;
        ASSERT_EQ(parent.notices.size(), 2u) << c.what;
        EXPECT_EQ(parent.notices[0].message, UINT(WM_GX_ENDEDITING)) << c.what;
        EXPECT_EQ(parent.notices[0].row * 100 + parent.notices[0].col, 302u) << c.what;
        EXPECT_EQ(parent.notices[1].message, UINT(WM_GX_SELCHANGED)) << c.what;
    }
}

TEST_F(GridEditTest, ChoiceListOffersItsEntriesAndThePickBecomesTheValue) {
    grid.SetStyleRange(
        CGXRange().SetCols(2),
        CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(L"8\n10\n12"));
    person().Press(VK_F2);  // the open list's reference picture shows the entries offered
    HWND combo = editor();
    ASSERT_NE(combo, nullptr);
    person().PickComboItem(combo, 2);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    EXPECT_EQ(grid.GetValueRowCol(2, 2), CString(L"12"));
    EXPECT_EQ(parent.count(WM_GX_ENDEDITING), 1u);
}

TEST_F(GridEditTest, ReadOnlyCellsAndGridsRefuseEdits) {
    grid.SetStyleRange(CGXRange(2, 2), CGXStyle().SetReadOnly(TRUE));
    person().Type(L"5");
    EXPECT_FALSE(grid.IsActiveCurrentCell());
    grid.SetCurrentCell(2, 3);
    grid.SetReadOnly(TRUE);
    person().Press(VK_F2);
    EXPECT_FALSE(grid.IsActiveCurrentCell());
}

TEST_F(GridEditTest, RowTitleClicksSelectRows) {
    fill(6);
    struct Click {
        ROWCOL row;
        UINT modifiers;
        std::vector<ROWCOL> selected;
    } clicks[] = {{3, user::kNone, {3}},
                  {6, user::kShift, {3, 4, 5, 6}},
                  {4, user::kCtrl, {3, 5, 6}},
                  {7, user::kNone, {7}}};
    for (const auto& click : clicks) {
        parent.notices.clear();
        clickCell(click.row, 0, click.modifiers);
        CRowColArray rows;
        std::vector<ROWCOL> selected;
        for (ROWCOL i = 0; i < grid.GetSelectedRows(rows, FALSE, TRUE); ++i)
            selected.push_back(rows[i]);
        EXPECT_EQ(selected, click.selected) << click.row;
        EXPECT_EQ(parent.count(WM_GX_SELCHANGED), 1u) << click.row;
    }
}

TEST_F(GridEditTest, ScrollingKeepsTheCurrentCellInViewAndTheBarArrowScrollsOneRow) {
    fill(20);
    CRect client;
    grid.GetClientRect(&client);
    clickCell(2, 1);
    for (int i = 0; i < 12; ++i) person().Press(VK_DOWN);
    ROWCOL row = 0, col = 0;
    grid.GetCurrentCell(row, col);
    EXPECT_EQ(row, 14u);
    const ROWCOL top = grid.GetTopRow();
    EXPECT_GT(top, 2u);
    CRect cell = grid.CalcRectFromRowCol(row, col);
    EXPECT_FALSE(cell.IsRectEmpty());
    EXPECT_LE(cell.bottom, client.bottom);
    person().ClickAt(grid.m_hWnd, POINT{client.right - 4, client.bottom - 8});
    EXPECT_EQ(grid.GetTopRow(), top + 1);
}

// The tip shown for the title under the mouse, or "" when none shows.
std::wstring shownTip() {
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
        wchar_t name[64] = {}, text[128] = {};
        GetClassNameW(h, name, 64);
        if (std::wstring(name) != TOOLTIPS_CLASSW || !IsWindowVisible(h)) continue;
        GetWindowTextW(h, text, 128);
        return text;
    }
    return L"";
}

TEST_F(GridEditTest, TitleCellsShowTheirToolTips) {
    grid.EnableGridToolTips(TRUE);
    grid.SetStyleRange(CGXRange(0, 2),
                       CGXStyle().SetUserAttribute(GX_IDS_UA_TOOLTIPTEXT, L"Diamètre nominal"));
    struct Case {
        ROWCOL row, col;
        const wchar_t* tip;
    } cases[] = {{0, 2, L"Diamètre nominal"}, {0, 3, L""}, {0, 2, L"Diamètre nominal"}};
    for (const auto& c : cases) {
        CPoint point = centreOf(c.row, c.col);
        grid.ClientToScreen(&point);
        person().MoveTo(point);
        EXPECT_EQ(shownTip(), c.tip) << c.col;
    }
}

}  // namespace
