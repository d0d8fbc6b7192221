// The installed settings program started as a person starts it, driven from this program
// through its windows, with the simulated library's call log and the registry read afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "AccessibleReading.h"
#include "ProcessRunner.h"
#include "RunningSettings.h"
#include "SettingsTestSupport.h"
#include "SingleInstance.h"
#include "Waiting.h"
#include "resource.h"

namespace fs = std::filesystem;

namespace {

bool ForegroundBecomes(HWND hWnd) {
    return testsupport::WaitUntil(
        [&] {
            PumpMessages();
            return ::GetForegroundWindow() == hWnd;
        },
        5000);
}

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

    // A window of this program in front: the second copy brings the first one's back.
    const HWND hInFront = ::CreateWindowExW(0, L"STATIC", L"in front", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                            nullptr, nullptr, nullptr);
    ::SetForegroundWindow(hInFront);
    EXPECT_TRUE(ForegroundBecomes(hInFront));
    const auto second = testsupport::RunProgram(testsupport::Quoted(SettingsProgram().wstring()) + L" /noinfo", 10000);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(0u, second->exitCode);
    EXPECT_FALSE(first.HasEnded(0));
    EXPECT_TRUE(::IsWindow(hDialog));
    EXPECT_TRUE(ForegroundBecomes(hDialog));
    ::DestroyWindow(hInFront);

    first.Click(IDC_OK);
    EXPECT_TRUE(first.HasEnded(10000));
    const std::vector<std::string> lines = log.LinesFrom("NWLB_SetCurrentMode");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ("NWLB_Commit -> 0", lines[lines.size() - 2]);
    EXPECT_EQ("NWLB_FinalizeDll -> 0", lines.back());
}

TEST_F(SettingsEndToEndTest, InformationProgramRunsFirstUnlessDeclinedNoinfoOrTheLibraryFails) {
    struct Case {
        std::optional<DWORD> dontShowInfo;
        const wchar_t* arguments;
        bool libraryFails;
        bool started;
    };
    for (const Case& c : {Case{std::nullopt, L"", false, true}, Case{0, L"/p:9", false, true},
                          Case{1, L"", false, false}, Case{std::nullopt, L"/noinfo", false, false},
                          Case{0, L"/NOINFO", false, true}, Case{std::nullopt, L"", true, false}}) {
        if (c.dontShowInfo) {
            SettingsKeyGuard::Write(L"DontShowInfo", *c.dontShowInfo);
        } else {
            SettingsKeyGuard::Remove(L"DontShowInfo");
        }
        if (c.libraryFails) machine.SetDword(L"Fail_InitializeDll", 9);
        InfoStubInstalled info;
        if (c.started) info.Hold();
        RunningSettings settingsProgram(c.arguments);
        if (c.libraryFails) {
            // Message 502 comes before the dialog shows; OK lets the start-up go on.
            const HWND hBox = settingsProgram.WaitForDialog();
            ASSERT_NE(nullptr, ::GetDlgItem(hBox, 0xFFFF));
            ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(testsupport::WaitUntil([&] { return !::IsWindow(hBox); }, 10000));
            machine.Delete(L"Fail_InitializeDll");
        }
        if (c.started) {
            ASSERT_TRUE(testsupport::WaitUntil([&] { return info.Ran(); }, 20000)) << c.arguments;
            // The settings dialog waits for the information program before it shows, and
            // meanwhile answers what other programs send it.
            EXPECT_FALSE(testsupport::WaitUntil([&] { return settingsProgram.Dialog() != nullptr; }, 500));
            DWORD_PTR result = 0;
            EXPECT_NE(0, ::SendMessageTimeoutW(settingsProgram.CreatedDialog(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000,
                                               &result))
                << c.arguments;
            info.Release();
        }
        const HWND hDialog = settingsProgram.WaitForDialog();
        EXPECT_NE(nullptr, hDialog) << c.arguments;
        // Wine has no foreground lock: on Windows only the information program's permission
        // lets the dialog come to the front, which this cannot show.
        if (c.started) EXPECT_TRUE(ForegroundBecomes(hDialog)) << c.arguments;
        EXPECT_EQ(c.started, info.Ran()) << c.arguments;
        if (c.started) {
            EXPECT_EQ(info.ExpectedCommandLine(), info.CommandLines());
        }
    }
}

TEST_F(SettingsEndToEndTest, HelpF1AndEnterOnHelpStartTheInformationProgramWithoutWaiting) {
    enum class Way { Click, F1, EnterOnHelp };
    for (Way way : {Way::Click, Way::F1, Way::EnterOnHelp}) {
        const int nWay = static_cast<int>(way);
        InfoStubInstalled info;
        RunningSettings settingsProgram(L"/noinfo");
        const HWND hDialog = settingsProgram.WaitForDialog();
        ASSERT_NE(nullptr, hDialog);
        info.Hold();
        const HWND hHelp = ::GetDlgItem(hDialog, IDC_HELP_BUTTON);
        if (way == Way::F1) {
            ::PostMessageW(::GetDlgItem(hDialog, IDC_CANCEL), WM_KEYDOWN, VK_F1, 0);
        } else if (way == Way::EnterOnHelp) {
            // The dialog's own thread moves the focus to Help.
            ::SendMessageW(hDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hHelp), TRUE);
            ::PostMessageW(hHelp, WM_KEYDOWN, VK_RETURN, 0);
        } else {
            settingsProgram.Click(IDC_HELP_BUTTON);
        }
        ASSERT_TRUE(testsupport::WaitUntil([&] { return info.Ran(); }, 20000)) << nWay;
        // Still answering while the information program runs, and nothing applied.
        DWORD_PTR result = 0;
        EXPECT_NE(0, ::SendMessageTimeoutW(hDialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result)) << nWay;
        EXPECT_TRUE(::IsWindow(hDialog)) << nWay;
        EXPECT_TRUE(log.LinesFrom("NWLB_Commit").empty()) << nWay;
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

TEST_F(SettingsEndToEndTest, MutexNoOneMayOpenGivesMessage504AndTheProgramEnds) {
    // A mutex with an empty access list stands in for the one of another user's copy.
    SECURITY_DESCRIPTOR descriptor{};
    ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    ACL acl{};
    ::InitializeAcl(&acl, sizeof(acl), ACL_REVISION);
    ::SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, FALSE};
    const std::unique_ptr<void, decltype(&::CloseHandle)> mutex(
        ::CreateMutexW(&attributes, FALSE, kSettingsProgramInstance.szMutex), &::CloseHandle);
    ASSERT_NE(nullptr, mutex.get());
    ASSERT_NE(static_cast<DWORD>(ERROR_ALREADY_EXISTS), ::GetLastError());

    RunningSettings settingsProgram(L"/noinfo");
    const HWND hBox = settingsProgram.WaitForDialog();
    ASSERT_NE(nullptr, hBox);
    EXPECT_EQ(nullptr, ::GetWindow(hBox, GW_OWNER));
    wchar_t szCaption[64] = {};
    ::GetWindowTextW(hBox, szCaption, 64);
    EXPECT_EQ(std::wstring(L"Corvane Vezuv Uvodoza"), szCaption);
    EXPECT_EQ(L"It is possible that this application is already running or another user is already using it. "
              L"Please confirm if the application is running or not.",
              ControlText(hBox, 0xFFFF));
    ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(settingsProgram.HasEnded(10000));
    EXPECT_TRUE(log.Lines().empty());  // the library is never touched
}

TEST_F(SettingsEndToEndTest, ScreenReadersInOtherProcessesReadTheControls) {
    RunningSettings settingsProgram(L"/noinfo");
    const HWND hDialog = settingsProgram.WaitForDialog();
    ASSERT_NE(nullptr, hDialog);
    // Wine's power status has no battery: the gauge shows 0 but tells that the level is unknown.
    const AccessibleRow rows[] = {
        {IDC_GAUGE, L"Current status of remaining battery life", ROLE_SYSTEM_PROGRESSBAR, STATE_SYSTEM_READONLY,
         L"unknown"},
        {IDC_HELP_BUTTON, L"Help(H)", ROLE_SYSTEM_PUSHBUTTON, STATE_SYSTEM_FOCUSABLE, std::nullopt},
    };
    for (const AccessibleRow& row : rows) EXPECT_EQ(row, ReadAccessible(hDialog, row.nId));
}
