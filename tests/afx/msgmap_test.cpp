#include <gtest/gtest.h>

#include "afxtest.h"
#include "levels.h"

namespace afxtest {
namespace {

class MessageMapTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(window.Create(nullptr, L"levels", WS_VISIBLE, CRect(0, 0, 50, 40), &parent, 7));
    }
    void TearDown() override {
        window.DestroyWindow();
        WindowTest::TearDown();
    }
    Level3 window;
};

TEST_F(MessageMapTest, TheMostDerivedEntryAnswers) {
    struct Case {
        UINT message;
        LRESULT expected;
        const char* why;
    } cases[] = {
        {kBaseOnly, 105, "an entry of the base class is found"},
        {kOverridden, 202, "the middle class overrides the base"},
        {kLeafOnly, 303, "the leaf class overrides the middle"},
        {kUnmapped, 0, "an unmapped message gets the default handling"},
    };
    for (const Case& c : cases) EXPECT_EQ(window.SendMessage(c.message, 5), c.expected) << c.why;
}

TEST_F(MessageMapTest, CrackedHandlersReceiveTheMessageArguments) {
    window.MoveWindow(0, 0, 120, 45);
    EXPECT_EQ(window.lastSize, CSize(120, 45));
}

TEST_F(MessageMapTest, CommandsReachSingleAndRangeEntries) {
    window.SendMessage(WM_COMMAND, MAKEWPARAM(0xE103, 0), 0);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(204, 0), 0);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(210, 0), 0);  // outside the range
    EXPECT_EQ(window.commands, (std::vector<UINT>{0xE103, 204}));
}

TEST_F(MessageMapTest, NotifyHandlersAnswerThroughTheirResult) {
    HWND hSender = Child(WC_STATICW, 5);
    NMHDR header{hSender, 5, kItemPicked};
    EXPECT_EQ(window.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header)), 10);
    header.idFrom = 6;  // no entry for this sender
    EXPECT_EQ(window.SendMessage(WM_NOTIFY, 6, reinterpret_cast<LPARAM>(&header)), 0);
}

TEST_F(MessageMapTest, RuntimeClassesFollowTheClassChain) {
    EXPECT_TRUE(window.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(window.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CDialog, &window), nullptr);
    CObject* pObject = RUNTIME_CLASS(CWnd)->CreateObject();
    EXPECT_TRUE(pObject && pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    delete pObject;
    EXPECT_EQ(RUNTIME_CLASS(CDialog)->CreateObject(), nullptr);  // not creatable
}

// One handler per cracked entry; each records its message and what it was given.
class EveryEntry : public CWnd {
public:
    std::vector<UINT> got;
    std::vector<long> args;

protected:
    void Note(UINT message, long arg = 0) { got.push_back(message), args.push_back(arg); }
    void OnMove(int x, int) { Note(WM_MOVE, x); }
    BOOL OnEraseBkgnd(CDC* pDC) { return Note(WM_ERASEBKGND, pDC != nullptr), TRUE; }
    void OnSetFocus(CWnd*) { Note(WM_SETFOCUS); }
    void OnKillFocus(CWnd*) { Note(WM_KILLFOCUS); }
    void OnEnable(BOOL bEnable) { Note(WM_ENABLE, bEnable); }
    void OnKeyDown(UINT nChar, UINT, UINT) { Note(WM_KEYDOWN, long(nChar)); }
    void OnKeyUp(UINT nChar, UINT, UINT) { Note(WM_KEYUP, long(nChar)); }
    void OnChar(UINT nChar, UINT, UINT) { Note(WM_CHAR, long(nChar)); }
    void OnLButtonDown(UINT, CPoint p) { Note(WM_LBUTTONDOWN, p.x * 100 + p.y); }
    void OnLButtonUp(UINT, CPoint p) { Note(WM_LBUTTONUP, p.x * 100 + p.y); }
    void OnLButtonDblClk(UINT, CPoint p) { Note(WM_LBUTTONDBLCLK, p.x * 100 + p.y); }
    void OnMouseMove(UINT, CPoint p) { Note(WM_MOUSEMOVE, p.x * 100 + p.y); }
    void OnMouseLeave() { Note(WM_MOUSELEAVE); }
    BOOL OnSetCursor(CWnd*, UINT nHitTest, UINT) {
        return Note(WM_SETCURSOR, long(nHitTest)), TRUE;
    }
    void OnSysColorChange() { Note(WM_SYSCOLORCHANGE); }
    void OnActivate(UINT nState, CWnd*, BOOL) { Note(WM_ACTIVATE, long(nState)); }
    void OnCancelMode() { Note(WM_CANCELMODE); }
    UINT OnGetDlgCode() { return Note(WM_GETDLGCODE), DLGC_WANTALLKEYS; }
    BOOL OnHelpInfo(HELPINFO* pInfo) { return Note(WM_HELP, pInfo->iCtrlId), TRUE; }
    void OnContextMenu(CWnd*, CPoint p) { Note(WM_CONTEXTMENU, p.x); }
    void OnShowWindow(BOOL bShow, UINT) { Note(WM_SHOWWINDOW, bShow); }
    void OnPaint() {
        CPaintDC dc(this);
        Note(WM_PAINT, dc.m_hDC != nullptr);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EveryEntry, CWnd)
ON_WM_MOVE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_ENABLE()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_SETCURSOR()
ON_WM_SYSCOLORCHANGE()
ON_WM_ACTIVATE()
ON_WM_CANCELMODE()
ON_WM_GETDLGCODE()
ON_WM_HELPINFO()
ON_WM_CONTEXTMENU()
ON_WM_SHOWWINDOW()
ON_WM_PAINT()
END_MESSAGE_MAP()

struct Cracked {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    long arg;
    LRESULT result;
};

class CrackedEntries : public WindowTest, public ::testing::WithParamInterface<Cracked> {};

TEST_P(CrackedEntries, HandlersGetTheMessageInMfcTerms) {
    EveryEntry wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 30, 30), &parent, 9));
    wnd.got.clear(), wnd.args.clear();
    const Cracked& c = GetParam();
    CClientDC dc(&wnd);
    WPARAM wParam = c.message == WM_ERASEBKGND ? reinterpret_cast<WPARAM>(dc.m_hDC) : c.wParam;
    LRESULT result = wnd.SendMessage(c.message, wParam, c.lParam);
    ASSERT_FALSE(wnd.got.empty());
    EXPECT_EQ(wnd.got.back(), c.message);
    EXPECT_EQ(wnd.args.back(), c.arg);
    EXPECT_EQ(result, c.result);
    wnd.DestroyWindow();
}

HELPINFO g_help{sizeof(HELPINFO), HELPINFO_WINDOW, 77, nullptr, 0, {0, 0}};

INSTANTIATE_TEST_SUITE_P(
    AllEntries, CrackedEntries,
    ::testing::Values(
        Cracked{WM_MOVE, 0, MAKELPARAM(12, 3), 12, 0}, Cracked{WM_ERASEBKGND, 0, 0, 1, TRUE},
        Cracked{WM_SETFOCUS, 0, 0, 0, 0}, Cracked{WM_KILLFOCUS, 0, 0, 0, 0},
        Cracked{WM_ENABLE, TRUE, 0, 1, 0}, Cracked{WM_KEYDOWN, VK_LEFT, 1, VK_LEFT, 0},
        Cracked{WM_KEYUP, VK_RIGHT, 1, VK_RIGHT, 0}, Cracked{WM_CHAR, L'a', 1, L'a', 0},
        Cracked{WM_LBUTTONDOWN, 0, MAKELPARAM(4, 5), 405, 0},
        Cracked{WM_LBUTTONUP, 0, MAKELPARAM(6, 7), 607, 0},
        Cracked{WM_LBUTTONDBLCLK, 0, MAKELPARAM(1, 2), 102, 0},
        Cracked{WM_MOUSEMOVE, 0, MAKELPARAM(9, 9), 909, 0}, Cracked{WM_MOUSELEAVE, 0, 0, 0, 0},
        Cracked{WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), HTCLIENT, TRUE},
        Cracked{WM_SYSCOLORCHANGE, 0, 0, 0, 0},
        Cracked{WM_ACTIVATE, WA_INACTIVE, 0, WA_INACTIVE, 0}, Cracked{WM_CANCELMODE, 0, 0, 0, 0},
        Cracked{WM_GETDLGCODE, 0, 0, 0, DLGC_WANTALLKEYS},
        Cracked{WM_HELP, 0, reinterpret_cast<LPARAM>(&g_help), 77, TRUE},
        Cracked{WM_CONTEXTMENU, 0, MAKELPARAM(33, 44), 33, 0},
        Cracked{WM_SHOWWINDOW, TRUE, 0, 1, 0}, Cracked{WM_PAINT, 0, 0, 1, 0}));

}  // namespace
}  // namespace afxtest
