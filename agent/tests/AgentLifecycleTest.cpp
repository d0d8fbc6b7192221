// The installed agent's start-up and shut-down, driven as processes.
#include <gtest/gtest.h>

#include "AgentProcess.h"
#include "ProcessRunner.h"
#include "DontRunSrvValue.h"

namespace {

// Runs the agent to its end; false when it did not end in time.
bool RunsToItsEnd(const std::wstring& arguments) {
    const auto result = testsupport::RunProgram(AgentProcess::CommandLine(arguments), 20000);
    return result.has_value() && result->exitCode == 0;
}

bool AnyAgentFrame() { return FindWindowW(nullptr, L"NodwellSrv") != nullptr; }

}  // namespace

TEST(AgentLifecycle, HiddenFrameWithItsViewOwnsTheNotifications) {
    const AgentProcess agent;
    EXPECT_FALSE(IsWindowVisible(agent.Frame()));
    const LONG_PTR style = GetWindowLongPtrW(agent.Frame(), GWL_STYLE);
    EXPECT_EQ(WS_CAPTION | 0x8000, style & (WS_CAPTION | WS_VISIBLE | WS_THICKFRAME | WS_SYSMENU | 0x8000));
    HWND view = GetWindow(agent.Frame(), GW_CHILD);
    ASSERT_NE(nullptr, view) << "the child view";
    EXPECT_EQ(0xE900, GetDlgCtrlID(view));
    EXPECT_EQ(WS_CHILD | WS_VISIBLE, GetWindowLongPtrW(view, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER));
    EXPECT_EQ(WS_EX_CLIENTEDGE, GetWindowLongPtrW(view, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST(AgentLifecycle, SecondStartWithoutTheSwitchEndsAndLeavesTheFirstRunning) {
    const AgentProcess agent;
    EXPECT_TRUE(RunsToItsEnd(L""));
    EXPECT_TRUE(RunsToItsEnd(L"/x something"));
    EXPECT_TRUE(agent.IsRunning());
    EXPECT_EQ(agent.Frame(), FindWindowW(nullptr, L"NodwellSrv"));
}

TEST(AgentLifecycle, SecondStartWithTheSwitchStopsTheRunningAgentAndANewStartSucceeds) {
    for (const wchar_t* stopSwitch : {L"/u", L"/U", L"x/u", L"/Uninstall"}) {
        const AgentProcess agent;
        EXPECT_TRUE(RunsToItsEnd(stopSwitch)) << stopSwitch;
        EXPECT_TRUE(agent.WaitForEnd(10000)) << stopSwitch << " left the agent running";
    }
}

TEST(AgentLifecycle, NormalCloseFreesTheMutexForANewStart) {
    {
        const AgentProcess agent;
        PostMessageW(agent.Frame(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(agent.WaitForEnd(10000));
    }
    const AgentProcess next;
    EXPECT_TRUE(next.IsRunning());
}

TEST(AgentLifecycle, SwitchWithNoAgentRunningEndsWithoutAWindow) {
    ASSERT_FALSE(AnyAgentFrame());
    for (const wchar_t* stopSwitch : {L"/U", L"/u"}) {
        EXPECT_TRUE(RunsToItsEnd(stopSwitch));
        EXPECT_FALSE(AnyAgentFrame());
    }
    // It kept no hold of the mutex.
    const AgentProcess agent;
    EXPECT_TRUE(agent.IsRunning());
}

TEST(AgentLifecycle, DontRunSrvNonZeroEndsAtOnceAndZeroOrMissingRuns) {
    DontRunSrvValue dontRunSrv;
    for (const DWORD value : {1u, 0xFFFFFFFFu}) {
        dontRunSrv.Set(value);
        EXPECT_TRUE(RunsToItsEnd(L"")) << value;
        EXPECT_FALSE(AnyAgentFrame()) << value;
    }
    // The value ended the agent after it had taken the mutex: it must have freed it.
    const struct {
        const char* what;
        std::optional<DWORD> value;
        bool removeKey;
    } runs[] = {{"0", 0u, false}, {"value missing", std::nullopt, false}, {"key missing", std::nullopt, true}};
    for (const auto& run : runs) {
        dontRunSrv.Set(run.value, run.removeKey);
        const AgentProcess agent;
        EXPECT_TRUE(agent.IsRunning()) << run.what;
    }
}

TEST(AgentLifecycle, SettingDontRunSrvDoesNotStopARunningAgent) {
    DontRunSrvValue dontRunSrv;
    const AgentProcess agent;
    dontRunSrv.Set(1);
    agent.SendSessionChange(WTS_SESSION_UNLOCK);
    EXPECT_TRUE(agent.IsRunning());
}
