// Shared pieces of the window-layer tests: a fixture with a top-level parent window and the
// scripted user reporting to the test, and a window that records the notifications it gets.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "afx/afxwin.h"
#include "user/scripteduser.h"

namespace afxtest {

// Records each WM_COMMAND notification as (code, id), then lets the map handle it.
class NotifySpy : public CWnd {
public:
    std::vector<std::pair<UINT, UINT>> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (lParam) commands.emplace_back(HIWORD(wParam), LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        user::ScriptedUser::Get().SetFailureHandler(
            [](const std::string& message) { ADD_FAILURE() << message; });
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Parent", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                    nullptr, nullptr));
    }
    void TearDown() override {
        parent.DestroyWindow();
        AfxDeleteTempMap();
        user::ScriptedUser::Get().Finish();
        user::ScriptedUser::Get().SetFailureHandler(nullptr);
    }

    // A child of the parent: a standard control of class className, id nID.
    HWND Child(LPCWSTR className, int nID, DWORD style = WS_VISIBLE, LPCWSTR text = L"") {
        return ::CreateWindowExW(0, className, text, WS_CHILD | style, 10, 10, 100, 20,
                                 parent.m_hWnd, reinterpret_cast<HMENU>(INT_PTR(nID)), nullptr,
                                 nullptr);
    }

    NotifySpy parent;
};

}  // namespace afxtest
