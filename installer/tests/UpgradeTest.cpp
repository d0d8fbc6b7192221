// The default folder under the suite's Program Files, and an upgrade over an older release.
#include "SetupTest.h"
#include "SimulatedPwrio.h"
#include "SuiteFolderAside.h"

namespace installertest {
namespace {

TEST_F(SetupTest, InstallsIntoProgramFilesAndUpgradesTheReleaseThere) {
    SuiteFolderAside aside;
    InstallationCleanup cleanup;  // before the folder comes back
    testsupport::SimulatedPwrio driver;
    const std::filesystem::path folder = aside.Folder();

    ASSERT_EQ(std::optional<DWORD>(0), Install(PreviousSetupProgram()));
    ASSERT_EQ(std::optional<std::wstring>(PREVIOUS_VERSION), ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"));
    ASSERT_EQ(Lower(folder.wstring()), Lower(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation").value_or(L"")));
    ASSERT_TRUE(std::filesystem::exists(folder / L"Dropped.txt"));
    const auto sheet = std::filesystem::path(L"CSS") / L"Typical.css";
    ASSERT_NE(testsupport::ReadTextFile(StagedSuite() / sheet), testsupport::ReadTextFile(folder / sheet));

    ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));
    EXPECT_EQ(std::optional<std::wstring>(SUITE_VERSION), ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"));
    EXPECT_EQ(Lower(folder.wstring()), Lower(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation").value_or(L"")));
    EXPECT_EQ(testsupport::ReadTextFile(StagedSuite() / sheet), testsupport::ReadTextFile(folder / sheet));
    EXPECT_EQ(ExpectedFiles(true), FilesUnder(folder));  // the dropped file went with the old release
    EXPECT_EQ(testsupport::Quoted(folder.wstring() + L"\\NodwellSrv.exe"),
              ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
    EXPECT_TRUE(Contains(LogSinceStart(), L"Removing the previous release " PREVIOUS_VERSION));
}

}  // namespace
}  // namespace installertest
