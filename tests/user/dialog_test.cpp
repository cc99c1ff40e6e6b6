// Dialogs: templates, dialog units, initial focus, keyboard navigation, the modal loop.
#include <optional>

#include "user/dialogbuilder.h"
#include "user/userfixture.h"

namespace {

enum : int {
    kName = 101,
    kLength = 102,
    kHidden = 103,
    kDisabled = 104,
    kRadio1 = 110,
    kRadio2,
    kRadio3
};

using Commands = std::vector<std::pair<UINT, int>>;
Commands g_commands;
INT_PTR g_initAnswer = TRUE;
bool g_endOnButtons = false;  // modal tests end the dialog with OK (42) or Cancel

// Records commands and help requests, and answers kAnswered with 77 through DWLP_MSGRESULT.
constexpr UINT kAnswered = WM_USER + 5;
INT_PTR CALLBACK RecordingProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) return g_initAnswer;
    if (msg == kAnswered) {
        SetWindowLongPtrW(dlg, DWLP_MSGRESULT, 77);
        return TRUE;
    }
    if (msg == WM_HELP) {
        g_commands.emplace_back(WM_HELP, reinterpret_cast<const HELPINFO*>(lp)->iCtrlId);
        return TRUE;
    }
    if (msg == WM_COMMAND) {
        g_commands.emplace_back(HIWORD(wp), LOWORD(wp));
        bool button = LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL;
        if (g_endOnButtons && button) EndDialog(dlg, LOWORD(wp) == IDOK ? 42 : IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// Name [edit], Length [edit], a hidden and a disabled edit, a group of three auto radio
// buttons, then OK (default) and Cancel.
DialogBuilder SampleDialog(DWORD extraStyle = 0) {
    DialogBuilder b(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | extraStyle,
                    {0, 0, 160, 100}, L"Bügelformen – Ø");
    b.item(L"TestEdit", L"Länge", WS_TABSTOP | WS_GROUP | WS_VISIBLE, {50, 7, 100, 12}, kName)
        .item(L"TestEdit", L"", WS_TABSTOP | WS_VISIBLE, {50, 22, 100, 12}, kLength)
        .item(L"TestEdit", L"", WS_TABSTOP, {50, 37, 100, 12}, kHidden)
        .item(L"TestEdit", L"", WS_TABSTOP | WS_VISIBLE | WS_DISABLED, {50, 37, 100, 12}, kDisabled)
        .item(L"TestButton", L"A", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE,
              {7, 52, 40, 10}, kRadio1)
        .item(L"TestButton", L"B", BS_AUTORADIOBUTTON | WS_VISIBLE, {50, 52, 40, 10}, kRadio2)
        .item(L"TestButton", L"C", BS_AUTORADIOBUTTON | WS_VISIBLE | WS_DISABLED, {93, 52, 40, 10},
              kRadio3)
        .item(L"TestButton", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE,
              {50, 80, 50, 14}, IDOK)
        .item(L"TestButton", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, {105, 80, 50, 14},
              IDCANCEL);
    return b;
}

class DialogTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        RegisterTestControls();
        g_commands.clear();
        g_initAnswer = TRUE;
        g_endOnButtons = false;
        owner_ = spy("owner", WS_VISIBLE, {0, 0, 600, 400});
    }
    HWND modeless(DWORD extraStyle = WS_VISIBLE) {
        dialog_ = SampleDialog(extraStyle);
        return CreateDialogIndirectParamW(nullptr, dialog_->get(), owner_, &RecordingProc, 0);
    }
    int focused() const { return GetDlgCtrlID(GetFocus()); }

    HWND owner_ = nullptr;
    std::optional<DialogBuilder> dialog_;
};

TEST_F(DialogTest, ControlsArePlacedInPixelsFromDialogUnitsWithTheirTexts) {
    HWND dlg = modeless();
    ASSERT_NE(dlg, nullptr);
    RECT units{50, 22, 150, 34};
    MapDialogRect(dlg, &units);
    RECT actual;
    HWND length = GetDlgItem(dlg, kLength);
    GetWindowRect(length, &actual);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_TRUE(EqualRect(&actual, &units));
    RECT client;
    GetClientRect(dlg, &client);
    RECT size{0, 0, 160, 100};
    MapDialogRect(dlg, &size);
    EXPECT_TRUE(EqualRect(&client, &size)) << "the template gives the client area";
    EXPECT_TRUE(GetWindowLongW(dlg, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST_F(DialogTest, InitDialogAnsweringTrueFocusesTheFirstTabStopWithItsTextSelected) {
    HWND dlg = modeless();
    EXPECT_EQ(focused(), kName);
    EXPECT_EQ(GetWindowLongPtrW(GetDlgItem(dlg, kName), GWLP_USERDATA), MAKELONG(0, -1));
    SetFocus(GetDlgItem(dlg, kLength));
    SetActiveWindow(owner_);
    EXPECT_EQ(GetFocus(), owner_);
    SetActiveWindow(dlg);
    EXPECT_EQ(focused(), kLength) << "reactivation focuses the control that had the focus";
    DestroyWindow(dlg);
    g_initAnswer = FALSE;
    SetFocus(owner_);
    modeless(0);
    EXPECT_EQ(GetFocus(), owner_);
}

TEST_F(DialogTest, TabAndShiftTabSkipDisabledAndHiddenControlsAndWrap) {
    struct Case {
        int from;
        UINT modifiers;
        int to;
    };
    const Case cases[] = {{kName, user::kNone, kLength},   {kLength, user::kNone, kRadio1},
                          {kRadio1, user::kNone, IDOK},    {IDCANCEL, user::kNone, kName},
                          {kName, user::kShift, IDCANCEL}, {kRadio1, user::kShift, kLength}};
    HWND dlg = modeless();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        SetFocus(GetDlgItem(dlg, c.from));
        person().Press(VK_TAB, c.modifiers);
        EXPECT_EQ(focused(), c.to);
    }
    SendMessageW(dlg, WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(focused(), kRadio1) << "WM_NEXTDLGCTL moves as Tab does";
    SendMessageW(dlg, WM_NEXTDLGCTL, 1, FALSE);
    EXPECT_EQ(focused(), kLength);
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDCANCEL)), TRUE);
    EXPECT_EQ(focused(), IDCANCEL);
}

TEST_F(DialogTest, ArrowsMoveWithinTheGroupAndCheckAutoRadioButtons) {
    HWND dlg = modeless();
    SetFocus(GetDlgItem(dlg, kRadio1));
    person().Press(VK_DOWN);
    EXPECT_EQ(focused(), kRadio2);
    EXPECT_EQ(IsDlgButtonChecked(dlg, kRadio2), static_cast<UINT>(BST_CHECKED));
    person().Press(VK_DOWN);
    EXPECT_EQ(focused(), kRadio1) << "the disabled button is skipped and the group wraps";
    person().Press(VK_UP);
    EXPECT_EQ(focused(), kRadio2);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, GetDlgItem(dlg, IDOK), FALSE), GetDlgItem(dlg, IDCANCEL));
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonEscapeCancelsAndTheDefaultCanBeChanged) {
    HWND dlg = modeless();
    EXPECT_EQ(SendMessageW(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    person().Press(VK_RETURN);
    person().Press(VK_ESCAPE);
    EXPECT_EQ(g_commands, (Commands{{BN_CLICKED, IDOK}, {BN_CLICKED, IDCANCEL}}));
    SendMessageW(dlg, DM_SETDEFID, IDCANCEL, 0);
    EXPECT_EQ(LOWORD(SendMessageW(dlg, DM_GETDEFID, 0, 0)), IDCANCEL);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(dlg, IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(dlg, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(DialogTest, EnterOnAFocusedPushButtonPressesThatButton) {
    HWND dlg = modeless();
    SetFocus(GetDlgItem(dlg, IDCANCEL));
    person().Press(VK_TAB, user::kShift);
    person().Press(VK_TAB);
    ASSERT_EQ(focused(), IDCANCEL);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(dlg, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON)
        << "the focused push button takes the default look";
    person().Press(VK_RETURN);
    EXPECT_EQ(g_commands, (Commands{{BN_CLICKED, IDCANCEL}}));
}

TEST_F(DialogTest, DialogBoxRunsUntilTheScriptEndsItAndReturnsTheCode) {
    bool ownerEnabledMeanwhile = true;
    person().Later("type a name", [](user::ScriptedUser& u) { u.Type(L"Ø 12"); });
    person().Later("press OK", [&](user::ScriptedUser& u) {
        ownerEnabledMeanwhile = IsWindowEnabled(owner_);
        u.ClickControl(IDOK);
    });
    dialog_ = SampleDialog();
    g_endOnButtons = true;
    INT_PTR result = DialogBoxIndirectParamW(nullptr, dialog_->get(), owner_, &RecordingProc, 0);
    EXPECT_EQ(result, 42);
    EXPECT_FALSE(ownerEnabledMeanwhile) << "the owner is disabled while the dialog runs";
    EXPECT_TRUE(IsWindowEnabled(owner_));
    EXPECT_EQ(GetActiveWindow(), owner_);
}

TEST_F(DialogTest, AModalOrGetMessageLoopLeftWaitingFailsTheScriptAndCancelsTheDialog) {
    dialog_ = SampleDialog();
    INT_PTR result = DialogBoxIndirectParamW(nullptr, dialog_->get(), owner_, &RecordingProc, 0);
    EXPECT_EQ(result, IDCANCEL);
    Strings failures = takeScriptFailures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("Bügelformen"), std::string::npos) << failures[0];
    g_endOnButtons = true;
    HWND dlg = modeless();
    MSG msg;
    for (int guard = 0; IsWindowVisible(dlg) && GetMessageW(&msg, nullptr, 0, 0) && guard < 100;
         ++guard) {
        if (!IsDialogMessageW(dlg, &msg)) DispatchMessageW(&msg);
    }
    EXPECT_FALSE(IsWindowVisible(dlg));
    EXPECT_EQ(g_commands, (Commands{{BN_CLICKED, IDCANCEL}}));
    EXPECT_EQ(takeScriptFailures().size(), 1u);
}

TEST_F(DialogTest, DialogItemNumbersReadBackAndRejectText) {
    HWND dlg = modeless();
    struct Case {
        const wchar_t* text;
        BOOL isSigned;
        BOOL translated;
        UINT value;
    };
    const Case cases[] = {{L" 42 ", FALSE, TRUE, 42},
                          {L"-7", TRUE, TRUE, static_cast<UINT>(-7)},
                          {L"-7", FALSE, FALSE, 0},
                          {L"12a", FALSE, FALSE, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetDlgItemTextW(dlg, kName, c.text);
        BOOL ok = -1;
        EXPECT_EQ(GetDlgItemInt(dlg, kName, &ok, c.isSigned), c.value);
        EXPECT_EQ(ok, c.translated);
    }
    SetDlgItemInt(dlg, kLength, static_cast<UINT>(-15), TRUE);
    EXPECT_EQ(static_cast<int>(GetDlgItemInt(dlg, kLength, nullptr, TRUE)), -15);
}

TEST_F(DialogTest, MnemonicsPressButtonsAndFocusTheControlAfterALabel) {
    dialog_ = DialogBuilder(WS_POPUP | WS_VISIBLE, {0, 0, 100, 60}, L"Mnemonics");
    dialog_->item(L"Static", L"&Länge:", WS_VISIBLE, {5, 5, 40, 10}, kName + 50)
        .item(L"TestEdit", L"", WS_VISIBLE | WS_TABSTOP, {50, 5, 40, 12}, kLength)
        .item(L"TestButton", L"&Apply", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, {5, 40, 40, 14},
              IDOK);
    HWND dlg = CreateDialogIndirectParamW(nullptr, dialog_->get(), owner_, &RecordingProc, 0);
    ASSERT_NE(dlg, nullptr);
    SetFocus(GetDlgItem(dlg, IDOK));
    person().Press('L', user::kAlt);
    EXPECT_EQ(focused(), kLength);
    person().Press('A', user::kAlt);
    EXPECT_EQ(g_commands, (Commands{{BN_CLICKED, IDOK}}));
    person().Press('Q', user::kAlt);
    EXPECT_FALSE(person().Beeps().empty()) << "an unknown mnemonic beeps";
}

TEST_F(DialogTest, TheProcedureAnswersThroughItsMessageResultAndHearsF1AsAHelpRequest) {
    HWND dlg = modeless();
    EXPECT_EQ(SendMessageW(dlg, kAnswered, 0, 0), 77);
    EXPECT_EQ(SendMessageW(dlg, kAnswered + 1, 0, 0), 0) << "unhandled messages answer 0";
    SetFocus(GetDlgItem(dlg, kLength));
    person().Press(VK_F1);
    EXPECT_EQ(g_commands, (Commands{{WM_HELP, kLength}}));
}

}  // namespace
