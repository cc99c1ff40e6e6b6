// Reference pictures of a dialog holding every standard control, enabled and disabled, with
// the focus on different controls, and of a combo box's dropped list.
#include "controls_fixture.h"
#include "gdi/referenceimage.h"
#include "user/dialogbuilder.h"
#include "user/render.h"

namespace {

constexpr DWORD kTab = WS_TABSTOP;
// Resource scripts give every control WS_VISIBLE unless told otherwise; the builder does not.
constexpr DWORD kShown = WS_VISIBLE;

// One column of controls at horizontal offset x (dialog units), ids from base.
void addColumn(DialogBuilder& dialog, LONG x, DWORD base, DWORD extraStyle) {
    DWORD state = extraStyle | kShown;
    auto at = [x](LONG left, LONG top, LONG width, LONG height) {
        return RECT{x + left, top, width, height};
    };
    dialog.item(L"Button", L"&Représentation", BS_GROUPBOX | state, at(4, 4, 140, 46), base + 0)
        .item(L"Button", L"En fonction du &diamètre", BS_AUTORADIOBUTTON | WS_GROUP | kTab | state,
              at(10, 16, 120, 10), base + 1)
        .item(L"Button", L"En fonction d'&unités", BS_AUTORADIOBUTTON | state, at(10, 28, 120, 10),
              base + 2)
        .item(L"Button", L"&Vérifier", BS_AUTOCHECKBOX | WS_GROUP | kTab | state,
              at(10, 38, 60, 10), base + 3)
        .item(L"Button", L"&Trois états", BS_AUTO3STATE | kTab | state, at(74, 38, 66, 10),
              base + 4)
        .item(L"Static", L"&Nuance d'aciers :", SS_LEFT | state, at(4, 56, 60, 8), base + 5)
        .item(L"ComboBox", L"", CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | kTab | state,
              at(66, 54, 78, 60), base + 6)
        .item(L"ComboBox", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | kTab | state,
              at(66, 70, 78, 60), base + 7)
        .item(L"Edit", L"12.5", ES_AUTOHSCROLL | kTab | state, at(4, 70, 58, 12), base + 8,
              WS_EX_CLIENTEDGE)
        .item(L"Edit", L"Lecture seule", ES_AUTOHSCROLL | ES_READONLY | kTab | state,
              at(4, 86, 70, 12), base + 9, WS_EX_CLIENTEDGE)
        .item(L"Edit", L"centre", ES_CENTER | kTab | state, at(78, 86, 66, 12), base + 10,
              WS_EX_CLIENTEDGE)
        .item(L"Static", L"", SS_ETCHEDHORZ | state, at(4, 104, 140, 1), base + 11)
        .item(L"Static", L"Cadre", SS_CENTER | SS_SUNKEN | state, at(4, 110, 40, 12), base + 12)
        .item(L"Static", L"", SS_GRAYFRAME | state, at(48, 110, 20, 12), base + 13)
        .item(L"Static", L"", SS_BLACKFRAME | state, at(72, 110, 20, 12), base + 14)
        .item(L"Button", L"&Fermer", BS_DEFPUSHBUTTON | kTab | state, at(4, 128, 50, 14), base + 15)
        .item(L"Button", L"&Ajouter...", BS_PUSHBUTTON | kTab | state, at(58, 128, 50, 14),
              base + 16);
}

class ControlsRenderTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        DialogBuilder builder(
            WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE,
            {0, 0, 300, 148}, L"Contrôles");
        addColumn(builder, 0, 100, 0);
        addColumn(builder, 150, 200, WS_DISABLED);
        dialog_ = CreateDialogIndirectParamW(nullptr, builder.get(), nullptr, &acceptingProc, 0);
        ASSERT_NE(dialog_, nullptr);
        for (DWORD base : {100u, 200u}) fill(base);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        ControlsTest::TearDown();
    }
    void fill(DWORD base) {
        HWND list = GetDlgItem(dialog_, static_cast<int>(base + 6));
        HWND drop = GetDlgItem(dialog_, static_cast<int>(base + 7));
        for (const wchar_t* family : {L"FE400 HA", L"FE500 HA", L"S235"}) {
            sendText(list, CB_ADDSTRING, 0, family);
            sendText(drop, CB_ADDSTRING, 0, family);
        }
        send(list, CB_SETCURSEL, 1);
        send(drop, CB_SETCURSEL, 2);
        CheckDlgButton(dialog_, static_cast<int>(base + 1), BST_CHECKED);
        CheckDlgButton(dialog_, static_cast<int>(base + 3), BST_CHECKED);
        CheckDlgButton(dialog_, static_cast<int>(base + 4), BST_INDETERMINATE);
    }
    HWND dialog_ = nullptr;
};

TEST_F(ControlsRenderTest, EveryControlEnabledAndDisabledWithTheFocusOnTheList) {
    SetFocus(GetDlgItem(dialog_, 106));
    ExpectMatchesReference(RenderWindow(dialog_), "controls_dialog_list_focused");
}

TEST_F(ControlsRenderTest, FocusOnAPushButtonAndInAnEditWithSelectedText) {
    SetFocus(GetDlgItem(dialog_, 116));
    ExpectMatchesReference(RenderWindow(dialog_), "controls_dialog_button_focused");
    HWND edit = GetDlgItem(dialog_, 108);
    SetFocus(edit);
    send(edit, EM_SETSEL, 1, 3);
    ExpectMatchesReference(RenderWindow(dialog_), "controls_dialog_edit_selection");
}

TEST_F(ControlsRenderTest, DroppedListHighlightsTheItemUnderTheMouse) {
    HWND combo = GetDlgItem(dialog_, 106);
    send(combo, CB_SHOWDROPDOWN, TRUE);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    RECT item{};
    send(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    send(info.hwndList, WM_MOUSEMOVE, 0, MAKELPARAM(item.left + 5, item.top + 2));
    ExpectMatchesReference(RenderWindow(combo), "controls_combo_dropped_field");
    ExpectMatchesReference(RenderWindow(info.hwndList), "controls_combo_dropped_list");
    send(combo, CB_SHOWDROPDOWN, FALSE);
}

}  // namespace
