// A dialog-like parent holding a "GXWND" control on which the maker's grid is attached, as the
// editor dialogs do: two title rows, one title column, a text column "Nom" and two unit
// columns, "Diamètre" in mm and "Poids" in kg/m with a range from 0.
#pragma once

#include <gtest/gtest.h>

#include "grid/gxgridhandlewnd.h"
#include "grid/vngridcore.h"
#include "gridfixture.h"
#include "vntl/vnunitmanager.h"

class VnGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Grille", WS_POPUP | WS_VISIBLE, 0, 0, 360, 200,
                                    nullptr, nullptr));
        HWND hGrid = ::CreateWindowExW(0, L"GXWND", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10,
                                       320, 160, parent.m_hWnd, HMENU(1109), nullptr, nullptr);
        ASSERT_TRUE(gridWnd.SubclassWindow(hGrid));
        gridWnd.AttachGrid(grid = new CVnGridCore(&gridWnd, &parent));
        gridWnd.Initialize();
        parent.grid = grid;
        grid->SetNewCoordinates(2, 1);
        grid->SetRCount(0);
        grid->SetColCount(3);
        grid->Initialize();
        grid->AddColumn(L"Nom", 1, L"ALL", 8, L"");
        grid->AddColumn(L"Diamètre", 5, *units.GetVisUnit(1), -1.7976931348623157e+150,
                        1.7976931348623157e+150, 0.0, DT_RIGHT);
        CVnUnit kgPerMetre;
        CVnUnitManager::UnitFromString(L"kg/m", kgPerMetre, 1.0);
        grid->AddColumn(L"Poids", 5, kgPerMetre, 0.0, 1.7976931348623157e+150, 0.0, DT_RIGHT);
    }
    void TearDown() override {
        gridWnd.DestroyWindow();
        parent.DestroyWindow();
        AfxDeleteTempMap();
        user::ScriptedUser::Get().Finish();
    }
    // Rows of (name, diameter text, weight text).
    void rows(std::initializer_list<std::array<const wchar_t*, 3>> values) {
        grid->SetRCount(static_cast<int>(values.size()));
        int r = 0;
        for (const auto& row : values) {
            for (int c = 0; c < 3; ++c) grid->SetValue(r, c, row[static_cast<size_t>(c)]);
            ++r;
        }
    }

    CVnUnitManager units;
    NoticeSpy parent;
    CGXGridHandleWnd gridWnd;
    CVnGridCore* grid = nullptr;  // owned by gridWnd
};
