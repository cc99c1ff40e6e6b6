#include <gtest/gtest.h>

#include "afx_tests_res.h"
#include "afxtest.h"

namespace afxtest {
namespace {

using ResourceTest = WindowTest;

class ResourceDialog : public CDialog {
public:
    ResourceDialog(CWnd* pParent) : CDialog(IDD_RESOURCE_DIALOG, pParent) {}
    CString text = L"12,5";

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_RESOURCE_EDIT, text); }
};

TEST_F(ResourceTest, DialogsComeFromTheResourceChainByIdAndNeedTheirTemplate) {
    ResourceDialog dlg(&parent);
    CString caption, shown;
    user::ScriptedUser::Get().Later("read and confirm", [&](user::ScriptedUser& u) {
        dlg.GetWindowText(caption);
        dlg.GetDlgItemText(IDC_RESOURCE_EDIT, shown);
        u.ClickControl(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(caption, L"Längen");
    EXPECT_EQ(shown, L"12,5");
    CDialog missing(UINT(9999), &parent);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_FALSE(missing.Create(UINT(9999), &parent));
}

TEST_F(ResourceTest, MenusLoadWithTheirItems) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_RESOURCE_MENU));
    CMenu* pPopup = menu.GetSubMenu(0);
    ASSERT_NE(pPopup, nullptr);
    EXPECT_EQ(pPopup->GetMenuItemCount(), 2u);
    EXPECT_EQ(pPopup->GetMenuItemID(1), UINT(ID_RESOURCE_CLOSE));
    CString text;
    pPopup->GetMenuString(ID_RESOURCE_OPEN, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"&Ouvrir");
    user::ScriptedUser::Get().AnswerPopupMenu(ID_RESOURCE_CLOSE);
    EXPECT_EQ(pPopup->TrackPopupMenuEx(TPM_RETURNCMD, 10, 10, &parent, nullptr), ID_RESOURCE_CLOSE);
}

TEST_F(ResourceTest, MessageBoxesShowStringResources) {
    user::ScriptedUser::Get().AnswerMessageBox(IDOK);
    EXPECT_EQ(AfxMessageBox(IDS_RESOURCE_PROMPT, MB_ICONINFORMATION), IDOK);
    ASSERT_EQ(user::ScriptedUser::Get().MessageBoxes().size(), 1u);
    EXPECT_EQ(user::ScriptedUser::Get().MessageBoxes()[0].text, L"Le fichier est enregistré.");
    EXPECT_EQ(user::ScriptedUser::Get().MessageBoxes()[0].style, UINT(MB_ICONINFORMATION));
}

// The tool tip control that shows the tips of the windows inside `owner`, if there is one.
HWND ToolTipOf(HWND owner) {
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        ::GetClassNameW(h, name, 64);
        if (CString(name) == TOOLTIPS_CLASSW && ::GetWindow(h, GW_OWNER) == owner) return h;
    }
    return nullptr;
}

TEST_F(ResourceTest, ToolTipsShowTheTipPartOfAChildsString) {
    CWnd panel;
    ASSERT_TRUE(panel.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 1));
    panel.EnableToolTips();
    HWND hChild =
        ::CreateWindowExW(0, WC_STATICW, L"L", WS_CHILD | WS_VISIBLE, 10, 10, 60, 20, panel.m_hWnd,
                          reinterpret_cast<HMENU>(IDC_TIPPED), nullptr, nullptr);
    user::ScriptedUser::Get().MoveOver(hChild);
    HWND hTip = ToolTipOf(parent.m_hWnd);
    ASSERT_NE(hTip, nullptr);
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = panel.m_hWnd;
    info.uId = reinterpret_cast<UINT_PTR>(hChild);
    wchar_t text[80] = {};
    info.lpszText = text;
    ::SendMessageW(hTip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"Longueur de la barre");
    panel.DestroyWindow();
}

}  // namespace
}  // namespace afxtest
