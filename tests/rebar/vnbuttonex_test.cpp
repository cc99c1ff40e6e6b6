// The extended button as a person and a dialog see it: what it draws in each state, and what
// clicks, hovering, menus and addresses do.
#include "rebar/vnbuttonex.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afx/afxtest.h"
#include "gdi/referenceimage.h"
#include "gdi/surface.h"
#include "user/render.h"
#include "user/scripteduser.h"
#include "vntl/vnprompts.h"
#include "win/module.h"

namespace {

constexpr int kId = 1000;
constexpr int kHotIcon = 101, kRestIcon = 102, kDotBitmap = 103, kHandCursor = 104;
constexpr UINT kMenu = 300, kFirstItem = 301, kSecondItem = 302, kTipText = 400;
constexpr int kW = 80, kH = 30;
const COLORREF kBackdrop = RGB(0, 128, 128);
const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

// Lets the tests reach the tool tip, which the button keeps to itself.
class ProbeButton : public CVnButtonEx {
public:
    HWND toolTip() const { return m_toolTip.GetSafeHwnd(); }
};

// A window that receives menu commands (WM_COMMAND without a control).
class MenuOwner : public CWnd {
public:
    std::vector<UINT> chosen;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (!lParam) chosen.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};

DWORD liveGdiObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

class ButtonExTest : public afxtest::WindowTest {
protected:
    void SetUp() override {
        objectsBefore_ = liveGdiObjects();
        WindowTest::SetUp();
    }
    void TearDown() override {
        button.reset();
        VnPrompts::resetPrompts();
        WindowTest::TearDown();
        EXPECT_EQ(liveGdiObjects(), objectsBefore_) << "GDI objects leaked";
    }

    // A dialog button of the given style and caption, subclassed by the extended button.
    ProbeButton& make(DWORD style = BS_PUSHBUTTON, LPCWSTR caption = L"OK", int x = 10) {
        HWND hwnd = Child(WC_BUTTONW, kId + x, WS_VISIBLE | WS_TABSTOP | style, caption);
        ::MoveWindow(hwnd, x, 10, kW, kH, FALSE);
        button = std::make_unique<ProbeButton>();
        EXPECT_TRUE(button->SubclassWindow(hwnd));
        return *button;
    }
    // What DrawItem paints for the owner-draw state bits given, on a teal surface.
    gdi::Surface paint(UINT state) {
        auto surface = std::make_shared<gdi::Surface>(kW, kH, gdi::PixelFromColor(kBackdrop));
        HDC dc = gdi::CreateDCOnSurface(surface, POINT{0, 0}, RECT{0, 0, kW, kH});
        HGDIOBJ oldFont = ::SelectObject(dc, HGDIOBJ(button->SendMessage(WM_GETFONT)));
        DRAWITEMSTRUCT item{
            ODT_BUTTON, UINT(button->GetDlgCtrlID()), 0, ODA_DRAWENTIRE, state, button->m_hWnd,
            dc,         RECT{0, 0, kW, kH},           0};
        button->DrawItem(&item);
        ::SelectObject(dc, oldFont);
        ::DeleteDC(dc);
        return *surface;
    }
    static COLORREF at(const gdi::Surface& s, int x, int y) {
        return gdi::ColorFromPixel(s.at(x, y));
    }
    // The smallest rectangle holding every pixel of the colour, or an empty one.
    static CRect boundsOf(const gdi::Surface& s, COLORREF color) {
        CRect r(s.width, s.height, 0, 0);
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                if (at(s, x, y) == color) r.UnionRect(r, CRect(x, y, x + 1, y + 1));
        return r.IsRectEmpty() ? CRect() : r;
    }
    user::ScriptedUser& person() { return user::ScriptedUser::Get(); }

    std::unique_ptr<ProbeButton> button;

private:
    DWORD objectsBefore_ = 0;
};

// Drawing: exact geometry.

// The "focused" reference picture shows the focus rectangle three pixels inside the frame.
TEST_F(ButtonExTest, DefaultButtonIsFramedInBlackAndItsBorderMovesIn) {
    make(BS_DEFPUSHBUTTON, L"").SetFlat(FALSE);
    gdi::Surface s = paint(0);
    EXPECT_EQ(at(s, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(at(s, kW - 1, kH - 1), RGB(0, 0, 0));
    EXPECT_EQ(at(s, 1, kH / 2), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(ButtonExTest, ImageSitsWhereItsAlignmentPutsIt) {
    const struct {
        BYTE align;
        LPCWSTR caption;
        UINT state;
        CRect image;
    } cases[] = {
        {0, L"Go", 0, {3, 7, 19, 23}},
        {0, L"", 0, {32, 7, 48, 23}},
        {1, L"Go", 0, {32, 3, 48, 19}},
        {1, L"", 0, {32, 7, 48, 23}},
        {2, L"Go", 0, {61, 7, 77, 23}},
        {2, L"", 0, {32, 0, 48, 16}},
        {0, L"Go", ODS_SELECTED, {4, 8, 20, 24}},
    };
    for (const auto& c : cases) {
        make(BS_PUSHBUTTON, c.caption);
        ASSERT_EQ(button->SetIcon(kHotIcon), 0u);
        ASSERT_EQ(button->SetAlign(c.align), 0u);
        EXPECT_EQ(boundsOf(paint(c.state), kRed), c.image)
            << "align " << int(c.align) << " caption '" << c.caption << "' state " << c.state;
        button.reset();
    }
}

TEST_F(ButtonExTest, BitmapTransparentColourShowsTheBackgroundThrough) {
    make(BS_PUSHBUTTON, L"");
    HBITMAP bitmap = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCE(kDotBitmap));
    ASSERT_EQ(button->SetBitmaps(bitmap, RGB(255, 0, 255)), 0u);
    button->SetColor(CVnButtonEx::BTNST_COLOR_BK_OUT, kBlue);
    gdi::Surface s = paint(0);
    // The 8 x 8 bitmap is centred at (36, 11); its green middle is 4 x 4.
    EXPECT_EQ(boundsOf(s, kGreen), CRect(38, 13, 42, 17));
    EXPECT_EQ(at(s, 36, 11), kBlue);
    EXPECT_TRUE(boundsOf(s, RGB(255, 0, 255)).IsRectEmpty());
    // Making the mask blackened the transparent pixels of the bitmap itself.
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    EXPECT_EQ(::GetPixel(dc, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(::GetPixel(dc, 3, 3), kGreen);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
}

TEST_F(ButtonExTest, TransparentButtonShowsTheParentsPixels) {
    make(BS_PUSHBUTTON, L"").DrawTransparent();
    {
        CClientDC parentDC(&parent);
        parentDC.FillSolidRect(CRect(0, 0, 400, 300), kGreen);
    }
    EXPECT_EQ(at(paint(0), 5, 5), kGreen);
}

// Drawing: reference pictures of each state, among them the raised border of the four 3-D
// colours, the resting image until the button is pressed, and the greyed icon with the embossed
// caption of a disabled button.

TEST_F(ButtonExTest, StatesMatchTheirReferencePictures) {
    const struct {
        const char* name;
        DWORD style;
        BYTE align;
        BOOL flat;
        UINT state;
        bool hover;
    } cases[] = {
        {"normal", BS_PUSHBUTTON, 0, TRUE, 0, false},
        {"hover", BS_PUSHBUTTON, 0, TRUE, 0, true},
        {"pressed", BS_PUSHBUTTON, 0, TRUE, ODS_SELECTED, true},
        {"focused", BS_PUSHBUTTON, 0, FALSE, ODS_FOCUS, false},
        {"disabled", BS_PUSHBUTTON, 0, FALSE, ODS_DISABLED, false},
        {"checked", BS_CHECKBOX, 0, FALSE, 0, false},
        {"above", BS_PUSHBUTTON, 1, FALSE, 0, false},
        {"right", BS_PUSHBUTTON, 2, FALSE, 0, false},
    };
    for (const auto& c : cases) {
        make(c.style, L"Bars").SetIcon(kHotIcon, kRestIcon);
        button->SetAlign(c.align);
        button->SetFlat(c.flat);
        button->SetCheck(1);
        if (c.hover) person().MoveOver(button->m_hWnd);
        ExpectMatchesReference(paint(c.state), std::string("buttonex_") + c.name);
        person().MoveAway();
        button.reset();
    }
}

// Behaviour.

TEST_F(ButtonExTest, VersionIsThreePointFour) {
    EXPECT_EQ(CVnButtonEx::GetVersionI(), 34);
    EXPECT_STREQ(CVnButtonEx::GetVersionC(), L"3.4");
}

TEST_F(ButtonExTest, SettersRejectOutOfRangeValuesAndChangeNothing) {
    EXPECT_EQ(make().SetCheck(1), 0u) << "a push button is never checked";
    EXPECT_EQ(button->GetCheck(), 0);
    COLORREF before = 0, after = 0;
    button->GetColor(5, &before);
    EXPECT_EQ(button->SetColor(6, kRed), 3u);
    EXPECT_EQ(button->GetColor(6, &after), 3u);
    button->GetColor(5, &after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(button->SetAlign(3), 4u);
    EXPECT_EQ(button->SetColor(5, kRed), 0u);
    EXPECT_EQ(button->SetAlign(2), 0u);
}

TEST_F(ButtonExTest, ResourceThatFailsToLoadReturnsOneAndLeavesNoImage) {
    make(BS_PUSHBUTTON, L"").SetIcon(kHotIcon);
    EXPECT_EQ(button->SetIcon(999), 1u);
    EXPECT_TRUE(boundsOf(paint(0), kRed).IsRectEmpty());
    button->SetIcon(kHotIcon);
    EXPECT_EQ(button->SetBitmaps(999, 0), 1u);
    EXPECT_TRUE(boundsOf(paint(0), kRed).IsRectEmpty());
    EXPECT_EQ(button->SetBtnCursor(999), 1u);
    EXPECT_EQ(button->SetMenu(999, parent.m_hWnd), 1u);
}

TEST_F(ButtonExTest, DefaultButtonAnswersAsTheDefaultUntilRestyled) {
    make(BS_DEFPUSHBUTTON);
    EXPECT_TRUE(button->GetDefault());
    EXPECT_TRUE(button->SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
    button->SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_FALSE(button->GetDefault());
    EXPECT_TRUE(button->SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(button->GetStyle() & 0x1F, UINT(BS_OWNERDRAW));
}

TEST_F(ButtonExTest, DoubleClickGivesTheParentTwoClicks) {
    make();
    person().DoubleClick(button->m_hWnd);
    const std::pair<UINT, UINT> click{BN_CLICKED, UINT(button->GetDlgCtrlID())};
    EXPECT_EQ(parent.commands, (std::vector<std::pair<UINT, UINT>>{click, click}));
}

// The "checked" reference picture shows a checked box drawn pressed.
TEST_F(ButtonExTest, CheckBoxTogglesOnEachClickAndIsRaisedWhenUnchecked) {
    make(BS_AUTOCHECKBOX).SetFlat(FALSE);
    person().Click(button->m_hWnd);
    EXPECT_EQ(button->GetCheck(), 1);
    person().Click(button->m_hWnd);
    EXPECT_EQ(button->GetCheck(), 0);
    EXPECT_EQ(at(paint(0), 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(ButtonExTest, HoverLightsAFlatButtonAndLeavingOrLosingTheModePutsItOut) {
    const struct {
        UINT message;
        WPARAM wParam;
    } endings[] = {{WM_MOUSEMOVE, 0},  {WM_MOUSELEAVE, 0},         {WM_KILLFOCUS, 0},
                   {WM_CANCELMODE, 0}, {WM_ACTIVATE, WA_INACTIVE}, {WM_ENABLE, FALSE}};
    make();
    const COLORREF resting = at(paint(0), 0, 0);
    for (const auto& ending : endings) {
        person().MoveOver(button->m_hWnd);
        EXPECT_EQ(at(paint(0), 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
        if (ending.message == WM_MOUSEMOVE)
            person().MoveAway();
        else
            button->SendMessage(ending.message, ending.wParam);
        EXPECT_EQ(at(paint(0), 0, 0), resting) << "message " << ending.message;
        button->EnableWindow(TRUE);
        person().MoveAway();
    }
}

TEST_F(ButtonExTest, MenuShowsItsPromptTextsBelowTheButtonAndSendsTheChoice) {
    VnPrompts::setPrompt(L"REBAR", kFirstItem, L"Premier choix");
    MenuOwner owner;
    owner.CreateEx(0, nullptr, L"Owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    make();
    ASSERT_EQ(button->SetMenu(kMenu, owner.m_hWnd), 0u);
    person().AnswerPopupMenu(kSecondItem);
    person().Click(button->m_hWnd);
    ASSERT_EQ(person().PopupMenus().size(), 1u);
    const user::PopupMenuRecord& shown = person().PopupMenus()[0];
    wchar_t text[64] = {};
    ::GetMenuStringW(shown.menu, kFirstItem, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Premier choix");
    CRect window;
    button->GetWindowRect(window);
    EXPECT_EQ(CPoint(shown.pt), CPoint(window.left, window.bottom));
    EXPECT_EQ(shown.owner, owner.m_hWnd);
    person().PumpMessages();
    EXPECT_EQ(owner.chosen, std::vector<UINT>{kSecondItem});
    owner.DestroyWindow();
}

TEST_F(ButtonExTest, UrlIsOpenedMaximisedThroughTheShellCutAt259Characters) {
    make();
    const std::wstring address = L"https://example.org/" + std::wstring(280, L'a');
    button->SetURL(address.c_str());
    person().Click(button->m_hWnd);
    ASSERT_EQ(person().ShellExecutions().size(), 1u);
    const user::ShellRecord& run = person().ShellExecutions()[0];
    EXPECT_EQ(run.verb, L"open");
    EXPECT_EQ(run.file, address.substr(0, 259));
    EXPECT_EQ(run.show, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(run.mask & SEE_MASK_FLAG_NO_UI);
}

TEST_F(ButtonExTest, DisablingTheFocusedButtonMovesTheFocusOn) {
    CButton next;
    next.Attach(Child(WC_BUTTONW, 2, WS_VISIBLE | WS_TABSTOP, L"Next"));
    make();
    button->SetFocus();
    button->EnableWindow(FALSE);
    EXPECT_EQ(::GetFocus(), next.m_hWnd);
    next.DestroyWindow();
}

TEST_F(ButtonExTest, CursorAndToolTipShowOverTheButton) {
    make();
    ASSERT_EQ(button->SetBtnCursor(kHandCursor), 0u);
    button->SetTooltipText(int(kTipText));
    person().MoveOver(button->m_hWnd);
    EXPECT_NE(::GetCursor(), nullptr);
    EXPECT_TRUE(button->SendMessage(WM_SETCURSOR, WPARAM(button->m_hWnd), HTCLIENT));
    ASSERT_NE(button->toolTip(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(button->toolTip()));
    wchar_t text[64] = {};
    ::GetWindowTextW(button->toolTip(), text, 64);
    EXPECT_STREQ(text, L"Opens the catalogue");
}

// The fixture counts the live GDI objects after each test.
TEST_F(ButtonExTest, DestroyedButtonLeavesNoGdiObjectsBehind) {
    make(BS_PUSHBUTTON, L"Go").SetBitmaps(kDotBitmap, RGB(255, 0, 255), kDotBitmap, 0);
    button->DrawTransparent();
    button->SetBtnCursor(kHandCursor);
    paint(0);
    button->SetIcon(kHotIcon, kRestIcon);
    paint(ODS_FOCUS);
}

}  // namespace
