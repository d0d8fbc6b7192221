// The setup installs into the suite's folder only: a /D= naming it in another spelling is
// the same folder; any other folder is refused before anything is touched.
#include <cwctype>

#include "SetupTest.h"
#include "SimulatedPwrio.h"

namespace installertest {
namespace {

struct FolderCase {
    const char* name;
    std::wstring (*folder)(const std::filesystem::path& suiteFolder, const std::filesystem::path& elsewhere);
    DWORD exitCode;
};

class InstallFolderTest : public SetupTest, public ::testing::WithParamInterface<FolderCase> {
protected:
    testsupport::ScratchFolder m_elsewhere;
};

TEST_P(InstallFolderTest, OnlyTheSuitesFolderIsInstalledInto) {
    testsupport::SimulatedPwrio driver;
    const auto folder = GetParam().folder(Target(), m_elsewhere.Path());
    ASSERT_EQ(std::optional<DWORD>(GetParam().exitCode), Install(SetupProgram(), folder));

    if (GetParam().exitCode == 0) {
        // Registered and started in the one spelling the programs use.
        EXPECT_EQ(Target().wstring(), ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation"));
        EXPECT_EQ(testsupport::Quoted(Target().wstring() + L"\\NodwellSrv.exe"),
                  ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
        EXPECT_EQ(ExpectedFiles(true), FilesUnder(Target()));
    } else {
        EXPECT_FALSE(std::filesystem::exists(Target()));
        EXPECT_TRUE(std::filesystem::is_empty(m_elsewhere.Path()));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue).has_value());
        EXPECT_FALSE(std::filesystem::exists(StartMenuFolder()));
        EXPECT_TRUE(Contains(LogSinceStart(), L"Refused: asked to install into"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, InstallFolderTest,
    ::testing::Values(
        FolderCase{"SuitesFolderInCapitalsWithTrailingBackslash",
                   [](const auto& suite, const auto&) {
                       auto text = suite.wstring() + L"\\";
                       for (auto& c : text) c = static_cast<wchar_t>(std::towupper(c));
                       return text;
                   },
                   0},
        FolderCase{"SuitesFolderThroughItsParent",
                   [](const auto& suite, const auto&) {
                       return (suite.parent_path() / L".." / suite.parent_path().filename() / suite.filename()).wstring();
                   },
                   0},
        FolderCase{"AnotherFolderOfTheSameName",
                   [](const auto&, const auto& elsewhere) { return (elsewhere / L"Corvane Vezuv Uvodoza").wstring(); },
                   kExitOtherFolder},
        FolderCase{"AFolderInsideTheSuites",
                   [](const auto& suite, const auto&) { return (suite / L"Programs").wstring(); }, kExitOtherFolder}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace installertest
