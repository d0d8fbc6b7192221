// The installed settings program started as a person starts it, driven from this program
// through its windows, with the simulated library's call log and the registry read afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ProcessRunner.h"
#include "RunningSettings.h"
#include "SettingsTestSupport.h"
#include "Waiting.h"
#include "resource.h"

namespace fs = std::filesystem;

namespace {

std::wstring ControlText(HWND hDialog, int nId) {
    wchar_t szText[256] = {};
    ::GetDlgItemTextW(hDialog, nId, szText, 256);
    return szText;
}

// The test program in the information program's place for the length of a test; a real one
// already installed is put aside and back.
class InfoStubInstalled {
public:
    InfoStubInstalled() : m_target(testsupport::InstallFolder() / L"NodwellInfo.exe"), m_saved(m_target) {
        m_saved += L".saved";
        if (fs::exists(m_target)) fs::rename(m_target, m_saved);
        fs::copy_file(StubPath(), m_target);
        ::SetEnvironmentVariableW(L"NODWELL_INFO_STUB_LOG", (m_folder / L"info.log").c_str());
    }
    ~InfoStubInstalled() {
        ::SetEnvironmentVariableW(L"NODWELL_INFO_STUB_LOG", nullptr);
        std::error_code ignored;
        fs::remove(m_target, ignored);
        if (fs::exists(m_saved)) fs::rename(m_saved, m_target, ignored);
        if (m_hRelease) ::CloseHandle(m_hRelease);
    }
    InfoStubInstalled(const InfoStubInstalled&) = delete;
    InfoStubInstalled& operator=(const InfoStubInstalled&) = delete;

    // From now on the stub stays running until Release.
    void Hold() { m_hRelease = ::CreateEventW(nullptr, TRUE, FALSE, L"Local\\NodwellInfoStubRelease"); }
    void Release() const { ::SetEvent(m_hRelease); }
    bool Ran() const { return fs::exists(m_folder / L"info.log"); }
    std::string CommandLines() const { return Ran() ? testsupport::ReadTextFile(m_folder / L"info.log") : ""; }
    // The stub writes its command line and a line end: the path in double quotes.
    std::string ExpectedCommandLine() const {
        std::string line(1, '"');
        line += m_target.string();
        line += "\"\n";
        return line;
    }

private:
    static fs::path StubPath() {
        wchar_t szPath[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
        return fs::path(szPath).parent_path() / L"info_stub.exe";
    }
    fs::path m_target;
    fs::path m_saved;
    testsupport::ScratchFolder m_folder;
    HANDLE m_hRelease = nullptr;
};

class SettingsEndToEndTest : public ::testing::Test {
protected:
    SettingsKeyGuard settings;
    SimulatedMachineKey machine;
    CallLog log{machine};
    AcpiBatteryKey acpi{true};
};

}  // namespace

TEST_F(SettingsEndToEndTest, SecondCopyEndsAtOnceWhileTheFirstStaysAndOkAppliesAndEnds) {
    RunningSettings first(L"/noinfo");
    const HWND hDialog = first.WaitForDialog();
    ASSERT_NE(nullptr, hDialog);
    EXPECT_EQ(L"Corvane Vezuv Uvodoza", [&] {
        wchar_t szTitle[64] = {};
        ::GetWindowTextW(hDialog, szTitle, 64);
        return std::wstring(szTitle);
    }());
    EXPECT_EQ(std::optional<DWORD>(2), SettingsKeyGuard::Read(L"ModeNameVer"));  // the simulated 0x18

    const auto second = testsupport::RunProgram(testsupport::Quoted(SettingsProgram().wstring()) + L" /noinfo", 10000);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(0u, second->exitCode);
    EXPECT_FALSE(first.HasEnded(0));
    EXPECT_TRUE(::IsWindow(hDialog));

    first.Click(IDC_OK);
    EXPECT_TRUE(first.HasEnded(10000));
    const std::vector<std::string> lines = log.LinesFrom("NWLB_SetCurrentMode");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("NWLB_Commit -> 0", lines[lines.size() - 2]);
    EXPECT_EQ("NWLB_FinalizeDll -> 0", lines.back());
}

TEST_F(SettingsEndToEndTest, InformationProgramRunsFirstUnlessDeclinedOrNoinfo) {
    struct Case {
        std::optional<DWORD> dontShowInfo;
        const wchar_t* arguments;
        bool started;
    };
    for (const Case& c : {Case{std::nullopt, L"", true}, Case{0, L"/p:9", true}, Case{1, L"", false},
                          Case{std::nullopt, L"/noinfo", false}, Case{0, L"/NOINFO", true}}) {
        if (c.dontShowInfo) {
            SettingsKeyGuard::Write(L"DontShowInfo", *c.dontShowInfo);
        } else {
            SettingsKeyGuard::Remove(L"DontShowInfo");
        }
        InfoStubInstalled info;
        if (c.started) info.Hold();
        RunningSettings settingsProgram(c.arguments);
        if (c.started) {
            ASSERT_TRUE(testsupport::WaitUntil([&] { return info.Ran(); }, 20000)) << c.arguments;
            // The settings dialog waits for the information program before it shows.
            EXPECT_FALSE(testsupport::WaitUntil([&] { return settingsProgram.Dialog() != nullptr; }, 500));
            info.Release();
        }
        EXPECT_NE(nullptr, settingsProgram.WaitForDialog()) << c.arguments;
        EXPECT_EQ(c.started, info.Ran()) << c.arguments;
        if (c.started) {
            EXPECT_EQ(info.ExpectedCommandLine(), info.CommandLines());
        }
    }
}

TEST_F(SettingsEndToEndTest, HelpAndF1StartTheInformationProgramWithoutWaiting) {
    for (bool bKey : {false, true}) {
        InfoStubInstalled info;
        RunningSettings settingsProgram(L"/noinfo");
        const HWND hDialog = settingsProgram.WaitForDialog();
        ASSERT_NE(nullptr, hDialog);
        info.Hold();
        if (bKey) {
            ::PostMessageW(::GetDlgItem(hDialog, IDC_CANCEL), WM_KEYDOWN, VK_F1, 0);
        } else {
            settingsProgram.Click(IDC_HELP_BUTTON);
        }
        ASSERT_TRUE(testsupport::WaitUntil([&] { return info.Ran(); }, 20000)) << bKey;
        // Still answering while the information program runs.
        DWORD_PTR result = 0;
        EXPECT_NE(0, ::SendMessageTimeoutW(hDialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result)) << bKey;
        EXPECT_EQ(info.ExpectedCommandLine(), info.CommandLines());
        info.Release();
    }
}

// Run for the prefix's English user and again for a German one (GermanUser.*).
TEST_F(SettingsEndToEndTest, TheLanguageAskedForIsShownThenTheUsersThenEnglish) {
    const bool bGermanUser = PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_GERMAN;
    struct Texts {
        const wchar_t* cancel;
        const wchar_t* charge;
        const wchar_t* level;
    };
    const Texts german{L"Abbrechen", L"Zazez and Charge aktivieren", L"Aktuelle Akkurestlaufzeit"};
    const Texts english{L"Cancel", L"Enable Zazez and Charge", L"Current status of remaining battery life"};
    const struct {
        const wchar_t* arguments;
        const Texts& forEnglishUser;
        const Texts& forGermanUser;
    } cases[] = {
        {L"/noinfo", english, german},           {L"/p:7 /s:1 /noinfo", german, german},
        {L"/p:7 /noinfo", german, german},       {L"/p:9 /s:1 /noinfo", english, english},
        {L"/p:9 /noinfo", english, english},     {L"/p:c /s:1 /noinfo", english, german},
    };
    for (const auto& c : cases) {
        const Texts& expected = bGermanUser ? c.forGermanUser : c.forEnglishUser;
        RunningSettings settingsProgram(c.arguments);
        const HWND hDialog = settingsProgram.WaitForDialog();
        ASSERT_NE(nullptr, hDialog) << c.arguments;
        EXPECT_EQ(expected.cancel, ControlText(hDialog, IDC_CANCEL)) << c.arguments;
        EXPECT_EQ(expected.charge, ControlText(hDialog, IDC_CHARGE_CHECK)) << c.arguments;
        EXPECT_EQ(expected.level, ControlText(hDialog, IDC_LEVEL_LABEL)) << c.arguments;
    }
}
