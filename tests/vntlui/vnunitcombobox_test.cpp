// The unit combo box as a person and a dialog see it: items kept in the order added, and the
// phi display, which shows each value with the diameter sign while the items keep their texts.
#include "vntlui/vnunitcombobox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/afxtest.h"
#include "user/render.h"

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL;

// Items as tall as a person's finger: the parent's WM_MEASUREITEM reaches MeasureItem here.
class TallItems : public CVnUnitComboBox {
public:
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override {
        lpMeasureItemStruct->itemHeight = 30;
    }
};

class UnitComboTest : public afxtest::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(combo.Create(kListStyle | CBS_SORT, CRect(10, 10, 110, 200), &parent, 100));
        combo.SendMessage(WM_SETFONT, WPARAM(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    // A standard combo box beside the unit one, showing the given texts as its items.
    CComboBox& plainShowing(const std::vector<CString>& texts) {
        EXPECT_TRUE(plain.Create(kListStyle, CRect(10, 40, 110, 200), &parent, 101));
        plain.SendMessage(WM_SETFONT, WPARAM(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        for (const CString& text : texts) plain.AddString(text);
        return plain;
    }
    std::vector<std::wstring> items() const {
        std::vector<std::wstring> texts;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            texts.emplace_back(text.GetString());
        }
        return texts;
    }
    static HWND listOf(const CComboBox& box) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(COMBOBOXINFO);
        ::GetComboBoxInfo(box.m_hWnd, &info);
        return info.hwndList;
    }
    static void expectSamePicture(HWND drawn, HWND expected, const char* what) {
        EXPECT_TRUE(RenderWindow(drawn).pixels == RenderWindow(expected).pixels) << what;
    }

    CVnUnitComboBox combo;
    CComboBox plain;
};

TEST_F(UnitComboTest, AddsInTheOrderGivenUnlessAskedToSort) {
    const struct {
        int noSort;
        std::vector<std::wstring> added, shown;
    } cases[] = {
        {1, {L"25", L"8", L"10"}, {L"25", L"8", L"10"}},
        {0, {L"b", L"c", L"a"}, {L"a", L"b", L"c"}},
    };
    for (const auto& c : cases) {
        combo.ResetContent();
        for (const std::wstring& text : c.added) combo.AddString(text.c_str(), c.noSort);
        EXPECT_EQ(items(), c.shown) << "nNoSort " << c.noSort;
    }
}

TEST_F(UnitComboTest, PhiDisplayShowsTheDiameterSignWhileItemsKeepTheirTexts) {
    combo.SetPhiEnabled(1);
    for (const wchar_t* text : {L"12", L"8"}) combo.AddString(text, 1);
    combo.SetCurSel(0);
    EXPECT_EQ(combo.FindStringExact(-1, L"8"), 1);
    EXPECT_EQ(items(), (std::vector<std::wstring>{L"12", L"8"}));
    CString field;
    combo.GetWindowText(field);
    EXPECT_EQ(field, CString(L"12"));

    CComboBox& expected = plainShowing({L"\u00D812", L"\u00D88"});
    expected.SetCurSel(0);
    expectSamePicture(combo.m_hWnd, expected.m_hWnd, "selection field");
    combo.ShowDropDown(TRUE);
    expected.ShowDropDown(TRUE);
    expectSamePicture(listOf(combo), listOf(expected), "dropped list");
}

TEST_F(UnitComboTest, WithoutPhiTheItemsLookAsInAPlainComboBox) {
    combo.AddString(L"12", 1);
    combo.SetCurSel(0);
    EXPECT_EQ(combo.GetPhiEnabled(), 0);
    CComboBox& expected = plainShowing({L"12"});
    expected.SetCurSel(0);
    expectSamePicture(combo.m_hWnd, expected.m_hWnd, "selection field");
}

TEST_F(UnitComboTest, ItemHeightsAreTheOnesMeasuredAtCreation) {
    TallItems tall;
    ASSERT_TRUE(tall.Create(kListStyle, CRect(10, 70, 110, 200), &parent, 102));
    EXPECT_EQ(tall.GetItemHeight(-1), 30) << "selection field";
    EXPECT_EQ(tall.GetItemHeight(0), 30) << "list items";
}

}  // namespace
