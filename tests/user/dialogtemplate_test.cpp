// Dialogs from classic DLGTEMPLATE bytes, with the predefined control classes given by atom.
#include <cstring>
#include <string>
#include <vector>

#include "user/dialogbuilder.h"
#include "user/userfixture.h"
#include "win/module.h"

namespace {

// A DLGTEMPLATE without a font: a static label (atom 0x0082) and a push button (0x0080).
class ClassicTemplate {
public:
    ClassicTemplate() {
        raw(DLGTEMPLATE{WS_POPUP | WS_CAPTION, 0, 2, 10, 10, 100, 40});
        words({0, 0});  // no menu, the dialog class
        text(L"Maße");
        item(DLGITEMTEMPLATE{SS_LEFT | WS_VISIBLE, 0, 5, 5, 50, 8, 100}, 0x0082, L"Größe");
        item(DLGITEMTEMPLATE{BS_PUSHBUTTON | WS_VISIBLE | WS_TABSTOP, 0, 5, 20, 40, 14, IDOK},
             0x0080, L"OK");
    }
    LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(bytes_.data()); }

private:
    template <class T>
    void raw(const T& value) {
        const auto* p = reinterpret_cast<const BYTE*>(&value);
        bytes_.insert(bytes_.end(), p, p + sizeof value);
    }
    void words(std::initializer_list<WORD> list) {
        for (WORD w : list) raw(w);
    }
    void text(const std::wstring& s) {
        for (wchar_t c : s) raw(static_cast<WORD>(c));
        raw(WORD{0});
    }
    void item(const DLGITEMTEMPLATE& item, WORD atom, const std::wstring& title) {
        while (bytes_.size() % 4) bytes_.push_back(0);
        raw(item);
        words({0xFFFF, atom});
        text(title);
        raw(WORD{0});
    }
    std::vector<BYTE> bytes_;
};

class DialogTemplateTest : public UserTest {};

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

TEST_F(DialogTemplateTest, ClassicTemplatesUseAtomsAndSystemFontOthersGiveEveryControlTheirFont) {
    ClassicTemplate t;
    HWND dlg = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, nullptr, 0);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(ClassOf(dlg), L"#32770");
    HWND label = GetDlgItem(dlg, 100);
    HWND ok = GetDlgItem(dlg, IDOK);
    EXPECT_EQ(ClassOf(label), L"Static");
    EXPECT_EQ(ClassOf(ok), L"Button");
    wchar_t text[32];
    GetWindowTextW(label, text, 32);
    EXPECT_STREQ(text, L"Größe");
    GetWindowTextW(dlg, text, 32);
    EXPECT_STREQ(text, L"Maße");
    RECT r;
    GetClientRect(ok, &r);
    LONG units = GetDialogBaseUnits();
    EXPECT_EQ(r.right, 40 * LOWORD(units) / 4);
    EXPECT_EQ(r.bottom, 14 * HIWORD(units) / 8);
    EXPECT_EQ(GetWindowLongW(label, GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY, WS_EX_NOPARENTNOTIFY);
    EXPECT_EQ(SendMessageW(dlg, WM_GETFONT, 0, 0), 0)
        << "without DS_SETFONT the system font is used";
    DialogBuilder b(WS_POPUP, {0, 0, 100, 40}, L"Font");
    b.item(L"Static", L"a", WS_VISIBLE, {5, 5, 40, 8}, 1)
        .item(L"Button", L"b", WS_VISIBLE, {5, 20, 40, 14}, 2);
    dlg = CreateDialogIndirectParamW(nullptr, b.get(), nullptr, nullptr, 0);
    LRESULT font = SendMessageW(dlg, WM_GETFONT, 0, 0);
    EXPECT_NE(font, 0);
    EXPECT_EQ(SendDlgItemMessageW(dlg, 1, WM_GETFONT, 0, 0), font);
    EXPECT_EQ(SendDlgItemMessageW(dlg, 2, WM_GETFONT, 0, 0), font);
}

std::wstring g_typedLength;
INT_PTR CALLBACK LengthProc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        wchar_t text[32];
        GetDlgItemTextW(dlg, 202, text, 32);
        g_typedLength = text;
        EndDialog(dlg, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

TEST_F(DialogTemplateTest, ADialogResourceRunsModallyWithTheTextsOfItsScript) {
    std::wstring caption;
    person().Later("read the caption", [&](user::ScriptedUser&) {
        wchar_t text[32];
        GetWindowTextW(GetActiveWindow(), text, 32);
        caption = text;
    });
    person().Later("type a length", [](user::ScriptedUser& u) { u.Type(L"12.5"); });
    person().Later("press Enter", [](user::ScriptedUser& u) { u.Press(VK_RETURN); });
    INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(200), nullptr, &LengthProc, 0);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, L"Länge – Ø");
    EXPECT_EQ(g_typedLength, L"12.5");
    EXPECT_EQ(
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(999), nullptr, &LengthProc, 0),
        -1);
}

}  // namespace
