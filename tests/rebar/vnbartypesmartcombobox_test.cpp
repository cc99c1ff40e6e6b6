// The bar-type combo as a host dialog and a person see it: the combos each design standard
// gives, where the children lie, the order of the lists, what the user's picks and keys do and
// which messages the parent hears, the cache of diameters, the guard, and how it looks.
#include "rebar/vnbartypesmartcombobox.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "catalogfixture.h"
#include "gdi/referenceimage.h"
#include "rebar/host/gui.h"
#include "user/render.h"
#include "user/scripteduser.h"

namespace {

constexpr int kId = 2000;
constexpr UINT kDialog = 500, kDialogControl = 501;
constexpr int kDiameter = 1101, kSteelgrade = 1103, kFirstLabel = 1104, kSteelLabel = 1105,
              kName = 1119;
constexpr UINT kButtonSelChanged = WM_USER + 5, kConfirmed = WM_USER + 8, kFocused = WM_USER + 10;
const wchar_t kNF[] = L"NF P 02-016";
const wchar_t kACI[] = L"ACI";

// A private message the parent heard, printed in full when a comparison fails.
using Message = std::tuple<UINT, WPARAM, LPARAM>;

// The host's window under the control: it records the control's private messages.
class ParentSpy : public CWnd {
public:
    std::vector<Message> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= kButtonSelChanged && message <= kFocused)
            messages.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A catalogue whose family listing fails with an exception.
class FailingCatalog : public CVnRebarSteelGradeCatalog {
public:
    bool GetSteelgradeFamilies(CStringList&, CString) override { throw std::runtime_error("list"); }
};

// Lets a test hand the control another catalogue.
class ProbeCombo : public CVnBarTypeSmartComboBox {
public:
    void replaceCatalog(CVnRebarSteelGradeCatalog* other) {
        delete catalog;
        catalog = other;
    }
};

class BarType : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        person().SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
        openDrawing("bartype.sql", "BarType.mdb");
        static const BOOL registered =
            CVnBarTypeSmartComboBox::RegisterWndClass(AfxGetInstanceHandle());
        ASSERT_TRUE(registered);
        // A dialog's face under the control, which paints no background of its own.
        LPCTSTR face = AfxRegisterWndClass(0, nullptr, HBRUSH(COLOR_BTNFACE + 1));
        ASSERT_TRUE(parent.CreateEx(0, face, L"Parent", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                    nullptr, nullptr));
    }
    void TearDown() override {
        parent.DestroyWindow();  // the control deletes itself with its window
        AfxDeleteTempMap();
        person().Finish();
        person().SetFailureHandler(nullptr);
        CatalogFixture::TearDown();
    }

    // A control that the host creates through its own object, under the design standard.
    ProbeCombo& make(const wchar_t* standard) {
        VnProjectSettings::SetCurrentStandard(standard);
        auto* control = new ProbeCombo;
        control->Create(L"help.chm", L"whatsthis.chm", L"Ø", L"Nuance");
        EXPECT_TRUE(control->CreateEx(0, L"CVNBARTYPESMARTCOMBOBOX", L"",
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 360, 24),
                                      &parent, kId));
        return *control;
    }
    // The same, filled with the families of the standard and one of them selected.
    ProbeCombo& filled(const wchar_t* standard, const wchar_t* family) {
        ProbeCombo& control = make(standard);
        control.FillComboSteelgradeFromDatabase(standard);
        EXPECT_EQ(control.SetCurSelSteelgrade(CString(family)), 0);
        return control;
    }
    static HWND child(const CWnd& control, int id) { return ::GetDlgItem(control.m_hWnd, id); }
    // The texts a person sees in a combo's list.
    static Texts shown(HWND combo) {
        Texts texts;
        const int count = int(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::wstring text(::SendMessageW(combo, CB_GETLBTEXTLEN, i, 0), L'\0');
            ::SendMessageW(combo, CB_GETLBTEXT, i, LPARAM(text.data()));
            texts.push_back(text);
        }
        return texts;
    }
    static CString selectedDiameter(CVnBarTypeSmartComboBox& control) {
        CString text;
        control.GetCurSelDiameter(text);
        return text;
    }
    // Where a child lies in the control, as "left,top,right,bottom".
    static std::string placeOf(const CWnd& control, int id) {
        CRect rect;
        ::GetWindowRect(child(control, id), &rect);
        control.ScreenToClient(&rect);
        return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
               std::to_string(rect.right) + "," + std::to_string(rect.bottom);
    }
    static user::ScriptedUser& person() { return user::ScriptedUser::Get(); }

    ParentSpy parent;
};

// ---- Mode and window class ---------------------------------------------------------------------

TEST_F(BarType, NameStandardsGiveTheNameComboAndOthersTheDiameterCombo) {
    const struct {
        const wchar_t* standard;
        bool failingSettings;
        bool names;
    } cases[] = {
        {L"ACI", false, true},       {L"aci", false, true}, {L"CSA A23 M", false, true},
        {L"csa a23 i", false, true}, {kNF, false, false},   {L"", false, false},
        {L"ACI", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << WideToUtf8(c.standard) << " fault " << c.failingSettings);
        VnProjectSettings::SetCurrentStandard(c.standard);
        VnProjectSettings::SetFault(c.failingSettings ? VnProjectSettings::Fault::StandardReadFails
                                                      : VnProjectSettings::Fault::None);
        CDialog dialog;
        ASSERT_TRUE(dialog.Create(kDialog, &parent));
        CWnd* control = CWnd::FromHandlePermanent(::GetDlgItem(dialog.m_hWnd, kDialogControl));
        ASSERT_NE(dynamic_cast<CVnBarTypeSmartComboBox*>(control), nullptr)
            << "the template's window has its object";
        EXPECT_EQ(child(*control, kName) != nullptr, c.names);
        EXPECT_EQ(child(*control, kDiameter) != nullptr, !c.names);
        EXPECT_NE(child(*control, kSteelgrade), nullptr);
        EXPECT_EQ(::GetWindowLongW(child(*control, kFirstLabel), GWL_STYLE), 0x5000000C);
        dialog.DestroyWindow();
    }
}

// ---- Layout ----------------------------------------------------------------------------------

// In the labels' font "Ø" is 12 pixels wide and "Nuance" 59, both 16 high; the default GUI font
// makes labels 15 pixels high at creation and combos 21. The control is 360 pixels wide. The
// reference pictures show the children as created.
TEST_F(BarType, ChildrenLieSideBySideFromTheLabelMeasures) {
    using Change = std::function<void(CVnBarTypeSmartComboBox&)>;
    const struct {
        const wchar_t* standard;
        const char* what;
        Change change;
        std::string label, first, steelLabel, steelgrade;
    } cases[] = {
        {kNF, "labels changed",
         [](CVnBarTypeSmartComboBox& c) { c.SetLabels(L"Nuance", L"", L"Ø"); }, "0,2,59,18",
         "59,0,174,21", "174,2,186,18", "186,0,359,21"},
        {kACI, "labels changed",
         [](CVnBarTypeSmartComboBox& c) { c.SetLabels(L"", L"Nuance", L"Ø"); }, "0,2,59,18",
         "59,0,160,21", "160,2,172,18", "172,0,359,21"},
        {kNF, "first label hidden",
         [](CVnBarTypeSmartComboBox& c) { c.SetVisibleLabels(false, true, true); }, "0,2,12,15",
         "0,0,120,21", "120,2,179,22", "179,0,359,21"},
        {kNF, "labels changed while the first is hidden",
         [](CVnBarTypeSmartComboBox& c) {
             c.SetVisibleLabels(false, true, true);
             c.SetLabels(L"Ø", L"", L"Nuance");
         },
         "0,2,12,18", "12,0,127,21", "127,2,186,18", "186,0,359,21"},
        {kNF, "diameter hidden", [](CVnBarTypeSmartComboBox& c) { c.SetVisibleDiameter(false); },
         "0,2,12,15", "18,0,126,21", "0,2,59,18", "59,0,360,21"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << WideToUtf8(c.standard) << ", " << c.what);
        ProbeCombo& control = make(c.standard);
        c.change(control);
        const int first = c.standard == kACI ? kName : kDiameter;
        EXPECT_EQ(placeOf(control, kFirstLabel), c.label);
        EXPECT_EQ(placeOf(control, first), c.first);
        EXPECT_EQ(placeOf(control, kSteelLabel), c.steelLabel);
        EXPECT_EQ(placeOf(control, kSteelgrade), c.steelgrade);
        control.DestroyWindow();
    }
}

// ---- Lists -----------------------------------------------------------------------------------

// The diameters of B500B are in the open list's reference picture.
TEST_F(BarType, ListsAreSortedEachInItsOwnOrder) {
    const struct {
        const wchar_t* standard;
        const wchar_t* family;
        int combo;
        Texts expected;
    } cases[] = {
        {kNF, L"B500B", kSteelgrade, {L"B500B", L"FE500", L"TS", L"fe400"}},
        {kACI, L"Grade 420", kName, {L"HA8", L"HA10", L"HA12"}},
        {kACI, L"Grade 60", kName, {L"#5", L"#3", L"#4", L"#10"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.family));
        ProbeCombo& control = filled(c.standard, c.family);
        EXPECT_EQ(shown(child(control, c.combo)), c.expected);
        control.DestroyWindow();
    }
}

TEST_F(BarType, DiametersAreAddedOncePerTextUntilEmptiedAndSortedOncePerNumber) {
    ProbeCombo& control = make(kNF);
    control.SetSort(0);
    CStringList texts;
    for (const wchar_t* text : {L"12", L"12", L"12.0", L"8"}) texts.AddTail(text);
    control.SetStringComboDiameter(texts);
    EXPECT_EQ(shown(child(control, kDiameter)), (Texts{L"12", L"12.0", L"8"}));
    control.SortComboDiameter();
    EXPECT_EQ(shown(child(control, kDiameter)), (Texts{L"8", L"12"}));
    control.ResetContentDiameter();
    control.AddStringComboDiameter(L"12");
    EXPECT_EQ(shown(child(control, kDiameter)), (Texts{L"12"}));
}

TEST_F(BarType, ImperialNamesAreShownWithANumberSignButAnsweredWithout) {
    ProbeCombo& control = filled(kACI, L"Grade 60");
    EXPECT_EQ(control.SetCurSelName(CString(L"5")), 0);
    CString selected, fieldText;
    control.GetCurSelName(selected);
    control.GetSelectTextName(fieldText);
    EXPECT_EQ(selected, CString(L"5"));
    EXPECT_EQ(fieldText, CString(L"5"));
    EXPECT_EQ(control.SetCurSelName(CString(L"5")), -1) << "already selected";
    CStringList names;
    int unused = 0;
    control.GetStringComboName(names, unused, 0, 0);
    EXPECT_EQ(items(names), (Texts{L"5", L"3", L"4", L"10"}));
}

TEST_F(BarType, DiametersAreSelectedAndAnsweredInMetresUnlessFixed) {
    const struct {
        const wchar_t* family;
        double value;
        const wchar_t* text;
    } cases[] = {{L"B500B", 0.008, L"8"}, {L"TS", 7.0, L"7"}};
    for (const auto& c : cases) {
        // The fixed-diameter mark is the one of the family whose diameters were read last.
        ProbeCombo& control = make(kNF);
        control.FillComboDiameterFromDatabase(c.family);
        EXPECT_EQ(control.SetCurSelDiameter(c.value), 0);
        EXPECT_EQ(selectedDiameter(control), CString(c.text));
        double answer = 0;
        control.GetCurSelDiameter(answer);
        EXPECT_DOUBLE_EQ(answer, c.value);
        EXPECT_TRUE(control.GetFixedDiameterMode()) << "the diameters show with the phi sign";
        control.DestroyWindow();
    }
}

// ---- Family changes and the cache --------------------------------------------------------------

TEST_F(BarType, AFamilyPickedKeepsTheDiameterItHasOrSelectsTheFirst) {
    const struct {
        const wchar_t* diameter;
        const wchar_t* kept;
    } cases[] = {{L"8", L"8"}, {L"25", L"6"}};
    for (const auto& c : cases) {
        ProbeCombo& control = filled(kNF, L"B500B");
        control.SetCurSelDiameter(CString(c.diameter));
        person().PickComboItem(child(control, kSteelgrade), 1);  // FE500: 6, 8, 12
        CString family;
        control.GetCurSelSteelgrade(family);
        EXPECT_EQ(family, CString(L"FE500"));
        EXPECT_EQ(selectedDiameter(control), CString(c.kept));
        EXPECT_EQ(shown(child(control, kDiameter)), (Texts{L"6", L"8", L"12"}));
        control.DestroyWindow();
    }
}

// A whole steel-grade fill reads the fixed-diameter family TS last; the metric family shown
// afterwards still answers in metres.
TEST_F(BarType, ReselectingTheSelectedFamilyLeavesTheFirstComboAloneInItsUnit) {
    ProbeCombo& control = filled(kNF, L"B500B");
    EXPECT_EQ(control.SetCurSelDiameter(0.010), 0);
    EXPECT_EQ(control.SetCurSelSteelgrade(CString(L"b500b")), -1);
    EXPECT_EQ(selectedDiameter(control), CString(L"10"));
    double answer = 0;
    control.GetCurSelDiameter(answer);
    EXPECT_DOUBLE_EQ(answer, 0.010);
    EXPECT_EQ(control.SetCurSelSteelgrade(CString(L"TS")), 0);
    EXPECT_EQ(control.SetCurSelDiameter(7.0), 0) << "a fixed diameter is a plain number";
    // In name mode the first combo is the name combo.
    ProbeCombo& named = filled(L"ACI", L"Grade 60");
    named.SetCurSelName(CString(L"4"));
    EXPECT_EQ(named.SetCurSelSteelgrade(CString(L"Grade 60")), -1);
    CString name;
    named.GetCurSelName(name);
    EXPECT_EQ(name, CString(L"4"));
}

TEST_F(BarType, ACachedFamilyDoesNotSeeItsCatalogueChange) {
    ProbeCombo& control = filled(kNF, L"FE500");
    ASSERT_TRUE(control.GetSteelgradeCatalog()->RemoveSteelgrade(L"25", L"B500B"));
    control.SetCurSelSteelgrade(CString(L"B500B"));
    EXPECT_EQ(shown(child(control, kDiameter)), (Texts{L"6", L"8", L"10", L"25"}));
}

// ---- Messages ----------------------------------------------------------------------------------

TEST_F(BarType, PicksAndTypingTellTheParentInOrder) {
    const LPARAM id = kId;
    const struct {
        const char* act;
        int combo;
        std::vector<Message> expected;
    } cases[] = {
        {"pick a diameter", kDiameter, {{kFocused, 0, id}, {kConfirmed, 0, id}}},
        {"pick a family", kSteelgrade, {{kFocused, 0, id}, {kConfirmed, 0, 0}}},
        {"type a diameter", kDiameter, {{kFocused, 0, id}, {kConfirmed, 0, id}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.act);
        ProbeCombo& control = filled(kNF, L"B500B");
        parent.messages.clear();
        if (std::string(c.act).starts_with("type")) {
            ::SetFocus(child(control, c.combo));
            person().Type(L"2");
            EXPECT_EQ(selectedDiameter(control), CString(L"25"));
        } else {
            person().PickComboItem(child(control, c.combo), 2);
        }
        EXPECT_EQ(parent.messages, c.expected);
        EXPECT_EQ(control.GetVisibility(), 1);
        control.ClearControl();
        EXPECT_EQ(control.GetVisibility(), 0);
        EXPECT_EQ(control.GetCurSelDiameter(), CB_ERR);
        control.DestroyWindow();
    }
}

// ---- Focus and keys ----------------------------------------------------------------------------

TEST_F(BarType, FocusGoesToTheFirstComboOrBackwardsToTheSteelgradeCombo) {
    const struct {
        bool shift, firstEnabled;
        int focused;
    } cases[] = {{false, true, kDiameter}, {true, true, kSteelgrade}, {false, false, kSteelgrade}};
    for (const auto& c : cases) {
        ProbeCombo& control = filled(kNF, L"B500B");
        ::EnableWindow(child(control, kDiameter), c.firstEnabled);
        if (c.shift) person().KeyDown(VK_SHIFT);
        control.SetFocus();
        if (c.shift) person().KeyUp(VK_SHIFT);
        EXPECT_EQ(::GetFocus(), child(control, c.focused)) << c.shift << c.firstEnabled;
        control.DestroyWindow();
    }
}

TEST_F(BarType, TheButtonMessageClicksShiftTabAndArrowsMoveBetweenTheTwoCombos) {
    ProbeCombo& control = filled(kNF, L"B500B");
    HWND first = child(control, kDiameter), steelgrade = child(control, kSteelgrade);
    ::SetFocus(steelgrade);
    parent.messages.clear();
    EXPECT_EQ(control.SendMessage(kButtonSelChanged, 7, 99), 0);
    ASSERT_FALSE(parent.messages.empty());
    EXPECT_EQ(parent.messages.front(), (Message{kButtonSelChanged, kId, 99})) << "the control's id";
    EXPECT_EQ(::GetFocus(), first);
    ::SetFocus(steelgrade);
    person().ClickAt(control.m_hWnd, POINT{129, 10});  // the gap before the steel-grade label
    EXPECT_EQ(::GetFocus(), first);
    ::SetFocus(steelgrade);
    person().Press(VK_TAB, user::kShift);
    EXPECT_EQ(::GetFocus(), first);
    control.SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(::GetFocus(), steelgrade);
    control.SendMessage(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(::GetFocus(), first);
}

TEST_F(BarType, EnablingTheControlEnablesItsChildren) {
    ProbeCombo& control = filled(kNF, L"B500B");
    const auto expectEnabled = [&](std::initializer_list<int> ids, bool enabled) {
        for (int id : ids) EXPECT_EQ(::IsWindowEnabled(child(control, id)) != FALSE, enabled) << id;
    };
    control.EnableWindow(FALSE);
    expectEnabled({kDiameter, kFirstLabel, kSteelgrade, kSteelLabel}, false);
    control.EnableWindow(TRUE);
    expectEnabled({kDiameter, kFirstLabel, kSteelgrade, kSteelLabel}, true);
    ::EnableWindow(control.m_hWnd, FALSE);
    expectEnabled({kDiameter, kSteelgrade}, false);
    ::EnableWindow(control.m_hWnd, TRUE);
    expectEnabled({kDiameter, kSteelgrade}, true);
}

// Elsewhere they have the dialog face, as the reference pictures show.
TEST_F(BarType, LabelsTakeTheColourOfTheDialogBarTheyAreOn) {
    CVnDialogBarEx bar;
    bar.SetBackgroundColor(RGB(0, 128, 0));
    ASSERT_TRUE(bar.Create(kDialog, &parent));
    // A control made from a template has its label texts from the host only.
    auto* control = static_cast<CVnBarTypeSmartComboBox*>(
        CWnd::FromHandlePermanent(::GetDlgItem(bar.m_hWnd, kDialogControl)));
    control->SetLabels(L"Ø", L"", L"Nuance");
    const gdi::Surface label = RenderWindow(child(*control, kSteelLabel));
    ASSERT_GT(label.width * label.height, 0);
    EXPECT_EQ(gdi::ColorFromPixel(label.at(0, 0)), RGB(0, 128, 0));
    bar.DestroyWindow();
}

// ---- Guard -------------------------------------------------------------------------------------

TEST_F(BarType, AFailingCatalogueEndsInACrashReportNotInTheHost) {
    CVnCrashHandler::setLogPath("");
    CVnCrashHandler::clearReports();
    ProbeCombo& control = make(kNF);
    control.replaceCatalog(new FailingCatalog);
    EXPECT_NO_THROW(control.FillComboSteelgradeFromDatabase(kNF));
    ASSERT_EQ(CVnCrashHandler::reports().size(), 1U);
    const CVnCrashReport& report = CVnCrashHandler::reports().front();
    EXPECT_EQ(report.sourceFile, L"components\\rebar\\vnbartypesmartcombobox_fills.cpp");
    EXPECT_EQ(report.trace, std::vector<std::wstring>{
                                L"CVnBarTypeSmartComboBox::FillComboSteelgradeFromDatabase"});
    EXPECT_TRUE(shown(child(control, kSteelgrade)).empty());
    CVnCrashHandler::clearReports();
}

// ---- Pictures ----------------------------------------------------------------------------------

// Each picture is of the parent cut to the control's size: the control shows its parent's face
// between its children.
TEST_F(BarType, LooksAsItsReferencePictures) {
    parent.MoveWindow(0, 0, 360, 24, FALSE);
    ProbeCombo& empty = make(kNF);
    empty.FillComboSteelgradeFromDatabase(kNF);
    ExpectMatchesReference(RenderWindow(parent.m_hWnd), "bartype_diameter_empty");
    empty.DestroyWindow();

    ProbeCombo& names = filled(kACI, L"Grade 60");
    ExpectMatchesReference(RenderWindow(parent.m_hWnd), "bartype_name_empty");
    names.SetCurSelName(CString(L"5"));
    ExpectMatchesReference(RenderWindow(parent.m_hWnd), "bartype_name_selected");
    names.DestroyWindow();

    ProbeCombo& diameters = filled(kNF, L"B500B");
    diameters.SetCurSelDiameter(CString(L"10"));
    ExpectMatchesReference(RenderWindow(parent.m_hWnd), "bartype_diameter_selected");
    ::SendMessageW(child(diameters, kDiameter), CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(child(diameters, kDiameter), &info);
    ExpectMatchesReference(RenderWindow(info.hwndList), "bartype_diameter_open_list");
    ::SendMessageW(child(diameters, kDiameter), CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
