#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxtest.h"

namespace afxtest {
namespace {

constexpr UINT kPing = WM_APP + 8;    // handled by the MFC object
constexpr UINT kLegacy = WM_APP + 9;  // answered only by the window's own procedure

LRESULT PlainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == kLegacy ? 77 : ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// A window class of the kind a host registers for its custom controls: its procedure makes
// the object itself when the window comes first.
class SmartControl : public CWnd {
public:
    static inline int created = 0;
    static inline int deleted = 0;
    ~SmartControl() override { ++deleted; }
    void SetAddressProcToNull() { m_pfnSuper = nullptr; }

protected:
    int OnCreate(LPCREATESTRUCT lpcs) {
        ++created;
        return CWnd::OnCreate(lpcs);
    }
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SmartControl, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

LRESULT SmartProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* pWnd = static_cast<SmartControl*>(CWnd::FromHandlePermanent(hWnd));
    if (!pWnd) {
        if (message != WM_NCCREATE) return ::DefWindowProcW(hWnd, message, wParam, lParam);
        pWnd = new SmartControl;
        pWnd->Attach(hWnd);
    } else {
        pWnd->SetAddressProcToNull();
    }
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

// Registering again, for the next test, fails harmlessly as it does in Windows.
void RegisterTestClasses() {
    WNDCLASSW plain{};
    plain.lpfnWndProc = &PlainProc;
    plain.lpszClassName = L"AfxTestPlain";
    RegisterClassW(&plain);
    WNDCLASSW smart{};
    smart.style = CS_GLOBALCLASS;
    smart.lpfnWndProc = &SmartProc;
    smart.lpszClassName = L"AfxTestSmart";
    RegisterClassW(&smart);
}

// Records what reaches it: the messages its map handles and the pre-translation offers.
class Recorder : public CWnd {
public:
    std::vector<UINT> seen;
    std::vector<UINT> offered;
    UINT eatOffers = 0;  // the message PreTranslateMessage keeps for itself
    bool presubclassed = false;
    int nDestroyedNotified = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        offered.push_back(pMsg->message);
        return pMsg->message == eatOffers;
    }

protected:
    void PreSubclassWindow() override { presubclassed = true; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    LRESULT OnPing(WPARAM, LPARAM) { return 11; }
    int OnCreate(LPCREATESTRUCT lpcs) { return lpcs->lpCreateParams ? -1 : CWnd::OnCreate(lpcs); }
    void PostNcDestroy() override { ++nDestroyedNotified; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Recorder, CWnd)
ON_MESSAGE(kPing, &Recorder::OnPing)
ON_WM_CREATE()
END_MESSAGE_MAP()

class WndTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterTestClasses();
    }
};

bool Contains(const std::vector<UINT>& v, UINT m) {
    return std::find(v.begin(), v.end(), m) != v.end();
}

TEST_F(WndTest, CreateAttachesTheObjectBeforeTheFirstMessagesAndOnCreateMayRefuse) {
    Recorder wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 3));
    EXPECT_TRUE(Contains(wnd.seen, WM_NCCREATE));
    EXPECT_TRUE(Contains(wnd.seen, WM_CREATE));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.GetDlgCtrlID(), 3);
    EXPECT_EQ(wnd.GetParent(), &parent);
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.nDestroyedNotified, 1);
    int refuse = 1;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, L"", WS_CHILD, CRect(0, 0, 5, 5), &parent, 4, &refuse));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.nDestroyedNotified, 2);
}

TEST_F(WndTest, SubclassedWindowsKeepTheirOwnProcedureAsDefault) {
    HWND hWnd = Child(L"AfxTestPlain", 12);
    auto original = GetWindowLongPtrW(hWnd, GWLP_WNDPROC);
    Recorder wnd;
    EXPECT_FALSE(wnd.SubclassDlgItem(99, &parent));
    ASSERT_TRUE(wnd.SubclassDlgItem(12, &parent));
    EXPECT_EQ(wnd.m_hWnd, hWnd);
    EXPECT_EQ(parent.GetDlgItem(12), &wnd);
    EXPECT_TRUE(wnd.presubclassed);
    EXPECT_EQ(::SendMessageW(hWnd, kPing, 0, 0), 11);    // the object's map
    EXPECT_EQ(::SendMessageW(hWnd, kLegacy, 0, 0), 77);  // the procedure it replaced
    EXPECT_EQ(wnd.UnsubclassWindow(), hWnd);
    EXPECT_EQ(GetWindowLongPtrW(hWnd, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(::SendMessageW(hWnd, kPing, 0, 0), 0);
}

struct SmartCase {
    LPCWSTR className;
    bool byObject;  // the host makes the object first and creates the window through it
    const char* why;
};

class CustomControlClass : public WndTest, public ::testing::WithParamInterface<SmartCase> {};

TEST_P(CustomControlClass, OneObjectHandlesCreationOnceAndGoesWithTheWindow) {
    SmartControl::created = SmartControl::deleted = 0;
    HWND hWnd = nullptr;
    if (GetParam().byObject) {
        auto* pWnd = new SmartControl;
        ASSERT_TRUE(
            pWnd->Create(GetParam().className, L"", WS_VISIBLE, CRect(0, 0, 9, 9), &parent, 21));
        hWnd = pWnd->m_hWnd;
    } else {
        hWnd = Child(GetParam().className, 21);
    }
    ASSERT_NE(hWnd, nullptr);
    EXPECT_TRUE(CWnd::FromHandlePermanent(hWnd)->IsKindOf(RUNTIME_CLASS(CWnd))) << GetParam().why;
    EXPECT_EQ(SmartControl::created, 1) << GetParam().why;
    ::DestroyWindow(hWnd);
    EXPECT_EQ(SmartControl::deleted, 1) << GetParam().why;
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Smart, CustomControlClass,
                         ::testing::Values(SmartCase{L"AfxTestSmart", false, "made by a template"},
                                           SmartCase{L"AfxTestSmart", true, "made by its object"},
                                           SmartCase{nullptr, true, "the default window class"}));

TEST_F(WndTest, WindowsNobodyOwnsGetTemporaryObjects) {
    HWND hWnd = Child(L"AfxTestPlain", 14);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pTemp);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(pTemp->GetDlgCtrlID(), 14);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    AfxDeleteTempMap();
    EXPECT_TRUE(::IsWindow(hWnd));  // freeing the object leaves the window alone
}

TEST_F(WndTest, PreTranslationWalksUpToTheTopAndTheMessageLoopsOfferFirst) {
    Recorder outer, inner;
    ASSERT_TRUE(outer.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 90, 90), &parent, 30));
    ASSERT_TRUE(inner.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 20, 20), &outer, 31));
    MSG msg{inner.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(outer.m_hWnd, &msg));
    outer.eatOffers = WM_KEYDOWN;
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(nullptr, &msg));
    EXPECT_EQ(inner.offered.size(), 2u);
    EXPECT_EQ(outer.offered.size(), 2u);
    inner.eatOffers = kPing;
    inner.PostMessage(kPing);
    user::ScriptedUser::Get().PumpMessages();
    EXPECT_TRUE(Contains(inner.offered, kPing));
    EXPECT_FALSE(Contains(inner.seen, kPing));  // eaten before dispatch
}

TEST_F(WndTest, StylesChangeAndReportWhetherTheyDid) {
    Recorder wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 33));
    EXPECT_TRUE(wnd.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_TRUE(wnd.GetStyle() & WS_BORDER);
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_BORDER));
    EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_CLIENTEDGE));
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_CLIENTEDGE);
}

TEST_F(WndTest, ToolHitsNameTheChildUnderThePoint) {
    Recorder wnd;
    ASSERT_TRUE(wnd.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 200, 100), &parent, 34));
    HWND hChild = ::CreateWindowExW(0, L"AfxTestPlain", L"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20,
                                    wnd.m_hWnd, reinterpret_cast<HMENU>(35), nullptr, nullptr);
    EXPECT_FALSE(wnd.EnableToolTips());
    TOOLINFO info{};
    EXPECT_EQ(wnd.OnToolHitTest(CPoint(20, 15), &info), 35);
    EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(hChild));
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_EQ(info.lpszText, LPSTR_TEXTCALLBACKW);
    EXPECT_EQ(wnd.OnToolHitTest(CPoint(150, 80), &info), -1);  // no child there
}

TEST_F(WndTest, TheWaitCursorShowsWhileItLives) {
    HCURSOR before = ::GetCursor();
    {
        CWaitCursor wait;
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
        { CWaitCursor nested; }
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(::GetCursor(), before);
}

}  // namespace
}  // namespace afxtest
