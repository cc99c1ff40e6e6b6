// The fixture of the windowing tests: a spy window class whose procedure records every message
// its windows receive (with a name per window so orders read naturally), scripted answers to
// chosen messages, and a scripted user whose failures are collected for the test to inspect.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "user/scripteduser.h"
#include "user/winuser.h"

using Strings = std::vector<std::string>;

struct Heard {
    std::string window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class UserTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A spy window named `name`: top-level when `parent` is null (a popup unless WS_CHILD).
    HWND spy(const std::string& name, DWORD style, RECT rect, HWND parent = nullptr, int id = 0,
             DWORD exStyle = 0);
    // The messages the spies received, as "window:MESSAGE" strings, restricted to `only` when
    // given.
    std::vector<std::string> log(const std::vector<UINT>& only = {}) const;
    void forget() { heard_.clear(); }
    // The characters the spies received as WM_CHAR, in order.
    std::wstring typed() const;
    // Makes the spy windows answer `message` with `result` (before calling DefWindowProc).
    void answer(UINT message, LRESULT result) { answers_[message] = result; }
    // Failures the scripted user reported since the last call; left untaken, they fail the test.
    std::vector<std::string> takeScriptFailures() const { return std::exchange(failures_, {}); }
    user::ScriptedUser& person() const { return user::ScriptedUser::Get(); }
    // Runs the message loop's pump as the scripted user does after an act.
    void pump() const { person().PumpMessages(); }

    static inline std::vector<Heard> heard_;
    static inline std::map<UINT, LRESULT> answers_;
    static inline std::map<HWND, std::string> names_;
    static inline std::vector<std::string> failures_;
    static inline std::string pendingName_;  // the name of the spy being created
    static std::string nameOf(HWND hwnd);
    static const char* messageName(UINT message);
    static LRESULT CALLBACK spyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static constexpr const wchar_t* kSpyClass = L"UserTestSpy";
};
