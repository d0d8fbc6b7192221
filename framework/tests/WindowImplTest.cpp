#include <gtest/gtest.h>

#include "TestWindows.h"

namespace {

constexpr UINT WM_ASK = WM_APP + 5;

class CHoverButton : public CWindowImpl<CHoverButton> {
public:
    int moves = 0;
    HWND finalWindow = nullptr;

    BEGIN_MSG_MAP(CHoverButton)
        MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
        MESSAGE_HANDLER(WM_ASK, OnAsk)
    END_MSG_MAP()

    void OnFinalMessage(HWND hWnd) override { finalWindow = hWnd; }

private:
    LRESULT OnMouseMove(UINT, WPARAM, LPARAM, BOOL& bHandled) {
        ++moves;
        bHandled = FALSE;  // the button keeps its own handling
        return 0;
    }
    LRESULT OnAsk(UINT, WPARAM wParam, LPARAM, BOOL&) { return static_cast<LRESULT>(wParam * 2); }
};

}  // namespace

TEST(WindowImpl, AttachedObjectSeesMessagesFirstAndPassesTheRestOn) {
    HostWindow host;
    const HWND button = CreateWindowExW(0, WC_BUTTONW, L"x", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 80, 20,
                                        host.m_hWnd, reinterpret_cast<HMENU>(9), nullptr, nullptr);
    CHoverButton hover;
    ASSERT_TRUE(hover.SubclassWindow(button));
    EXPECT_FALSE(hover.SubclassWindow(button)) << "one window to an object";
    CHoverButton second;
    EXPECT_FALSE(second.SubclassWindow(button)) << "one object to a window";
    EXPECT_EQ(42, SendMessageW(button, WM_ASK, 21, 0));
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(1, hover.moves);
    SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageW(button, BM_GETCHECK, 0, 0));
    DestroyWindow(button);
    EXPECT_EQ(button, hover.finalWindow);
    EXPECT_EQ(nullptr, hover.m_hWnd);
}

TEST(WindowImpl, ObjectGoneBeforeItsWindowLeavesTheWindowWorking) {
    HostWindow host;
    const HWND button = CreateWindowExW(0, WC_BUTTONW, L"x", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 80, 20, host.m_hWnd,
                                        nullptr, nullptr, nullptr);
    {
        CHoverButton hover;
        ASSERT_TRUE(hover.SubclassWindow(button));
    }
    EXPECT_EQ(0, SendMessageW(button, WM_ASK, 21, 0));
    SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageW(button, BM_GETCHECK, 0, 0));
}
