#include <gtest/gtest.h>

#include "afxtest.h"
#include "user/dialogbuilder.h"

namespace afxtest {
namespace {

enum : int { kRadio1 = 301, kRadio2, kRadio3, kCount = 310, kCombo = 320, kName = 321 };

user::ScriptedUser& User() {
    return user::ScriptedUser::Get();
}

// A dialog on an in-memory template that exchanges its members with its controls.
class TestDialog : public CDialog {
public:
    TestDialog(const DialogBuilder& builder, CWnd* pParent) {
        InitModalIndirect(builder.get(), pParent);
    }
    int choice = 1;
    int count = 3;
    int pick = -1;
    CString pickText;
    CString name;
    bool withCombo = false;
    bool focusName = false;   // OnInitDialog puts the focus on the name field itself
    bool checkRange = false;  // the count must lie between 0 and 100
    CComboBox combo;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (focusName) {
            GetDlgItem(kName)->SetFocus();
            return FALSE;
        }
        if (withCombo) {
            for (LPCWSTR item : {L"Apple", L"Banana", L"Cherry"}) combo.AddString(item);
        }
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Radio(pDX, kRadio1, choice);
        DDX_Text(pDX, kCount, count);
        if (checkRange) DDV_MinMaxInt(pDX, count, 0, 100);
        if (!withCombo) return;
        DDX_Control(pDX, kCombo, combo);
        DDX_CBIndex(pDX, kCombo, pick);
        DDX_CBString(pDX, kCombo, pickText);
        DDX_Text(pDX, kName, name);
    }
};

DialogBuilder StandardTemplate() {
    const DWORD child = WS_CHILD | WS_VISIBLE;
    DialogBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, {0, 0, 200, 120},
                          L"Test");
    // The edit comes first so that the initial focus leaves the radio buttons alone.
    builder.item(L"Edit", L"", child | WS_BORDER | WS_TABSTOP | WS_GROUP, {70, 5, 60, 14}, kCount)
        .item(L"Button", L"One", child | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, {5, 5, 50, 12},
              kRadio1)
        .item(L"Button", L"Two", child | BS_AUTORADIOBUTTON, {5, 20, 50, 12}, kRadio2)
        .item(L"Button", L"Three", child | BS_AUTORADIOBUTTON, {5, 35, 50, 12}, kRadio3)
        .item(L"ComboBox", L"", child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
              {70, 25, 60, 80}, kCombo)
        .item(L"Edit", L"", child | WS_BORDER | WS_TABSTOP, {70, 45, 60, 14}, kName)
        .item(L"Button", L"OK", child | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {70, 90, 50, 14},
              IDOK)
        .item(L"Button", L"Cancel", child | BS_PUSHBUTTON | WS_TABSTOP, {130, 90, 50, 14},
              IDCANCEL);
    return builder;
}

class DialogTest : public WindowTest {
protected:
    DialogBuilder builder = StandardTemplate();
};

TEST_F(DialogTest, DoModalReturnsTheEndDialogCodeAndDisablesTheOwnerMeanwhile) {
    TestDialog dlg(builder, &parent);
    bool ownerEnabledDuring = true;
    User().Later("end with 42", [&](user::ScriptedUser&) {
        ownerEnabledDuring = parent.IsWindowEnabled();
        dlg.EndDialog(42);
    });
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(parent.IsWindowEnabled());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

class InitialFocus : public DialogTest, public ::testing::WithParamInterface<bool> {};

TEST_P(InitialFocus, FollowsWhatOnInitDialogAnswersAndCancelSavesNothing) {
    TestDialog dlg(builder, &parent);
    dlg.focusName = GetParam();
    int focusedId = 0;
    User().Later("look, change and cancel", [&](user::ScriptedUser& u) {
        focusedId = ::GetDlgCtrlID(::GetFocus());
        dlg.SetDlgItemText(kCount, L"7");
        u.ClickControl(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(focusedId, GetParam() ? kName : kCount);  // else the first tab stop
    EXPECT_EQ(dlg.count, 3);
}

INSTANTIATE_TEST_SUITE_P(Answers, InitialFocus, ::testing::Bool());

struct RadioCase {
    int initial;
    int clicked;  // 0: the user leaves the radios alone
    int expected;
};

class RadioExchange : public DialogTest, public ::testing::WithParamInterface<RadioCase> {};

TEST_P(RadioExchange, LoadsAndSavesTheIndexOfTheCheckedButton) {
    TestDialog dlg(builder, &parent);
    dlg.choice = GetParam().initial;
    UINT checkedAtStart[3] = {};
    User().Later("look and choose", [&](user::ScriptedUser& u) {
        for (int i = 0; i < 3; ++i) checkedAtStart[i] = dlg.IsDlgButtonChecked(kRadio1 + i);
        if (GetParam().clicked) u.ClickControl(GetParam().clicked);
        u.ClickControl(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(checkedAtStart[i], UINT(i == GetParam().initial));
    EXPECT_EQ(dlg.choice, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Radios, RadioExchange,
                         ::testing::Values(RadioCase{1, 0, 1}, RadioCase{0, kRadio3, 2},
                                           RadioCase{-1, 0, -1}, RadioCase{-1, kRadio2, 1}));

struct BadInput {
    bool checkRange;
    LPCWSTR typed;  // after the initial 3
    LPCWSTR message;
    LPCWSTR corrected;
    int expected;
};

class RefusedInput : public DialogTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(RefusedInput, KeepsTheDialogOpenOnTheFieldUntilCorrected) {
    TestDialog dlg(builder, &parent);
    dlg.checkRange = GetParam().checkRange;
    bool openAfterBadOk = false;
    HWND focusAfterBadOk = nullptr, edit = nullptr;
    User().Later("type and confirm", [&](user::ScriptedUser& u) {
        edit = ::GetDlgItem(dlg.m_hWnd, kCount);
        u.Click(edit);
        u.Press(VK_END);
        u.Type(GetParam().typed);
        u.AnswerMessageBox(IDOK);
        u.ClickControl(IDOK);
        openAfterBadOk = dlg.IsWindowVisible();
        focusAfterBadOk = ::GetFocus();
    });
    User().Later("correct it", [&](user::ScriptedUser& u) {
        dlg.SetDlgItemText(kCount, GetParam().corrected);
        u.ClickControl(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(openAfterBadOk);
    EXPECT_EQ(focusAfterBadOk, edit);
    ASSERT_EQ(User().MessageBoxes().size(), 1u);
    EXPECT_EQ(User().MessageBoxes()[0].text, GetParam().message);
    EXPECT_EQ(dlg.count, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedInput,
    ::testing::Values(BadInput{false, L"x", L"Please enter an integer.", L" 12 ", 12},
                      BadInput{true, L"00", L"Please enter an integer between 0 and 100.", L"-0",
                               0}));

TEST_F(DialogTest, AUserFillsTheDialogAndTheProgramReadsTheAnswers) {
    TestDialog dlg(builder, &parent);
    dlg.withCombo = true;
    User().Later("pick, type and confirm", [&](user::ScriptedUser& u) {
        u.PickComboItem(dlg.combo.m_hWnd, 1);
        u.Click(::GetDlgItem(dlg.m_hWnd, kName));
        u.Type(L"Smith");
        u.ClickControl(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.pick, 1);
    EXPECT_EQ(dlg.pickText, L"Banana");
    EXPECT_EQ(dlg.name, L"Smith");
    EXPECT_EQ(dlg.combo.m_hWnd, nullptr);  // the control went with the dialog
}

TEST_F(DialogTest, ModelessDialogsLiveUntilDestroyed) {
    TestDialog dlg(builder, &parent);
    ASSERT_TRUE(dlg.CreateIndirect(builder.get(), &parent));
    EXPECT_EQ(dlg.GetDlgItem(kCount)->GetDlgCtrlID(), kCount);
    CString text;
    dlg.GetDlgItemText(kCount, text);
    EXPECT_EQ(text, L"3");  // OnInitDialog loaded the members
    dlg.SetDefID(IDCANCEL);
    EXPECT_EQ(LOWORD(dlg.GetDefID()), IDCANCEL);
    CRect units(0, 0, 4, 8);
    dlg.MapDialogRect(&units);
    EXPECT_GT(units.Width(), 0);
    dlg.DestroyWindow();
}

}  // namespace
}  // namespace afxtest
