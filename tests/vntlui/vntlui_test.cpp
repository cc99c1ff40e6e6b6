#include <gtest/gtest.h>

#include "afx/afxtest.h"
#include "user/dialogbuilder.h"
#include "user/scripteduser.h"
#include "vntl/vnprompts.h"
#include "vntlui/vncombobox.h"
#include "vntlui/vndialogbarex.h"
#include "vntlui/vntlhelptools.h"
#include "vntlui/vntluitools.h"
#include "vntlui/vntooltip.h"
#include "vntlui/vnuiprompts.h"
#include "vntlui/vnwindow.h"

namespace {

constexpr UINT kDialogId = 10999;
enum : int { kLabel = 501, kCombo = 502, kNamed = 503 };

user::ScriptedUser& User() {
    return user::ScriptedUser::Get();
}

DialogBuilder BarTemplate() {
    const DWORD child = WS_CHILD | WS_VISIBLE;
    DialogBuilder builder(WS_CHILD | WS_VISIBLE, {0, 0, 160, 60}, L"Template caption");
    builder.item(L"Static", L"Label", child, {5, 5, 60, 10}, kLabel)
        .item(L"ComboBox", L"", child | CBS_DROPDOWNLIST | WS_TABSTOP, {70, 5, 60, 60}, kCombo)
        .item(L"Button", L"Kept", child | BS_PUSHBUTTON, {5, 25, 60, 14}, kNamed)
        .item(L"Static", L"Unnamed", child, {70, 25, 60, 10}, -1);
    return builder;
}

class UiKitTest : public afxtest::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(bar.CreateIndirect(builder.get(), &parent));
    }
    void TearDown() override {
        bar.DestroyWindow();
        VnPrompts::resetPrompts();
        WindowTest::TearDown();
    }
    CString TextOf(int nID) {
        CString text;
        bar.GetDlgItemText(nID, text);
        return text;
    }

    DialogBuilder builder = BarTemplate();
    CVnDialogBarEx bar;
};

TEST_F(UiKitTest, DialogAndMenuTextsComeFromThePromptsFiledForThem) {
    VnPrompts::setPrompt(L"REBAR", kDialogId, L"Filed caption");
    VnPrompts::setPrompt(L"REBAR", VnDialogControlPromptId(kDialogId, kLabel), L"Filed label");
    VnPrompts::setPrompt(L"REBAR", kLabel, L"Not this one");  // an id of another kind
    VnPrompts::setDialogAndControlText(&bar, kDialogId, L"REBAR");
    CString text;
    bar.GetWindowText(text);
    EXPECT_EQ(text, L"Filed caption");
    EXPECT_EQ(TextOf(kLabel), L"Filed label");
    EXPECT_EQ(TextOf(kNamed), L"Kept");  // nothing filed: the template's text stays

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 40001, L"Open");
    menu.AppendMenu(MF_STRING, 40002, L"Close");
    VnPrompts::setPrompt(L"REBAR", 40002, L"Fermer");
    VnPrompts::setMenuText(menu, 40001, L"REBAR");
    menu.GetMenuString(40001, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"Open");
    menu.GetMenuString(40002, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"Fermer");
}

TEST_F(UiKitTest, TheDialogBarColoursItsControls) {
    bar.SetBackgroundColor(RGB(200, 210, 220));
    CClientDC dc(bar.GetDlgItem(kLabel));
    LRESULT brush = bar.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
                                    reinterpret_cast<LPARAM>(::GetDlgItem(bar, kLabel)));
    LOGBRUSH logBrush{};
    ASSERT_EQ(::GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof logBrush, &logBrush),
              int(sizeof logBrush));
    EXPECT_EQ(logBrush.lbColor, RGB(200, 210, 220));
    EXPECT_EQ(dc.GetBkColor(), RGB(200, 210, 220));
    EXPECT_TRUE(bar.IsKindOf(RUNTIME_CLASS(CDialog)));
}

TEST_F(UiKitTest, SetHeightKeepsWidthAndPlace) {
    CRect before, after;
    bar.GetWindowRect(&before);
    CVnWindow::SetHeight(&bar, before.Height() + 37);
    bar.GetWindowRect(&after);
    EXPECT_EQ(after, CRect(before.left, before.top, before.right, before.bottom + 37));
}

TEST_F(UiKitTest, WindowToolsAreAddedOnceAndUpdated) {
    CVnComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(kCombo, &bar));
    CVnToolTip tip;
    ASSERT_TRUE(tip.Create(&bar, TTS_ALWAYSTIP));
    EXPECT_TRUE(tip.AddWindowTool(&combo, L"Steel grade"));
    EXPECT_TRUE(tip.AddWindowTool(&combo, L"Nuance"));
    EXPECT_EQ(tip.GetToolCount(), 1);
    TOOLINFOW info;
    wchar_t text[80] = {};
    ASSERT_TRUE(tip.GetToolInfo(info, &combo));
    info.lpszText = text;
    tip.SendMessage(TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"Nuance");
    tip.DelTool(&combo);
    EXPECT_EQ(tip.GetToolCount(), 0);
    tip.DestroyWindow();
    combo.UnsubclassWindow();
}

TEST_F(UiKitTest, MessagesAndHelpAreWhatTheUserSees) {
    User().AnswerMessageBox(IDYES);
    EXPECT_EQ(VNTLUITools::MessageBoxW(L"Save?", MB_YESNO | MB_ICONQUESTION, &bar), IDYES);
    ASSERT_EQ(User().MessageBoxes().size(), 1u);
    EXPECT_EQ(User().MessageBoxes()[0].owner, bar.m_hWnd);
    EXPECT_EQ(User().MessageBoxes()[0].style, UINT(MB_YESNO | MB_ICONQUESTION));

    VNTLHelpTools::Help(1, 141773);
    HELPINFO info{sizeof(HELPINFO), HELPINFO_WINDOW, kCombo, nullptr, 0, {0, 0}};
    CVnHelpTools::DisplayWhatsThis(&bar, &info, 0, 0, nullptr);
    const auto& help = User().HelpCalls();
    ASSERT_EQ(help.size(), 2u);
    EXPECT_EQ(help[0].call, L"VNTLHelpTools::Help");
    EXPECT_EQ(help[0].data, 141773u);
    EXPECT_EQ(help[1].call, L"VNTLHelpTools::DisplayWhatsThis");
    EXPECT_EQ(help[1].data, ULONG_PTR(kCombo));
}

}  // namespace
