// The maker's grid: data coordinates under the title rows, columns with units and ranges,
// values through the units, and typed texts checked by the columns.
#include <string>

#include "vngridfixture.h"

namespace {

class VnGridCoreTest : public VnGridTest {
protected:
    void clickCell(int row, int col) {
        CRect cell = grid->CalcRectFromRowCol(ROWCOL(row + 2), ROWCOL(col + 1));
        user::ScriptedUser::Get().ClickAt(gridWnd.m_hWnd, cell.CenterPoint());
    }
};

}  // namespace

// The transfer grid's reference picture shows the titles and units of each kind of column.
TEST_F(VnGridCoreTest, DataStartUnderTwoTitleRowsWithTheUnitsInTheSecond) {
    rows({{L"HA8", L"8.0", L"0.395"}, {L"HA10", L"10.0", L"0.617"}});
    int originRow = 0, originCol = 0;
    grid->GetOrigin(originRow, originCol);
    EXPECT_EQ(originRow, 2);
    EXPECT_EQ(originCol, 1);
    EXPECT_EQ(grid->GetRowCount(), 3u) << "data rows + 1";
    EXPECT_EQ(grid->GetRCount(), 2);
    EXPECT_EQ(grid->GetCCount(), 3);
    EXPECT_EQ(grid->GetValueRowCol(3, 1), CString(L"HA10"));
    EXPECT_EQ(grid->GetValueRowCol(1, 2), CString(L"( mm )"));
}

TEST_F(VnGridCoreTest, ColumnDescriptorsHoldTheUnitAsTheirSecondMember) {
    EXPECT_EQ(grid->GetGridColumn(0)->m_pUnit, nullptr);
    EXPECT_EQ(grid->GetGridColumn(1)->m_pUnit->GetName(), CString(L"mm"));
    EXPECT_EQ(grid->GetGridValidator()->GetGridColumn(2), grid->GetGridColumn(2));
    EXPECT_EQ(grid->GetGridColumn(3), nullptr);

    rows({{L"HA8", L"8.0", L"0.395"}});
    grid->SetColumnUnit(1, CVnUnit());
    grid->SetValue(0, 1, 4.0);
    EXPECT_EQ(grid->GetValueAsString(0, 1), CString(L"4.00")) << "the plain number now";

    grid->RemoveCols(3, 3);
    EXPECT_EQ(grid->GetCCount(), 2);
    EXPECT_EQ(grid->GetGridColumn(2), nullptr) << "the descriptor goes with its column";
}

TEST_F(VnGridCoreTest, NumbersAreWrittenAndReadInTheColumnsUnit) {
    rows({{L"HA8", L"-", L"0.395"}});
    EXPECT_DOUBLE_EQ(grid->GetValueAsDouble(0, 1), -1.0) << "\"-\" is not given";
    grid->SetValue(0, 1, 12.0);
    EXPECT_EQ(grid->GetValueAsString(0, 1), CString(L"12.0"));
    grid->SetValue(0, 1, L"1.2 cm");
    EXPECT_DOUBLE_EQ(grid->GetValueAsDouble(0, 1), 12.0) << "read in mm";
    EXPECT_DOUBLE_EQ(grid->GetValueAsDouble(0, 2), 0.395);
}

// The editors' trailing and new rows show nothing until the user types.
TEST_F(VnGridCoreTest, AddedRowsAreEmptyAndTheirNumbersReadAsTheStartValue) {
    grid->InsertRow();
    ASSERT_EQ(grid->GetRCount(), 1);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(grid->GetValueAsString(0, c), CString(L"")) << c;
    EXPECT_DOUBLE_EQ(grid->GetValueAsDouble(0, 1), 0.0);
}

// A transfer removes the rows whose bars went one by one before the dialog removes the selected
// rows: removing a row alone ends the selection, so that a row kept (a bar in use) stays.
TEST_F(VnGridCoreTest, SelectedRowsAreRemovedUntilARowIsRemovedAloneAndAllRowsGo) {
    for (bool alone : {false, true}) {
        rows({{L"HA8", L"8.0", L"0.395"},
              {L"HA10", L"10.0", L"0.617"},
              {L"HA12", L"12.0", L"0.888"}});
        grid->SelectRange(CGXRange().SetRows(2, 3));
        ASSERT_TRUE(!alone || grid->RemoveRow(2)) << "HA8 removed alone";
        EXPECT_EQ(grid->RemoveSelectedRows() != FALSE, !alone);
        EXPECT_EQ(grid->GetValueAsString(0, 0), CString(alone ? L"HA10" : L"HA12")) << alone;
    }
    grid->RemoveAllRows();
    EXPECT_EQ(grid->GetRCount(), 0);
    EXPECT_EQ(grid->GetRowCount(), 1u) << "the title rows stay";
}

TEST_F(VnGridCoreTest, TheCurrentCellAndRowTitlesCountDataRows) {
    rows({{L"HA8", L"8.0", L"0.395"}, {L"HA10", L"10.0", L"0.617"}});
    grid->GetConfig()->SetRowNumbers(TRUE);
    ASSERT_TRUE(grid->SetCurrentCell(3, 2));
    int row = -1, col = -1;
    ASSERT_TRUE(grid->GetCurrentCell(row, col));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(grid->GetValueRowCol(3, 0), CString(L"2"));
}

TEST_F(VnGridCoreTest, ColumnWidthsAreSetAndReadByGridColumn) {
    rows({{L"HA8", L"8.0", L"0.395"}});
    grid->SetColumnWidth(0, 20);
    grid->SetColumnAutoSize(1, 3);
    std::vector<int> widths = grid->GetArrayWithColWidths(0, 3);
    ASSERT_EQ(widths.size(), 4u);
    EXPECT_EQ(widths[0], 20);
    EXPECT_GT(widths[2], widths[1]) << "\"Diamètre\" is wider than \"Nom\"";
}

// A refused text keeps the edit open on it, with the focus, and nothing stored; an accepted one
// is stored and told to the parent.
TEST_F(VnGridCoreTest, TypedTextsAreCheckedAgainstTheColumn) {
    struct Case {
        int col;
        const wchar_t* text;
        bool accepted;
    } cases[] = {
        {0, L"HA12", true}, {0, L"HA123456789", false}, {1, L"-", true},   {1, L"-1e100", true},
        {1, L"abc", false}, {1, L"12 kg", false},       {2, L"-2", false}, {2, L"0", true},
        {2, L"1.2", true},  {2, L"-1", true},
    };
    rows({{L"HA8", L"8.0", L"0.395"}});
    auto& person = user::ScriptedUser::Get();
    for (const Case& c : cases) {
        parent.notices.clear();
        const CString before = grid->GetValueAsString(0, c.col);
        clickCell(0, c.col);
        person.Type(c.text);
        person.Press(VK_RETURN);
        const auto index = &c - cases;
        EXPECT_EQ(!grid->IsActiveCurrentCell(), c.accepted) << "case " << index;
        EXPECT_EQ(::GetFocus() == gridWnd.m_hWnd, c.accepted) << "case " << index;
        EXPECT_EQ(parent.count(WM_GX_ENDEDITING), c.accepted ? 1u : 0u) << "case " << index;
        EXPECT_EQ(grid->GetValueAsString(0, c.col), c.accepted ? CString(c.text) : before)
            << "case " << index;
        person.Press(VK_ESCAPE);
    }
}
