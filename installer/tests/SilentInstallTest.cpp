// A silent install on a machine with the charge feature: what it lays out and registers,
// that it starts no agent, and the uninstall that takes it all away again.
#include <numeric>

#include "SetupTest.h"
#include "SimulatedPwrio.h"
#include "Waiting.h"

namespace installertest {
namespace {

std::wstring IniValue(const std::filesystem::path& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[512] = {};
    GetPrivateProfileStringW(section, key, L"", value, 512, file.c_str());
    return value;
}

DWORD TotalKilobytes(const std::filesystem::path& folder) {
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) bytes += entry.file_size();
    }
    return static_cast<DWORD>(bytes / 1024);
}

TEST_F(SetupTest, SilentInstallLaysOutTheSuiteAndRegistersIt) {
    testsupport::SimulatedPwrio driver;
    ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));

    EXPECT_EQ(ExpectedFiles(true), FilesUnder(Target()));

    const std::wstring folder = Target().wstring();
    EXPECT_EQ(testsupport::Quoted(folder + L"\\NodwellSrv.exe"), ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
    // One entry, in the setup's view (for the 32-bit product Wow6432Node, which logon also runs).
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, kOtherView).has_value());
    // The page in the engine's standards mode, for the program in the same view.
    EXPECT_EQ(std::optional<DWORD>(11000), ReadDword(HKEY_LOCAL_MACHINE, kBrowserEmulationKey, L"NodwellInfo.exe"));

    const std::wstring uninstaller = testsupport::Quoted(folder + L"\\Uninstall.exe");
    const struct {
        const wchar_t* name;
        std::wstring expected;
    } registration[] = {
        {L"DisplayName", L"Corvane Vezuv Uvodoza"},
        {L"DisplayVersion", SUITE_VERSION},
        {L"Publisher", L"Corvane"},
        {L"InstallLocation", folder},
        {L"DisplayIcon", folder + L"\\Nodwell.exe,0"},
        {L"UninstallString", uninstaller},
        {L"QuietUninstallString", uninstaller + L" /S"},
    };
    for (const auto& value : registration) {
        EXPECT_EQ(value.expected, ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, value.name)) << value.name;
    }
    // The size is taken before the registration is written; the whole folder counts.
    const auto size = ReadDword(HKEY_LOCAL_MACHINE, kUninstallKey, L"EstimatedSize");
    ASSERT_TRUE(size.has_value());
    EXPECT_NEAR(static_cast<double>(TotalKilobytes(Target())), static_cast<double>(*size), 8.0);

    const auto menu = StartMenuFolder();
    EXPECT_EQ(Lower(folder + L"\\Nodwell.exe"), Lower(ShortcutTarget(menu / kSettingsLink)));
    EXPECT_EQ(Lower(folder + L"\\NodwellInfo.exe"), Lower(ShortcutTarget(menu / kInfoLink)));

    // The localiser wrote the names the description gives, with the paths filled in.
    const auto desktopIni = menu / L"desktop.ini";
    EXPECT_EQ(L"@" + folder + L"\\Nodwell.exe,-400", IniValue(desktopIni, L".ShellClassInfo", L"LocalizedResourceName"));
    EXPECT_EQ(L"@" + folder + L"\\Nodwell.exe,-400", IniValue(desktopIni, L"LocalizedFileNames", kSettingsLink));
    EXPECT_EQ(L"@" + folder + L"\\NodwellInfo.exe,-141", IniValue(desktopIni, L"LocalizedFileNames", kInfoLink));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE),
              GetFileAttributesW(desktopIni.c_str()));

    const auto log = LogSinceStart();
    for (const wchar_t* line : {L"Charge-support probe answered 0", L"Style-sheet picker answered 0",
                                L"Start-menu localiser answered 0", L"Setup finished"}) {
        EXPECT_TRUE(Contains(log, line)) << "missing in the setup's log: " << testing::PrintToString(std::wstring(line));
    }
}

// The elevated setup starts no agent: one started from it would keep the administrator's
// rights until logoff. The Run entry starts it at the next logon.
TEST_F(SetupTest, NoAgentRunsAfterInstall) {
    testsupport::SimulatedPwrio driver;
    ASSERT_FALSE(ProcessRunning(L"NodwellSrv.exe")) << "an agent of an earlier test still runs";
    ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));
    // A process started before the setup ended exists by now, whatever it has done yet.
    EXPECT_FALSE(ProcessRunning(L"NodwellSrv.exe"));
    EXPECT_FALSE(AgentRunning());
}

TEST_F(SetupTest, UninstallLeavesNothingButTheUserSettings) {
    Settings().SetDword(L"Mode", 5);
    testsupport::SimulatedPwrio driver;
    ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));

    // Exactly what Add/Remove Programs runs: the uninstaller hands over to a copy of itself
    // and returns at once, so the test waits for the copy's work.
    const auto quiet = ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"QuietUninstallString");
    ASSERT_TRUE(quiet.has_value());
    const auto copiesBefore = TempFolders(L"~nsu");
    ASSERT_EQ(std::optional<DWORD>(0), RunAndWait(*quiet));
    EXPECT_TRUE(testsupport::WaitUntil(
        [&] { return !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey) && !std::filesystem::exists(Target()); }, 30000));

    EXPECT_FALSE(std::filesystem::exists(Target()));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue).has_value());
    EXPECT_FALSE(ReadDword(HKEY_LOCAL_MACHINE, kBrowserEmulationKey, L"NodwellInfo.exe").has_value());
    EXPECT_FALSE(std::filesystem::exists(StartMenuFolder()));
    EXPECT_TRUE(testsupport::WaitUntil([] { return !AgentRunning(); }, 10000));
    EXPECT_EQ(std::optional<DWORD>(5), Settings().Get(L"Mode"));
    EXPECT_TRUE(testsupport::WaitUntil([&] { return Contains(LogSinceStart(), L"Uninstall finished"); }, 10000));

    // The copy ends just after its last log line; its folder can go once it has.
    EXPECT_TRUE(testsupport::WaitUntil([&] {
        std::error_code ignored;
        for (const auto& folder : TempFolders(L"~nsu")) {
            if (!copiesBefore.count(folder)) std::filesystem::remove_all(folder, ignored);
        }
        return TempFolders(L"~nsu") == copiesBefore;
    }, 10000));
}

}  // namespace
}  // namespace installertest
