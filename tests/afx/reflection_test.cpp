#include <gtest/gtest.h>

#include "afxtest.h"

namespace afxtest {
namespace {

constexpr int kButtonId = 40;

// A parent with its own handler for the button's click.
class ClickParent : public CWnd {
public:
    int parentClicks = 0;

protected:
    void OnChildClicked() { ++parentClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ClickParent, CWnd)
ON_BN_CLICKED(kButtonId, &ClickParent::OnChildClicked)
END_MESSAGE_MAP()

enum class Reflect { None, Plain, ExTrue, ExFalse };

// A button that handles its own click in one of the ways MFC offers, and draws itself.
class SelfButton : public CButton {
public:
    explicit SelfButton(Reflect how) : m_how(how) {}
    int ownClicks = 0;
    int drawn = 0;
    UINT lastItemState = 0;
    HBRUSH brush = nullptr;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        ++drawn;
        lastItemState = lpDIS->itemState;
    }

protected:
    BOOL OnExClicked() {
        if (m_how == Reflect::ExTrue || m_how == Reflect::ExFalse) ++ownClicks;
        return m_how == Reflect::ExTrue;
    }
    HBRUSH CtlColor(CDC* pDC, UINT /*nCtlColor*/) {
        if (brush) pDC->SetTextColor(RGB(255, 0, 0));
        return brush;
    }
    Reflect m_how;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &SelfButton::OnExClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// Its own entry is found before the base class's _EX one.
class PlainButton : public SelfButton {
public:
    PlainButton() : SelfButton(Reflect::Plain) {}

protected:
    void OnPlainClicked() { ++ownClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PlainButton, SelfButton)
ON_CONTROL_REFLECT(BN_CLICKED, &PlainButton::OnPlainClicked)
END_MESSAGE_MAP()

class ReflectionTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(host.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 1));
    }
    void TearDown() override {
        host.DestroyWindow();
        WindowTest::TearDown();
    }
    void CreateButton(SelfButton& button, DWORD style = BS_PUSHBUTTON) {
        ASSERT_TRUE(
            button.Create(L"Go", WS_VISIBLE | style, CRect(5, 5, 60, 25), &host, kButtonId));
    }
    ClickParent host;
};

struct ClickCase {
    Reflect how;
    int ownClicks;
    int parentClicks;
    const char* why;
};

class ReflectedClicks : public ReflectionTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ReflectedClicks, TheControlSeesItsClickBeforeTheParent) {
    PlainButton plain;
    SelfButton ex(GetParam().how);
    SelfButton& button = GetParam().how == Reflect::Plain ? plain : ex;
    CreateButton(button);
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(button.ownClicks, GetParam().ownClicks) << GetParam().why;
    EXPECT_EQ(host.parentClicks, GetParam().parentClicks) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReflectedClicks,
    ::testing::Values(ClickCase{Reflect::Plain, 1, 0, "a reflected handler keeps the click"},
                      ClickCase{Reflect::ExTrue, 1, 0, "an _EX handler answering TRUE keeps it"},
                      ClickCase{Reflect::ExFalse, 1, 1, "an _EX handler answering FALSE shares it"},
                      ClickCase{Reflect::None, 0, 1,
                                "a control that declines leaves it to the parent"}));

TEST_F(ReflectionTest, OwnerDrawnButtonsDrawAndColourThemselves) {
    SelfButton button(Reflect::None);
    CreateButton(button, BS_OWNERDRAW);
    DRAWITEMSTRUCT dis{ODT_BUTTON, kButtonId,      0, ODA_DRAWENTIRE, ODS_FOCUS, button.m_hWnd,
                       nullptr,    {0, 0, 55, 20}, 0};
    EXPECT_EQ(host.SendMessage(WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&dis)), TRUE);
    EXPECT_EQ(button.drawn, 1);
    EXPECT_EQ(button.lastItemState, UINT(ODS_FOCUS));
    CBrush own(RGB(1, 2, 3));
    button.brush = own;
    CClientDC dc(&button);
    LRESULT brush = host.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.m_hDC),
                                     reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), HBRUSH(own));
    EXPECT_EQ(dc.GetTextColor(), RGB(255, 0, 0));
    button.brush = nullptr;  // no brush: the parent's default colouring applies
    brush = host.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.m_hDC),
                             reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_NE(reinterpret_cast<HBRUSH>(brush), HBRUSH(own));
}

}  // namespace
}  // namespace afxtest
