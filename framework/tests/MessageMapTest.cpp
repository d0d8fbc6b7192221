#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestWindows.h"

namespace {

constexpr UINT WM_PING = WM_APP + 1;
constexpr UINT WM_PONG = WM_APP + 2;
constexpr UINT kButtonId = 1001;
constexpr UINT kSliderId = 1002;

class CRecordingWnd : public CWnd {
public:
    std::vector<std::string> calls;
    bool destroyedObject = false;

protected:
    int OnCreate(LPCREATESTRUCTW) {
        calls.push_back("create");
        return static_cast<int>(Default());
    }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    void OnAction() { calls.push_back("action"); }
    void OnParentCustomDraw(NMHDR*, LRESULT* pResult) {
        calls.push_back("parent custom draw");
        *pResult = CDRF_DODEFAULT;
    }
    void PostNcDestroy() override { destroyedObject = true; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_PING, OnPing)
    ON_BN_CLICKED(kButtonId, OnAction)
    ON_NOTIFY(NM_CUSTOMDRAW, kSliderId, OnParentCustomDraw)
END_MESSAGE_MAP()

class CDerivedWnd : public CRecordingWnd {
protected:
    LRESULT OnPong(WPARAM, LPARAM) { return 7; }
    LRESULT OnPing(WPARAM, LPARAM) { return -1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CRecordingWnd)
    ON_MESSAGE(WM_PONG, OnPong)
END_MESSAGE_MAP()

class CSelfDrawingSlider : public CSliderCtrl {
public:
    int customDraws = 0;

protected:
    void OnCustomDraw(NMHDR*, LRESULT* pResult) {
        ++customDraws;
        *pResult = CDRF_DODEFAULT;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDrawingSlider, CSliderCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

const RECT kChildRect{10, 10, 210, 40};

}  // namespace

TEST(MessageMap, WindowIsAttachedFromItsFirstMessageAndDetachedAfterItsLast) {
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"title", WS_OVERLAPPEDWINDOW, RECT{0, 0, 100, 100}, nullptr, 0));
    EXPECT_EQ(std::vector<std::string>{"create"}, wnd.calls);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    const HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_TRUE(wnd.destroyedObject);
}

TEST(MessageMap, DerivedEntriesComeFirstThenBaseEntriesThenTheWindowsOwnHandling) {
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"title", WS_OVERLAPPEDWINDOW, RECT{0, 0, 100, 100}, nullptr, 0));
    // Handlers are found through the map, not by name: the derived OnPing is not in any map.
    EXPECT_EQ(5, wnd.SendMessage(WM_PING, 2, 3));
    EXPECT_EQ(7, wnd.SendMessage(WM_PONG));
    wnd.SetWindowText(L"changed");
    EXPECT_EQ(L"changed", wnd.GetWindowText());
    EXPECT_EQ(std::vector<std::string>{"create"}, wnd.calls);
    wnd.DestroyWindow();
}

TEST(MessageMap, CommandsAndNotificationsOfChildrenReachTheParentUnlessTheChildTakesThem) {
    CRecordingWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 200},
                                nullptr, 0));
    CButton button;
    ASSERT_TRUE(button.Create(L"Action", WS_VISIBLE | BS_PUSHBUTTON, kChildRect, &parent, kButtonId));
    button.SendMessage(BM_CLICK);
    EXPECT_EQ((std::vector<std::string>{"create", "action"}), parent.calls);

    {
        CSliderCtrl plain;
        ASSERT_TRUE(plain.Create(TRACKBAR_CLASSW, L"", WS_VISIBLE, kChildRect, &parent, kSliderId));
        plain.UpdateWindow();
        EXPECT_EQ("parent custom draw", parent.calls.back()) << "an unreflected notification goes to the parent";
        plain.DestroyWindow();
    }
    parent.calls.clear();
    CSelfDrawingSlider selfDrawing;
    ASSERT_TRUE(selfDrawing.Create(TRACKBAR_CLASSW, L"", WS_VISIBLE, kChildRect, &parent, kSliderId));
    selfDrawing.Invalidate();
    selfDrawing.UpdateWindow();
    EXPECT_GT(selfDrawing.customDraws, 0);
    EXPECT_TRUE(parent.calls.empty()) << "the control's own handler took its notification";
    selfDrawing.DestroyWindow();
    parent.DestroyWindow();
}

TEST(MessageMap, WindowsWithoutObjectGetTemporaryOnes) {
    HostWindow host;
    const HWND foreign = CreateWindowExW(0, WC_STATICW, L"plain", WS_CHILD, 0, 0, 10, 10, host.m_hWnd,
                                         reinterpret_cast<HMENU>(5), nullptr, nullptr);
    ASSERT_NE(nullptr, foreign);
    CWnd* temporary = host.GetDlgItem(5);
    ASSERT_NE(nullptr, temporary);
    EXPECT_EQ(foreign, temporary->m_hWnd);
    EXPECT_EQ(temporary, CWnd::FromHandle(foreign));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(foreign));
    EXPECT_EQ(L"plain", temporary->GetWindowText());
    EXPECT_EQ(nullptr, host.GetDlgItem(6));
    afx::DeleteTempMap();
    EXPECT_TRUE(IsWindow(foreign)) << "a temporary object never destroys its window";
}
