#include "gridfixture.h"

#include "user/input.h"

size_t NoticeSpy::count(UINT message) const {
    size_t n = 0;
    for (const auto& notice : notices) n += notice.message == message;
    return n;
}

LRESULT NoticeSpy::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GX_ENDEDITING || message == WM_GX_SELCHANGED) {
        GridNotice notice{message, GX_INVALID, GX_INVALID};
        grid->GetCurrentCell(notice.row, notice.col);
        notices.push_back(notice);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void GridTest::SetUp() {
    person().SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Grille", WS_POPUP | WS_VISIBLE, 0, 0, 360, 200,
                                nullptr, nullptr));
    ASSERT_TRUE(
        grid.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 330, 170), &parent, 1109));
    grid.Initialize();
    parent.grid = &grid;
}

void GridTest::TearDown() {
    grid.DestroyWindow();
    parent.DestroyWindow();
    AfxDeleteTempMap();
    person().Finish();
    person().SetFailureHandler(nullptr);
}

void GridTest::fill(ROWCOL rows) {
    grid.LockUpdate(TRUE);
    grid.SetFrozenRows(1, 1);
    grid.SetRowCount(rows + 1);
    grid.SetColCount(3);
    grid.SetColWidth(0, 0, 20);
    grid.SetColWidth(1, 3, 90);
    grid.SetRowHeight(0, 0, 32);
    const wchar_t* titles[] = {L"Nom", L"Diamètre\nnominal", L"Poids"};
    const wchar_t* units[] = {L"", L"( mm )", L"( kg/m )"};
    for (ROWCOL c = 1; c <= 3; ++c) {
        grid.SetValueRange(CGXRange(0, c), titles[c - 1]);
        grid.SetValueRange(CGXRange(1, c), units[c - 1]);
    }
    for (ROWCOL r = 2; r <= rows + 1; ++r) {
        CString name;
        name.Format(L"HA%u", r - 1);
        grid.SetValueRange(CGXRange(r, 1), name);
        grid.SetValueRange(CGXRange(r, 2), 4.0 + 2.0 * r);
        grid.SetValueRange(CGXRange(r, 3), 0.222 * r);
    }
    grid.LockUpdate(FALSE);
    grid.Redraw(GX_UPDATENOW, TRUE);
}

CPoint GridTest::centreOf(ROWCOL nRow, ROWCOL nCol) {
    return grid.CalcRectFromRowCol(nRow, nCol).CenterPoint();
}

void GridTest::clickCell(ROWCOL nRow, ROWCOL nCol, UINT modifiers) {
    if (modifiers & user::kShift) person().KeyDown(VK_SHIFT);
    if (modifiers & user::kCtrl) person().KeyDown(VK_CONTROL);
    person().ClickAt(grid.m_hWnd, centreOf(nRow, nCol));
    if (modifiers & user::kCtrl) person().KeyUp(VK_CONTROL);
    if (modifiers & user::kShift) person().KeyUp(VK_SHIFT);
}

// Two presses at one place within the double-click time, as the input path pairs them.
void GridTest::doubleClickCell(ROWCOL nRow, ROWCOL nCol) {
    CPoint point = centreOf(nRow, nCol);
    grid.ClientToScreen(&point);
    person().ClickScreen(point);
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        user::InputMouse(m, point);
        person().PumpMessages();
    }
}

std::vector<CString> GridTest::column(ROWCOL nCol) {
    std::vector<CString> values;
    for (ROWCOL r = 2; r <= grid.GetRowCount(); ++r) values.push_back(grid.GetValueRowCol(r, nCol));
    return values;
}
