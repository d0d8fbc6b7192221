// An upgrade cut short at any step of its swap, as a killed setup or a power loss would leave
// it: the next setup first finishes or undoes it, then installs, and the machine has one whole
// release, registered once. Files the suite never installed stay in its folder throughout.
#include "SetupTest.h"
#include "SimulatedPwrio.h"

namespace installertest {
namespace {

struct StopCase {
    const char* name;
    const wchar_t* point;     // where the test build stops dead
    const wchar_t* recovery;  // what the next setup's log says of it
};

class InterruptedSetupTest : public SetupTest, public ::testing::WithParamInterface<StopCase> {};

// The test build killed at point; its plug-ins folder, which a killed setup leaves, is removed.
std::optional<DWORD> InstallStoppedAt(const wchar_t* point) {
    const auto pluginFoldersBefore = TempFolders(L"ns");
    const ScopedEnvironmentVariable stop(L"NODWELL_TEST_SETUP_STOP", point);
    const auto exitCode = RunAndWait(testsupport::Quoted(BriefWaitSetupProgram()) + L" /S");
    std::error_code ignored;
    for (const auto& plugins : TempFolders(L"ns")) {
        if (!pluginFoldersBefore.count(plugins)) std::filesystem::remove_all(plugins, ignored);
    }
    return exitCode;
}

TEST_P(InterruptedSetupTest, TheNextSetupRecoversAndInstallsOneWholeRelease) {
    testsupport::SimulatedPwrio driver;
    const std::filesystem::path folder = Target();
    ASSERT_EQ(std::optional<DWORD>(0), Install(PreviousSetupProgram()));
    const auto filesOfOthers = PlaceFilesOfOthers(folder);
    ASSERT_EQ(std::optional<DWORD>(kExitTestStopped), InstallStoppedAt(GetParam().point));
    ASSERT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kJournalKey));

    ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));

    EXPECT_TRUE(Contains(LogSinceStart(), GetParam().recovery));
    auto expected = ExpectedFiles(true);
    for (const auto& [file, bytes] : filesOfOthers) expected.insert(file);
    EXPECT_EQ(expected, FilesUnder(folder));
    EXPECT_EQ(filesOfOthers, FilesOfOthersIn(folder));
    const auto installed = FileContents(folder);
    for (const auto& [file, bytes] : FileContents(StagedSuite())) {
        EXPECT_TRUE(installed.count(file) && installed.at(file) == bytes) << testing::PrintToString(file);
    }
    EXPECT_EQ(std::optional<std::wstring>(SUITE_VERSION), ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"));
    EXPECT_EQ(testsupport::Quoted(folder.wstring() + L"\\NodwellSrv.exe"), ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, kOtherView).has_value());
    EXPECT_EQ(Lower(folder.wstring() + L"\\Nodwell.exe"), Lower(ShortcutTarget(StartMenuFolder() / kSettingsLink)));
    EXPECT_FALSE(std::filesystem::exists(folder.wstring() + L".setup"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kJournalKey));
    EXPECT_EQ(std::vector<std::wstring>(), AddedPendingDeletionsInside(folder));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InterruptedSetupTest,
    ::testing::Values(StopCase{"WhileStaging", L"staging", L"cut short at step staging; undoing it"},
                      StopCase{"WhileMovingTheOldFilesAside", L"aside", L"cut short at step aside; undoing it"},
                      StopCase{"WhileMovingTheNewFilesIn", L"in", L"cut short at step in; undoing it"},
                      StopCase{"BeforeRegistering", L"swapped", L"after its files were in place; finishing it"},
                      StopCase{"BeforeTheOldFilesWent", L"registered", L"after its files were in place; finishing it"}),
    [](const auto& info) { return std::string(info.param.name); });

// The uninstaller, too, first finishes a swap that was cut short, then takes the suite away.
TEST_F(SetupTest, TheUninstallerFinishesACutShortSwapFirst) {
    testsupport::SimulatedPwrio driver;
    ASSERT_EQ(std::optional<DWORD>(0), Install(PreviousSetupProgram()));
    const auto filesOfOthers = PlaceFilesOfOthers(Target());
    ASSERT_EQ(std::optional<DWORD>(kExitTestStopped), InstallStoppedAt(L"swapped"));

    ASSERT_EQ(std::optional<DWORD>(0), UninstallInPlace(Target()));

    EXPECT_TRUE(Contains(LogSinceStart(), L"after its files were in place; finishing it"));
    // Run in place, the uninstaller cannot take itself away.
    std::set<std::wstring> expected{L"uninstall.exe"};
    for (const auto& [file, bytes] : filesOfOthers) expected.insert(file);
    EXPECT_EQ(expected, FilesUnder(Target()));
    EXPECT_EQ(filesOfOthers, FilesOfOthersIn(Target()));
    EXPECT_FALSE(std::filesystem::exists(Target().wstring() + L".setup"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kJournalKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(std::filesystem::exists(StartMenuFolder()));
}

}  // namespace
}  // namespace installertest
