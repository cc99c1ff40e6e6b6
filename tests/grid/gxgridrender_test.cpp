// Pictures of a small grid (title rows with multi-line titles, a selection, the current cell,
// a red value, an open choice list, a scrolled state), and a grid that a dialog template holds.
#include <functional>

#include "gdi/referenceimage.h"
#include "grid/gxgridhandlewnd.h"
#include "gridfixture.h"
#include "user/controls/wincontrols.h"
#include "user/dialogbuilder.h"
#include "user/render.h"

namespace {

// The parent's picture with the grid editor's dropped list (a pop-up of its own) laid over it
// where it shows on the screen.
gdi::Surface withDroppedList(HWND parent, CGXControl* editor) {
    gdi::Surface picture = RenderWindow(parent);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!editor->IsDroppedDown() ||
        !SendMessageW(editor->GetActiveWindow(), CB_GETCOMBOBOXINFO, 0, LPARAM(&info)))
        return picture;
    gdi::Surface list = RenderWindow(info.hwndList);
    RECT parentBox, listBox;
    GetWindowRect(parent, &parentBox);
    GetWindowRect(info.hwndList, &listBox);
    for (int y = 0; y < list.height; ++y)
        for (int x = 0; x < list.width; ++x) {
            int px = x + listBox.left - parentBox.left, py = y + listBox.top - parentBox.top;
            if (px < picture.width && py < picture.height) picture.at(px, py) = list.at(x, y);
        }
    return picture;
}

TEST_F(GridTest, Pictures) {
    fill(4);
    struct Shot {
        const char* name;
        std::function<void()> act;
    } shots[] = {
        {"grid_titles_selection_current_red",
         [&] {
             grid.SetStyleRange(CGXRange(3, 3), CGXStyle().SetTextColor(RGB(255, 0, 0)));
             grid.SetStyleRange(CGXRange().SetCols(2, 3),
                                CGXStyle().SetHorizontalAlignment(DT_RIGHT));
             clickCell(2, 2);
             clickCell(4, 0);
         }},
        {"grid_open_choice_list",
         [&] {
             grid.SetStyleRange(CGXRange(2, 2), CGXStyle()
                                                    .SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST)
                                                    .SetChoiceList(L"8\n10\n12\n14"));
             clickCell(2, 2);
             person().Press(VK_F4);
         }},
        {"grid_scrolled",
         [&] {
             person().Press(VK_ESCAPE);
             fill(30);
             grid.SetColWidth(3, 3, 200);
             grid.SetTopRow(10);
             grid.SetLeftCol(2);
         }},
    };
    for (const auto& shot : shots) {
        shot.act();
        ExpectMatchesReference(withDroppedList(parent.m_hWnd, grid.GetCurrentCellControl()),
                               shot.name);
    }
}

INT_PTR CALLBACK keepDialog(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

// A dialog template's "GXWND" control becomes a grid once subclassed and given an engine.
TEST(GridInDialog, TemplateControlBecomesAnEditableGrid) {
    user::ScriptedUser::Get().SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
    DialogBuilder builder(WS_POPUP | WS_CAPTION | DS_SETFONT | WS_VISIBLE, {0, 0, 200, 100},
                          L"Catalogue");
    builder.item(GX_GRID_WNDCLASS, L"", WS_TABSTOP | WS_VISIBLE, {7, 7, 186, 86}, 1109);
    HWND dialog = CreateDialogIndirectParamW(nullptr, builder.get(), nullptr, &keepDialog, 0);
    ASSERT_NE(dialog, nullptr);
    NoticeSpy parent;
    ASSERT_TRUE(parent.SubclassWindow(dialog));
    {
        CGXGridHandleWnd gridWnd;
        ASSERT_TRUE(gridWnd.SubclassDlgItem(1109, &parent));
        gridWnd.AttachGrid(new CGXGridCore(&gridWnd));
        gridWnd.Initialize();
        CGXGridCore* grid = gridWnd.GetGrid();
        parent.grid = grid;
        grid->SetRowCount(2);
        grid->SetColCount(2);
        grid->SetCurrentCell(1, 1);
        gridWnd.SetFocus();
        user::ScriptedUser::Get().Type(L"42\r");
        EXPECT_EQ(grid->GetValueRowCol(1, 1), CString(L"42"));
        EXPECT_EQ(parent.count(WM_GX_ENDEDITING), 1u);
        ExpectMatchesReference(RenderWindow(dialog), "grid_in_dialog");
    }
    parent.DestroyWindow();
    user::ScriptedUser::Get().Finish();
    user::ScriptedUser::Get().SetFailureHandler(nullptr);
}

}  // namespace
