// The grid tests' fixture: a visible top-level parent that records what its grid posts to it
// (with the grid's current cell at the moment each message is handled), and a grid child with
// two title rows and one title column.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "grid/gxgridwnd.h"
#include "user/scripteduser.h"

struct GridNotice {
    UINT message;
    ROWCOL row;
    ROWCOL col;
};

class NoticeSpy : public CWnd {
public:
    CGXGridCore* grid = nullptr;
    std::vector<GridNotice> notices;
    size_t count(UINT message) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class GridTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Titles in rows 0 and 1, then `rows` data rows: "HA<n>", nominal diameter, weight.
    void fill(ROWCOL rows);
    // Client coordinates of a cell's centre.
    CPoint centreOf(ROWCOL nRow, ROWCOL nCol);
    void clickCell(ROWCOL nRow, ROWCOL nCol, UINT modifiers = user::kNone);
    void doubleClickCell(ROWCOL nRow, ROWCOL nCol);
    std::vector<CString> column(ROWCOL nCol);
    user::ScriptedUser& person() const { return user::ScriptedUser::Get(); }

    NoticeSpy parent;
    CGXGridWnd grid;
};
