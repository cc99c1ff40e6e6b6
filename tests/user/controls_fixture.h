// The fixture of the standard-control tests: a visible top-level parent window whose window
// procedure records what its controls tell it (WM_COMMAND notifications, WM_NOTIFY codes,
// WM_DRAWITEM contents, WM_INITMENUPOPUP), and helpers to create controls on it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "user/controls/wincontrols.h"
#include "user/scripteduser.h"
#include "user/winuser.h"

// What the parent heard, in order.
struct Heard {
    UINT message;  // WM_COMMAND, WM_NOTIFY, WM_DRAWITEM or WM_INITMENUPOPUP
    int id;        // the control id (0 for menus)
    UINT code;     // the notification code (the item action for WM_DRAWITEM)
};

class ControlsTest : public ::testing::Test {
public:
    // Everything the parent heard since the last forget(), and the WM_DRAWITEM contents.
    static inline std::vector<Heard> heard_;
    static inline std::vector<DRAWITEMSTRUCT> drawItems_;
    // The brush the parent answers to WM_CTLCOLORSTATIC with (null: the system's default).
    static inline HBRUSH staticBrush_ = nullptr;

protected:
    void SetUp() override;
    void TearDown() override;

    // A child control of the parent; the rectangle is in the parent's client coordinates.
    HWND create(LPCWSTR cls, LPCWSTR text, DWORD style, RECT rect, int id, DWORD exStyle = 0);
    // The notification codes the parent received from the control with this id, in order.
    std::vector<UINT> codesFrom(int id) const;
    void forget() { heard_.clear(); }
    std::wstring textOf(HWND hwnd) const;
    LRESULT send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd, msg, wParam, lParam);
    }
    LRESULT sendText(HWND hwnd, UINT msg, WPARAM wParam, const wchar_t* text) const {
        return SendMessageW(hwnd, msg, wParam, reinterpret_cast<LPARAM>(text));
    }
    user::ScriptedUser& person() const { return user::ScriptedUser::Get(); }
    // A dialog procedure that lets WM_INITDIALOG set the default focus and handles nothing else.
    static INT_PTR CALLBACK acceptingProc(HWND, UINT msg, WPARAM, LPARAM) {
        return msg == WM_INITDIALOG;
    }

    HWND parent_ = nullptr;
};
