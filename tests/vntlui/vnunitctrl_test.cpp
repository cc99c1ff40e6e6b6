// The unit field as a person and a dialog see it: what it shows, how typed text reads back,
// and how a dialog's data exchange refuses what it cannot store.
#include "vntlui/vnunitctrl.h"

#include <gtest/gtest.h>

#include <string>

#include "afx/afxwin.h"
#include "afx/dataexchange.h"
#include "support/cstring_printer.h"
#include "user/scripteduser.h"
#include "vntl/vnunitmanager.h"

namespace {

constexpr int kFieldId = 1124;
constexpr double kOpen = 1.7976931348623157e+150;
constexpr double kInch = 0.0254;

// A dialog-like parent whose data exchange is the field's DDX_UnitCtrl and which counts the
// field's changes its message map hears.
class ExchangeParent : public CWnd {
public:
    CVnUnitCtrl* field = nullptr;
    int changes = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_UnitCtrl(pDX, kFieldId, *field, L"%.*f");
    }
    void OnFieldChange() { ++changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ExchangeParent, CWnd)
ON_EN_CHANGE(kFieldId, &ExchangeParent::OnFieldChange)
END_MESSAGE_MAP()

class UnitCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        person().SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Parent", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100,
                                    nullptr, nullptr));
        ::CreateWindowExW(0, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 10,
                          10, 150, 20, parent.m_hWnd, reinterpret_cast<HMENU>(INT_PTR(kFieldId)),
                          nullptr, nullptr);
        parent.field = &field;
    }
    void TearDown() override {
        parent.DestroyWindow();
        AfxDeleteTempMap();
        person().Finish();
        person().SetFailureHandler(nullptr);
    }
    // The field in the display length unit of metric (mm, 1 decimal) or imperial settings
    // (inches in sixteenths), taking 0.5 m and more.
    void attach(bool metric = true, double minimum = 0.0) {
        units.SetMetric(metric);
        ASSERT_TRUE(
            field.SetDefaultValues(&parent, kFieldId, 0.0, *units.GetVisUnit(1), minimum, kOpen));
    }
    // What a person does to replace the field's text.
    void retype(const std::wstring& text) {
        field.SetFocus();
        field.SetSel(0, -1);
        person().Type(text);
    }
    CString text() const {
        CString shown;
        field.GetWindowText(shown);
        return shown;
    }
    user::ScriptedUser& person() { return user::ScriptedUser::Get(); }

    CVnUnitManager units;
    ExchangeParent parent;
    CVnUnitCtrl field;
};

TEST_F(UnitCtrlTest, ShowsTheValueInItsUnitOrAsAMultipleAndReadsTypedTextBackInSI) {
    const struct {
        bool metric, phi;
        double value;
        const wchar_t* shown;
        const wchar_t* typed;
        double typedSI;
    } cases[] = {
        {true, false, 0.12, L"120.0 mm", L"96", 0.096},
        {true, false, 0.12, L"120.0 mm", L"1.5 m", 1.5},
        {false, false, 4.75 * kInch, L"4 3/4\"", L"4 3/4\"", 4.75 * kInch},
        {false, false, 4.75 * kInch, L"4 3/4\"", L"1'-6", 18 * kInch},
        {true, true, 10.0, L"10.0 \u00D8", L"8 \u00D8", 8.0},
        {true, true, 10.0, L"10.0 \u00D8", L"7.5", 7.5},
        {false, true, 9.5, L"9.50 \u00D8", L"9.5", 9.5},
    };
    for (const auto& c : cases) {
        attach(c.metric);
        field.SetPhiEnabled(c.phi ? 1 : 0, nullptr);
        field.SetValueSI(c.value);
        EXPECT_EQ(text(), c.shown);
        EXPECT_EQ(field.GetPhiEnabled(), c.phi ? 1 : 0);
        retype(c.typed);
        EXPECT_TRUE(field.UpdateData(TRUE)) << c.typed;
        EXPECT_DOUBLE_EQ(field.GetValueSI(), c.typedSI) << c.typed;
    }
}

TEST_F(UnitCtrlTest, ExchangeRefusesTextItCannotStoreAndPutsTheFocusBack) {
    const wchar_t* refused[] = {L"12..5", L"abc", L"1e400", L"", L"0.4 m", L"-1"};
    attach(true, 0.5);
    field.SetValueSI(2.0);
    for (const wchar_t* typed : refused) {
        retype(typed);
        parent.SetFocus();
        person().AnswerMessageBox(IDOK);
        EXPECT_FALSE(parent.UpdateData(TRUE)) << typed;
        EXPECT_EQ(field.GetValueSI(), 2.0) << typed;
        EXPECT_EQ(CWnd::GetFocus(), &field) << typed;
        ASSERT_FALSE(person().MessageBoxes().empty());
        EXPECT_EQ(person().MessageBoxes().back().style, UINT(MB_ICONEXCLAMATION));
    }
    EXPECT_EQ(person().MessageBoxes().back().text, L"Please enter a value of at least 500.0 mm.");
    retype(L"2500");
    EXPECT_TRUE(parent.UpdateData(TRUE));
    EXPECT_DOUBLE_EQ(field.GetValueSI(), 2.5);
}

TEST_F(UnitCtrlTest, LaterChangesShowAtTheNextLoadAndNeverNotifyTheParent) {
    attach();
    field.SetValueSI(0.12);
    field.ModifyValueSI(0.25);
    EXPECT_EQ(text(), L"120.0 mm");
    EXPECT_TRUE(parent.UpdateData(FALSE));
    EXPECT_EQ(text(), L"250.0 mm");
    EXPECT_EQ(parent.changes, 0);
    retype(L"9");
    EXPECT_EQ(parent.changes, 1);
}

TEST_F(UnitCtrlTest, ClearedHiddenAndReadOnlyFieldsKeepWhatTheyHold) {
    attach();
    field.SetValueSI(0.12345);
    field.SetVisibility(0);
    EXPECT_EQ(text(), L"");
    EXPECT_TRUE(parent.UpdateData(TRUE));
    field.SetVisibility(1);
    EXPECT_EQ(text(), L"123.5 mm");
    field.SetReadOnly(TRUE);  // its text is a rounded view: saving keeps every digit
    EXPECT_TRUE(parent.UpdateData(TRUE));
    EXPECT_EQ(field.GetValueSI(), 0.12345);

    field.ClearControl();
    EXPECT_EQ(text(), L"");
    EXPECT_TRUE(parent.UpdateData(TRUE));
    EXPECT_EQ(field.GetValueSI(), CVnUnitCtrl::kNotGivenValue);
}

}  // namespace
