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
    void forget() { heard().clear(); }
    // Makes the spy windows answer `message` with `result` (before calling DefWindowProc).
    void answer(UINT message, LRESULT result) { answers()[message] = result; }
    // Failures the scripted user reported since the last call; left untaken, they fail the test.
    std::vector<std::string> takeScriptFailures() const { return std::exchange(failures(), {}); }
    user::ScriptedUser& person() const { return user::ScriptedUser::Get(); }
    // Runs the message loop's pump as the scripted user does after an act.
    void pump() const { person().PumpMessages(); }

    static std::vector<Heard>& heard();
    static std::map<UINT, LRESULT>& answers();
    static std::map<HWND, std::string>& names();
    static std::vector<std::string>& failures();
    static std::string nameOf(HWND hwnd);
    static std::string& pendingName();  // the name of the spy being created
    static const char* messageName(UINT message);
    static LRESULT CALLBACK spyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static constexpr const wchar_t* kSpyClass = L"UserTestSpy";
};
