#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameworkTestIds.h"
#include "TestWindows.h"

namespace {

constexpr UINT kViewCommand = 5000;
constexpr UINT kFrameCommand = 5001;

std::vector<std::string> g_events;

class CTestView : public CWnd {
protected:
    void OnViewCommand() { g_events.push_back("view command"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestView, CWnd)
    ON_COMMAND(kViewCommand, OnViewCommand)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
public:
    ~CTestFrame() override { g_events.push_back("frame deleted"); }

    BOOL OnCmdMsg(UINT nID, int nCode) override {
        // Commands go to the view first.
        if (m_view.OnCmdMsg(nID, nCode)) return TRUE;
        return CFrameWnd::OnCmdMsg(nID, nCode);
    }

protected:
    int OnCreate(LPCREATESTRUCTW lpCreateStruct) {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
        const std::wstring title = GetWindowText();
        g_events.push_back("frame created: " + std::string(title.begin(), title.end()));
        return m_view.Create(nullptr, L"", WS_VISIBLE, RECT{}, this, AFX_IDW_PANE_FIRST) ? 0 : -1;
    }
    void OnFrameCommand() { g_events.push_back("frame command"); }

    CTestView m_view;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(kFrameCommand, OnFrameCommand)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
public:
    enum class Start { Fail, NoWindow, Frame };
    explicit CTestApp(Start start) : m_start(start) {}

protected:
    BOOL InitInstance() override {
        g_events.push_back("init");
        if (m_start == Start::Fail) return FALSE;
        if (m_start == Start::Frame) {
            auto* frame = new CTestFrame;
            m_pMainWnd = frame;
            frame->LoadFrame(IDS_FRAME_TITLE, WS_OVERLAPPEDWINDOW);
            frame->SendMessage(WM_COMMAND, kViewCommand);
            frame->SendMessage(WM_COMMAND, kFrameCommand);
            // The way a second start asks the running program to close.
            frame->PostMessage(WM_SYSCOMMAND, SC_CLOSE);
        }
        return TRUE;
    }
    int ExitInstance() override {
        g_events.push_back("exit");
        return CWinApp::ExitInstance() + 40;
    }

private:
    Start m_start;
};

}  // namespace

TEST(Application, FrameLivesUntilClosedAndTheLoopEndsWithIt) {
    g_events.clear();
    CTestApp app(CTestApp::Start::Frame);
    EXPECT_EQ(40, AfxWinMain(GetModuleHandleW(nullptr), const_cast<LPWSTR>(L"/x"), SW_HIDE));
    EXPECT_EQ((std::vector<std::string>{"init", "frame created: Framework test frame", "view command",
                                        "frame command", "frame deleted", "exit"}),
              g_events);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_STREQ(L"/x", app.m_lpCmdLine);
}

TEST(Application, StartWithoutAWindowOrAFailedStartEndsAtOnceThroughExitInstance) {
    for (auto start : {CTestApp::Start::Fail, CTestApp::Start::NoWindow}) {
        g_events.clear();
        CTestApp app(start);
        EXPECT_EQ(40, AfxWinMain(GetModuleHandleW(nullptr), nullptr, SW_HIDE));
        EXPECT_EQ((std::vector<std::string>{"init", "exit"}), g_events);
    }
}
