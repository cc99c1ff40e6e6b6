// The grid's content: coordinates with title rows, values as text and numbers, rows and
// columns inserted and removed, column styles, fitted widths, and the update lock.
#include <functional>
#include <tuple>

#include "afx/clientdc.h"
#include "gridfixture.h"
#include "win/crt.h"

namespace {

using Column = std::vector<CString>;

TEST_F(GridTest, TwoTitleRowsPutTheFirstDataRowAtRowTwo) {
    fill(3);
    EXPECT_EQ(grid.GetRowCount(), 4u);  // the data rows + 1
    EXPECT_FALSE(grid.SetCurrentCell(1, 1));
    EXPECT_FALSE(grid.SetCurrentCell(2, 0));
    EXPECT_TRUE(grid.SetCurrentCell(2, 1));
}

TEST_F(GridTest, ValuesReadBackAsTextAndNumbers) {
    fill(1);
    struct Case {
        double value;
        const wchar_t* text;
    } cases[] = {{12.0, L"12"},
                 {0.1, L"0.1"},
                 {-1.0, L"-1"},
                 {1.7976931348623157e+150, L"1.79769313486232e+150"}};
    for (const auto& c : cases) {
        grid.SetValueRange(CGXRange(2, 2), c.value);
        CGXStyle style;
        grid.ComposeStyleRowCol(2, 2, &style);
        EXPECT_EQ(style.GetValue(), CString(c.text));
        EXPECT_DOUBLE_EQ(style.GetDoubleValue(), _wtof(c.text));
    }
}

TEST_F(GridTest, InsertedAndRemovedRowsKeepValuesAligned) {
    fill(4);  // HA1..HA4
    using Step = std::function<BOOL(CGXGridCore&)>;
    std::tuple<const char*, Step, Column> steps[] = {
        {"insert before HA2",
         [](CGXGridCore& g) { return g.InsertRows(3, 2); },
         {L"HA1", L"", L"", L"HA2", L"HA3", L"HA4"}},
        {"remove the two new rows",
         [](CGXGridCore& g) { return g.RemoveRows(3, 4); },
         {L"HA1", L"HA2", L"HA3", L"HA4"}},
        {"remove HA1 and HA2", [](CGXGridCore& g) { return g.RemoveRows(2, 3); }, {L"HA3", L"HA4"}},
        {"append at the end",
         [](CGXGridCore& g) { return g.InsertRows(g.GetRowCount() + 1, 1); },
         {L"HA3", L"HA4", L""}},
    };
    for (const auto& [what, step, expected] : steps) {
        EXPECT_TRUE(step(grid)) << what;
        EXPECT_EQ(column(1), expected) << what;
    }
    EXPECT_FALSE(grid.RemoveRows(3, 9)) << "rows past the end";
}

TEST_F(GridTest, RemovedRowsTakeTheirSelectionAndCurrentCellAlong) {
    fill(5);
    grid.SelectRange(CGXRange().SetRows(3, 5));
    grid.SetCurrentCell(6, 2);
    grid.RemoveRows(4, 4);
    CRowColArray rows;
    EXPECT_EQ(grid.GetSelectedRows(rows), 2u);
    EXPECT_EQ(rows[0], 3u);
    EXPECT_EQ(rows[1], 4u);
    ROWCOL row = 0, col = 0;
    ASSERT_TRUE(grid.GetCurrentCell(row, col));
    EXPECT_EQ(row, 5u);
    EXPECT_EQ(grid.GetValueRowCol(row, 1), CString(L"HA5"));
}

TEST_F(GridTest, ColumnStylesReachRowsAddedLaterAndRemovedColumnsTakeTheirValuesAndWidths) {
    fill(1);
    grid.SetStyleRange(CGXRange().SetCols(2), CGXStyle()
                                                  .SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST)
                                                  .SetChoiceList(L"8\n10\n12")
                                                  .SetTextColor(RGB(255, 0, 0)));
    grid.InsertRows(3, 1);
    CGXStyle style;
    grid.ComposeStyleRowCol(3, 2, &style);
    EXPECT_EQ(style.GetControl(), GX_IDS_CTRL_CBS_DROPDOWNLIST);
    EXPECT_EQ(style.GetChoiceList(), CString(L"8\n10\n12"));
    EXPECT_EQ(style.GetTextColor(), RGB(255, 0, 0));
    grid.ComposeStyleRowCol(0, 2, &style);
    EXPECT_EQ(style.GetControl(), GX_IDS_CTRL_HEADER) << "titles keep their look";

    grid.SetColWidth(3, 3, 55);
    EXPECT_TRUE(grid.RemoveCols(2, 2));
    EXPECT_EQ(grid.GetColCount(), 2u);
    EXPECT_EQ(grid.GetValueRowCol(0, 2), CString(L"Poids"));
    EXPECT_EQ(grid.GetColWidth(2), 55);
}

TEST_F(GridTest, FittedColumnsTakeTheWidthOfTheirWidestText) {
    fill(2);
    grid.SetValueRange(CGXRange(3, 1), L"A much longer bar name");
    grid.ResizeColWidthsToFit(CGXRange().SetCols(1, 2));
    EXPECT_GT(grid.GetColWidth(1), 120);
    EXPECT_LT(grid.GetColWidth(2), grid.GetColWidth(1));
    EXPECT_GT(grid.GetColWidth(2), 40) << "as wide as the title \"Diamètre\"";
}

// While the lock flag is set nothing reaches the screen; Redraw(2, 1) shows it once cleared.
TEST_F(GridTest, LockFlagHoldsPaintingUntilRedraw) {
    fill(2);
    CRect cell = grid.CalcRectFromRowCol(2, 1);
    auto redPixels = [&] {
        CClientDC dc(&grid);
        int red = 0;
        for (int y = cell.top; y < cell.bottom; ++y)
            for (int x = cell.left; x < cell.right; ++x) red += dc.GetPixel(x, y) == RGB(255, 0, 0);
        return red;
    };
    int saved = grid.GetParam()->m_bLockUpdate;
    grid.GetParam()->m_bLockUpdate = 1;
    grid.SetStyleRange(CGXRange(2, 1), CGXStyle().SetTextColor(RGB(255, 0, 0)));
    grid.Redraw(GX_UPDATENOW, TRUE);
    EXPECT_EQ(redPixels(), 0);
    grid.GetParam()->m_bLockUpdate = saved;
    grid.UpdateWindow();
    EXPECT_EQ(redPixels(), 0) << "clearing the flag alone paints nothing";
    grid.Redraw(2, 1);
    EXPECT_GT(redPixels(), 0);
}

}  // namespace
