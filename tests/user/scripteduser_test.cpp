// The scripted user's answers and records, and pictures of windows.
#include <cstdlib>
#include <filesystem>

#include "gdi/referenceimage.h"
#include "user/commdlg.h"
#include "user/dialogbuilder.h"
#include "user/render.h"
#include "user/shellapi.h"
#include "user/shlobj.h"
#include "user/userfixture.h"

namespace {

class ScriptedUserTest : public UserTest {};

TEST_F(ScriptedUserTest, MessageBoxesAreRecordedAndUnexpectedOnesOrUnusedAnswersFailTheScript) {
    person().AnswerMessageBox(IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, L"Überschreiben?", L"Katalog", MB_YESNO | MB_ICONQUESTION),
              IDNO);
    ASSERT_EQ(person().MessageBoxes().size(), 1u);
    const user::MessageBoxRecord& box = person().MessageBoxes()[0];
    EXPECT_EQ(box.text, L"Überschreiben?");
    EXPECT_EQ(box.caption, L"Katalog");
    EXPECT_EQ(box.style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    struct Case {
        UINT type;
        int answer;
    };
    for (Case c : {Case{MB_OK, IDOK}, Case{MB_YESNO, IDNO}, Case{MB_OKCANCEL, IDCANCEL}}) {
        EXPECT_EQ(MessageBoxW(nullptr, L"?", nullptr, c.type), c.answer);
        EXPECT_EQ(takeScriptFailures().size(), 1u);
    }
    EXPECT_EQ(person().MessageBoxes().back().caption, L"Error") << "the default caption";
    person().AnswerMessageBox(IDYES);
    MessageBoxW(nullptr, L"?", nullptr, MB_OK);
    EXPECT_EQ(takeScriptFailures().size(), 1u) << "Yes is not a button of an OK box";
    person().AnswerMessageBox(IDOK);
    person().CancelFileDialog();
    person().Later("never run", [](user::ScriptedUser&) {});
    person().Finish();
    EXPECT_EQ(takeScriptFailures().size(), 3u) << "answers left unused fail the script";
}

TEST_F(ScriptedUserTest, FileDialogsReturnTheScriptedPathAndRecordTheQuestion) {
    wchar_t file[260] = L"";
    wchar_t title[64] = L"";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFilter = L"Catalogues (*.mdb)\0*.mdb\0All files\0*.*\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = 260;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = 64;
    ofn.lpstrTitle = L"Open catalogue";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    person().AnswerFileDialog(L"/data/Stäbe.mdb");
    ASSERT_TRUE(GetOpenFileNameW(&ofn));
    EXPECT_STREQ(file, L"/data/Stäbe.mdb");
    EXPECT_STREQ(title, L"Stäbe.mdb");
    EXPECT_EQ(ofn.nFileOffset, 6);
    EXPECT_EQ(ofn.nFileExtension, 12);
    const user::FileDialogRecord& asked = person().FileDialogs().at(0);
    EXPECT_EQ(asked.filter, L"Catalogues (*.mdb)|*.mdb|All files|*.*");
    EXPECT_EQ(asked.flags, static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    EXPECT_EQ(asked.title, L"Open catalogue");
    EXPECT_FALSE(asked.save);
    person().CancelFileDialog();
    EXPECT_FALSE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST_F(ScriptedUserTest, HelpShellExecutionsAndMenuChoicesAreRecorded) {
    WinHelpW(nullptr, L"rebar.hlp", HELP_CONTEXT, 17);
    EXPECT_GT(reinterpret_cast<INT_PTR>(
                  ShellExecuteW(nullptr, L"open", L"guide.pdf", nullptr, nullptr, SW_SHOW)),
              32);
    person().AnswerPopupMenu(2001);
    EXPECT_EQ(person().ChoosePopupMenuItem(nullptr, 0, 10, 20, nullptr), 2001u);
    ASSERT_EQ(person().HelpCalls().size(), 1u);
    EXPECT_EQ(person().HelpCalls()[0].topic, L"rebar.hlp");
    EXPECT_EQ(person().HelpCalls()[0].data, 17u);
    ASSERT_EQ(person().ShellExecutions().size(), 1u);
    EXPECT_EQ(person().ShellExecutions()[0].file, L"guide.pdf");
    EXPECT_EQ(person().PopupMenus()[0].pt.y, 20);
}

TEST_F(ScriptedUserTest, TheDocumentsFolderIsFoundUnderHome) {
    std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
    std::filesystem::path home = std::filesystem::temp_directory_path() / "user_tests_home";
    std::filesystem::create_directories(home / "Documents");
    setenv("HOME", home.c_str(), 1);
    wchar_t path[MAX_PATH];
    HRESULT hr = SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path);
    setenv("HOME", saved.c_str(), 1);
    ASSERT_EQ(hr, S_OK);
    EXPECT_EQ(std::filesystem::path(path), home / "Documents");
    std::filesystem::remove_all(home);
}

std::vector<UINT> g_swallowed;
BOOL SwallowKeyDowns(MSG* msg) {
    if (msg->message != WM_KEYDOWN) return FALSE;
    g_swallowed.push_back(static_cast<UINT>(msg->wParam));
    return TRUE;
}

TEST_F(ScriptedUserTest, EveryPumpedMessagePassesThePreTranslateHookFirst) {
    HWND w = spy("w", WS_VISIBLE, {0, 0, 50, 50});
    SetFocus(w);
    forget();
    g_swallowed.clear();
    SetMessageLoopPreTranslateHook(&SwallowKeyDowns);
    person().Press(VK_F5);
    SetMessageLoopPreTranslateHook(nullptr);
    EXPECT_EQ(g_swallowed, std::vector<UINT>{VK_F5});
    EXPECT_EQ(log({WM_KEYDOWN, WM_KEYUP}), (Strings{"w:WM_KEYUP"}));
}

TEST_F(ScriptedUserTest, ASmallDialogAndFramesWithScrollBarsRenderAsTheirReferencePictures) {
    DialogBuilder b(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                    {0, 0, 150, 58}, L"Stabformen – Ø");
    b.item(L"Static", L"&Länge:", WS_VISIBLE, {7, 9, 40, 8}, 100)
        .item(L"Edit", L"12.5", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, {50, 7, 93, 14}, 101,
              WS_EX_CLIENTEDGE)
        .item(L"Button", L"OK", BS_DEFPUSHBUTTON | WS_VISIBLE | WS_TABSTOP, {39, 37, 50, 14}, IDOK)
        .item(L"Button", L"Abbrechen", BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, {93, 37, 50, 14},
              IDCANCEL);
    HWND dlg = CreateDialogIndirectParamW(nullptr, b.get(), nullptr, nullptr, 0);
    ASSERT_NE(dlg, nullptr);
    ExpectMatchesReference(RenderWindow(dlg), "dialog_small");
    HWND w = spy("w", WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL, {0, 0, 80, 60}, nullptr, 0,
                 WS_EX_CLIENTEDGE);
    ExpectMatchesReference(RenderWindow(w), "frame_scrollbars");
}

}  // namespace
