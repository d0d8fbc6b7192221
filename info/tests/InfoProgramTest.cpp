// The installed information program as the agent and the settings program start it. Where a
// test needs to see how it starts the settings program or the agent, command recorders stand
// in for them in the installation folder for the test's duration.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "InfoProcess.h"
#include "InstalledStandIn.h"
#include "NodwellSettingsKey.h"
#include "ProcessRunner.h"
#include "RegistrySnapshot.h"
#include "Resource.h"
#include "SimulatedMachineKey.h"
#include "SingleInstance.h"
#include "SuiteFolders.h"
#include "Waiting.h"

namespace {

class InfoProgram : public testing::Test {
protected:
    void SetUp() override {
        m_machine.SetDword(L"CapableModes", 0x18);
        m_log = m_scratch / L"starts.txt";
        SetEnvironmentVariableW(L"NODWELL_TEST_LAUNCH_LOG", m_log.c_str());
    }
    void TearDown() override { SetEnvironmentVariableW(L"NODWELL_TEST_LAUNCH_LOG", nullptr); }

    SimulatedMachineKey m_machine;
    testsupport::RegistrySnapshot m_settings{NodwellSettingsKey::kPath};
    testsupport::ScratchFolder m_scratch;
    std::filesystem::path m_log;
};

std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool MutexExists(const wchar_t* name) {
    HANDLE h = OpenMutexW(SYNCHRONIZE, FALSE, name);
    if (h) CloseHandle(h);
    return h != nullptr;
}

}  // namespace

TEST_F(InfoProgram, CommandLineSelectsSetupModeExactlyAsTheCallersWriteIt) {
    const std::wstring unquotedPath = (testsupport::InstallFolder() / L"NodwellInfo.exe").wstring();
    const struct {
        const char* what;
        std::wstring commandLine;
        bool bSetup;
    } cases[] = {
        {"no arguments", InfoProcess::CommandLine(L""), false},
        {"/setup", InfoProcess::CommandLine(L"/setup"), true},
        {"/SETUP", InfoProcess::CommandLine(L"/SETUP"), false},
        {"trailing blanks", InfoProcess::CommandLine(L"/setup  \t "), true},
        {"unquoted path with blanks", unquotedPath + L" /setup", true},
    };
    for (const auto& c : cases) {
        InfoProcess info(c.commandLine);
        EXPECT_EQ(c.bSetup, IsWindowVisible(info.Item(IDC_BUTTON_SETUP_NOW)) != FALSE) << c.what;
        EXPECT_EQ(c.bSetup, IsWindowVisible(info.Item(IDC_BUTTON_CANCEL)) != FALSE) << c.what;
        EXPECT_EQ(!c.bSetup, IsWindowVisible(info.Item(IDC_BUTTON_OK)) != FALSE) << c.what;
        PostMessageW(info.Dialog(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(info.WaitForEnd()) << c.what;
    }
    EXPECT_FALSE(m_settings.Get(L"DontShowInfo").has_value()) << "the close box saves nothing";
}

// Run for the prefix's English user and again for a German one (GermanUser.*).
TEST_F(InfoProgram, TheLanguageAskedForIsShownThenTheUsersThenEnglish) {
    const bool bGermanUser = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN;
    struct Texts {
        const wchar_t* caption;
        const wchar_t* checkBox;
    };
    const Texts german{L"Informationen zu Corvane Zazez", L"Hilfe beim Start des Programms nicht anzeigen"};
    const Texts germanSetup{L"Informationen zu Corvane Zazez", L"Dieses Fenster k\u00fcnftig nicht mehr anzeigen."};
    const Texts english{L"Corvane Zazez Information", L"Don't display help when the utility launches"};
    const Texts englishSetup{L"Corvane Zazez Information", L"In the future, do not display this window."};
    const struct {
        const wchar_t* arguments;
        const Texts& forEnglishUser;
        const Texts& forGermanUser;
    } cases[] = {
        {L"", english, german},
        {L"/p:7 /s:1", german, german},
        {L"/setup /P:7 /S:1", germanSetup, germanSetup},
        {L"/p:7", german, german},  // neutral German finds de-DE
        {L"/p:9 /s:1", english, english},
        {L"/setup /p:9", englishSetup, englishSetup},
        {L"/p:11 /s:1", english, german},  // no module for Japanese: the user's language
        {L"/setup / /p:9 /s:1", englishSetup, germanSetup},  // the reading ends before the language
    };
    for (const auto& c : cases) {
        const Texts& expected = bGermanUser ? c.forGermanUser : c.forEnglishUser;
        InfoProcess info(InfoProcess::CommandLine(c.arguments));
        EXPECT_EQ(expected.caption, info.Caption()) << c.arguments;
        wchar_t text[200] = {};
        GetWindowTextW(info.Item(IDC_DONT_SHOW), text, 200);
        EXPECT_STREQ(expected.checkBox, text) << c.arguments;
    }
}

TEST_F(InfoProgram, SecondStartEndsAtOnceAndRaisesTheFirstWindow) {
    InfoProcess first(InfoProcess::CommandLine(L"/setup"));
    EXPECT_TRUE(MutexExists(kInfoProgramInstance.szMutex));
    HWND other = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(other);
    const auto second = testsupport::RunProgram(InfoProcess::CommandLine(L""), 10000);
    ASSERT_TRUE(second.has_value()) << "the second copy did not end";
    EXPECT_TRUE(testsupport::WaitUntil([&] { return GetForegroundWindow() == first.Dialog(); }, 5000));
    EXPECT_EQ(first.Dialog(), FindWindowW(L"#32770", L"Corvane Zazez Information"));
    EXPECT_EQ(nullptr, FindWindowExW(nullptr, first.Dialog(), L"#32770", L"Corvane Zazez Information"));
    DestroyWindow(other);
    PostMessageW(first.Dialog(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForEnd());
    EXPECT_FALSE(MutexExists(kInfoProgramInstance.szMutex));
}

TEST_F(InfoProgram, ClosingPathsStartTheAgentStopAndTheSettingsProgramQuotedAndSaveTheChoice) {
    const InstalledStandIn agent(L"NodwellSrv.exe");
    const InstalledStandIn settingsProgram(L"Nodwell.exe");
    const std::string stop = agent.ExpectedLine("/u");
    const std::string open = settingsProgram.ExpectedLine("/noinfo");
    enum class Action { ClickOk, ClickCancel, ClickSetupNow, Enter, Escape, CloseBox };
    const struct {
        const char* what;
        bool bSetup;
        bool bChecked;
        Action action;
        std::vector<std::string> starts;
        std::optional<DWORD> dontShowInfo;
        std::optional<DWORD> dontRunSrv;
    } cases[] = {
        {"normal, checked, OK", false, true, Action::ClickOk, {stop}, 1, 1},
        {"setup, checked, Cancel", true, true, Action::ClickCancel, {stop}, 1, 1},
        {"setup, unchecked, Cancel", true, false, Action::ClickCancel, {}, 0, std::nullopt},
        {"setup, unchecked, Setup Now", true, false, Action::ClickSetupNow, {open}, 0, std::nullopt},
        {"setup, checked, Setup Now", true, true, Action::ClickSetupNow, {stop, open}, 1, 1},
        {"setup, unchecked, Enter", true, false, Action::Enter, {open}, 0, std::nullopt},
        {"normal, checked, Enter", false, true, Action::Enter, {stop}, 1, 1},
        {"setup, checked, Escape", true, true, Action::Escape, {stop}, 1, 1},
        {"normal, unchecked, Escape", false, false, Action::Escape, {}, 0, std::nullopt},
        {"setup, checked, close box", true, true, Action::CloseBox, {}, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        m_settings.Delete(L"DontShowInfo");
        m_settings.Delete(L"DontRunSrv");
        std::filesystem::remove(m_log);
        InfoProcess info(InfoProcess::CommandLine(c.bSetup ? L"/setup" : L""));
        info.Check(c.bChecked);
        switch (c.action) {
            case Action::ClickOk: info.Click(IDC_BUTTON_OK); break;
            case Action::ClickCancel: info.Click(IDC_BUTTON_CANCEL); break;
            case Action::ClickSetupNow: info.Click(IDC_BUTTON_SETUP_NOW); break;
            case Action::Enter: info.PressKey(VK_RETURN, IDC_DONT_SHOW); break;
            case Action::Escape: info.PressKey(VK_ESCAPE, IDC_DONT_SHOW); break;
            case Action::CloseBox: PostMessageW(info.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
        }
        ASSERT_TRUE(info.WaitForEnd()) << c.what << ": the dialog did not close";
        ASSERT_TRUE(info.WaitForAllToEnd()) << c.what;
        EXPECT_EQ(Sorted(c.starts), Sorted(RecordedLines(m_log))) << c.what;
        EXPECT_EQ(c.dontShowInfo, m_settings.Get(L"DontShowInfo")) << c.what;
        EXPECT_EQ(c.dontRunSrv, m_settings.Get(L"DontRunSrv")) << c.what;
    }
}

TEST_F(InfoProgram, CheckedBoxStopsTheRunningAgent) {
    if (!std::filesystem::exists(testsupport::InstallFolder() / L"NodwellSrv.exe")) {
        GTEST_SKIP() << "the background agent is not installed";
    }
    HANDLE agent = testsupport::StartProgram(testsupport::Quoted((testsupport::InstallFolder() / L"NodwellSrv.exe").wstring()));
    ASSERT_TRUE(testsupport::WaitUntil([] { return FindWindowW(nullptr, L"NodwellSrv") != nullptr; }));
    {
        InfoProcess info(InfoProcess::CommandLine(L""));
        info.Check(true);
        info.Click(IDC_BUTTON_OK);
        EXPECT_TRUE(info.WaitForAllToEnd());
    }
    const bool bAgentEnded = WaitForSingleObject(agent, 10000) == WAIT_OBJECT_0;
    EXPECT_TRUE(bAgentEnded);
    if (!bAgentEnded) TerminateProcess(agent, 1);
    CloseHandle(agent);
    EXPECT_EQ(std::optional<DWORD>(1), m_settings.Get(L"DontRunSrv"));
}
