// The bar smart edit in a dialog, as a person types and tabs through it and as the host
// exchanges its values: the multiple of the diameter it shows, its focus and Tab order, the
// refusals of its data exchange, and its two looks.
#include "rebar/vnbarsmartedit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "gdi/referenceimage.h"
#include "support/cstring_printer.h"
#include "user/render.h"
#include "user/scripteduser.h"

namespace {

constexpr int kOtherEditId = 201, kBarEditId = 300;
constexpr int kWidth = 160, kHeight = 22;
constexpr double kMm = 0.001, kInch = 0.0254;
const wchar_t kPhi[] = L"\u00D8";

// A modeless dialog that exchanges the bar smart edit's values in its DoDataExchange.
class HostDialog : public CDialog {
public:
    CVnBarSmartEdit* barEdit = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_BarSmartEditCtrl(pDX, barEdit); }
};

class BarSmartEditTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CVnBarSmartEdit::RegisterWndClass(AfxGetInstanceHandle()); }
    void SetUp() override {
        person().SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
        // An empty template: the controls are added below, in Tab order.
        const DLGTEMPLATE header{WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 200, 80};
        const auto* bytes = reinterpret_cast<const WORD*>(&header);
        std::copy(bytes, bytes + sizeof header / sizeof(WORD), dialogTemplate.begin());
        ASSERT_TRUE(dialog.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(dialogTemplate.data()),
                                          nullptr));
        ::CreateWindowExW(0, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 100, 22,
                          dialog.m_hWnd, reinterpret_cast<HMENU>(INT_PTR(kOtherEditId)), nullptr,
                          nullptr);
    }
    void TearDown() override {
        dialog.DestroyWindow();
        AfxDeleteTempMap();
        person().Finish();
        person().SetFailureHandler(nullptr);
    }
    // A control the host creates on its own object, showing lengths in the manager's units.
    CVnBarSmartEdit& make(DWORD exStyle = 0, bool metric = true) {
        units.SetMetric(metric);
        auto* edit = new CVnBarSmartEdit;  // the window deletes it
        edit->SetUnitManager(&units);
        EXPECT_TRUE(edit->CreateEx(exStyle, L"CVNBARSMARTEDIT", L"",
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                   CRect(10, 40, 10 + kWidth, 40 + kHeight), &dialog, kBarEditId));
        dialog.barEdit = edit;
        return *edit;
    }
    static CString textOf(CWnd& wnd) {
        CString text;
        wnd.GetWindowText(text);
        return text;
    }
    static CString phiText(const wchar_t* number) { return CString(number) + L" " + kPhi; }
    void retype(CVnBarSmartEdit& edit, const std::wstring& text) {
        edit.GetEditCtrl().SetFocus();
        edit.GetEditCtrl().SetSel(0, -1);
        person().Type(text);
    }
    user::ScriptedUser& person() { return user::ScriptedUser::Get(); }

    std::array<WORD, 12> dialogTemplate{};  // header, then no menu, class or title
    CVnUnitManager units;
    HostDialog dialog;
};

// The reference pictures show the value and its multiple, "120.0 mm" and "10.0 Ø".
TEST_F(BarSmartEditTest, PhiFieldShowsTheValueAsAMultipleOfTheDiameter) {
    CVnBarSmartEdit& edit = make();
    edit.SetPhiDiameterValue(12 * kMm);
    edit.SetEditCtrlValue(120 * kMm);
    edit.SetPhiDiameterValue(0.0);  // ignored: the multiple never divides by zero
    EXPECT_DOUBLE_EQ(edit.GetPhiDiameterValue(), 12 * kMm);
    EXPECT_DOUBLE_EQ(edit.GetEditPhiCtrlValue(), 10.0);
}

TEST_F(BarSmartEditTest, TypingChangesTheMultipleOnlyWhenTheShownValueChanges) {
    CVnBarSmartEdit& edit = make();
    edit.SetPhiDiameterValue(12 * kMm);
    edit.SetEditCtrlValue(120.04 * kMm);  // shown 120.0 mm, multiple 10.0033...
    // A trailing zero typed before the unit shows the same value: the precise multiple stays.
    edit.GetEditCtrl().SetFocus();
    person().Press(VK_END);
    for (int i = 0; i < 3; ++i) person().Press(VK_LEFT);
    person().Type(L"0");
    EXPECT_EQ(textOf(edit.GetEditCtrl()), L"120.00 mm");
    EXPECT_DOUBLE_EQ(edit.GetEditPhiCtrlValue(), 120.04 / 12);

    retype(edit, L"96");
    EXPECT_EQ(textOf(edit.GetEditCtrl()), L"96");  // not rewritten under the caret
    EXPECT_EQ(textOf(edit.GetEditPhiCtrl()), phiText(L"8.0"));
    EXPECT_DOUBLE_EQ(edit.GetEditCtrlValue(), 96 * kMm);
}

TEST_F(BarSmartEditTest, ImperialFieldsShowAndReadFractions) {
    CVnBarSmartEdit& edit = make(0, false);
    edit.SetPhiDiameterValue(0.5 * kInch);
    edit.SetEditCtrlValue(4.75 * kInch);  // shown 4 3/4", 9.50 diameters
    retype(edit, L"5 1/2\"");
    EXPECT_EQ(textOf(edit.GetEditPhiCtrl()), phiText(L"11.00"));
    EXPECT_DOUBLE_EQ(edit.GetEditCtrlValue(), 5.5 * kInch);
}

TEST_F(BarSmartEditTest, ReadOnlyValueFieldUsesItsStoredValue) {
    const struct {
        BOOL readOnly;
        double multiple;
    } cases[] = {{FALSE, 8.0}, {TRUE, 10.0}};
    for (const auto& c : cases) {
        CVnBarSmartEdit& edit = make();
        edit.SetPhiDiameterValue(12 * kMm);
        edit.SetEditCtrlValue(120 * kMm);
        edit.GetEditCtrl().SetReadOnly(c.readOnly);
        edit.GetEditCtrl().SetWindowText(L"96");  // the host writes into the field
        EXPECT_DOUBLE_EQ(edit.GetEditPhiCtrlValue(), c.multiple) << c.readOnly;
        edit.DestroyWindow();
    }
}

TEST_F(BarSmartEditTest, TabEntersTheValueFieldAndReachesThePhiFieldOnlyWhenEnabled) {
    CVnBarSmartEdit& edit = make();
    CWnd* other = dialog.GetDlgItem(kOtherEditId);
    other->SetFocus();
    person().Press(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &edit.GetEditCtrl());
    person().Press(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &edit.GetEditPhiCtrl());
    person().Press(VK_TAB, user::kShift);
    EXPECT_EQ(CWnd::GetFocus(), &edit.GetEditCtrl());

    edit.GetEditPhiCtrl().EnableWindow(FALSE);
    person().Press(VK_TAB);  // out of the control, to the dialog's next item
    EXPECT_EQ(CWnd::GetFocus(), other);
}

TEST_F(BarSmartEditTest, ExchangeRefusesBadTextWithTheFocusBackAndNothingStored) {
    CVnBarSmartEdit& edit = make();
    edit.SetPhiDiameterValue(12 * kMm);
    edit.SetEditCtrlValue(120 * kMm);
    for (const wchar_t* typed : {L"-5", L"12..5", L"abc", L"1e400"}) {
        retype(edit, typed);
        const double held = edit.GetEditCtrl().GetValueSI();
        dialog.GetDlgItem(kOtherEditId)->SetFocus();
        person().AnswerMessageBox(IDOK);
        EXPECT_FALSE(dialog.UpdateData(TRUE)) << typed;
        EXPECT_EQ(CWnd::GetFocus(), &edit.GetEditCtrl()) << typed;
        EXPECT_EQ(edit.GetEditCtrl().GetValueSI(), held) << typed;
    }
    EXPECT_EQ(person().MessageBoxes().size(), 4u);
    retype(edit, L"36");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_DOUBLE_EQ(edit.GetEditCtrl().GetValueSI(), 36 * kMm);
    EXPECT_DOUBLE_EQ(edit.GetEditPhiCtrl().GetValueSI(), 3.0);
}

TEST_F(BarSmartEditTest, WindowsPlacedWithoutAnObjectGetOneAndTooSmallOnesFail) {
    const struct {
        int width, height;
        bool created;
    } cases[] = {{4, 4, true}, {3, 20, false}, {20, 3, false}};
    for (const auto& c : cases) {
        HWND hwnd = ::CreateWindowExW(0, L"CVNBARSMARTEDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                      c.width, c.height, dialog.m_hWnd, nullptr, nullptr, nullptr);
        EXPECT_EQ(hwnd != nullptr, c.created) << c.width << "x" << c.height;
        if (!hwnd) continue;
        auto* edit = dynamic_cast<CVnBarSmartEdit*>(CWnd::FromHandlePermanent(hwnd));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->GetEditCtrl().m_hWnd, ::GetDlgItem(hwnd, CVnBarSmartEdit::nIDC_EditCtrl));
        EXPECT_EQ(edit->GetEditPhiCtrl().GetDlgCtrlID(), 1115);
        ::DestroyWindow(hwnd);  // deletes the object
    }
}

TEST_F(BarSmartEditTest, LooksMatchTheReferencePictures) {
    const struct {
        DWORD exStyle;
        BOOL enabled;
        const char* name;
    } cases[] = {
        {0, TRUE, "baredit_framed"},
        {0, FALSE, "baredit_framed_disabled"},
        {WS_EX_CLIENTEDGE, TRUE, "baredit_edge"},
        {WS_EX_CLIENTEDGE, FALSE, "baredit_edge_disabled"},
    };
    for (const auto& c : cases) {
        CVnBarSmartEdit& edit = make(c.exStyle);
        edit.SetPhiDiameterValue(12 * kMm);
        edit.SetEditCtrlValue(120 * kMm);
        edit.EnableWindow(c.enabled);
        ExpectMatchesReference(RenderWindow(edit.m_hWnd), c.name);
        edit.DestroyWindow();
    }
}

}  // namespace
