// An upgrade over an older release in the suite's folder, also while its files are in use:
// it completes with every new file in place and none of them listed for deletion at the
// next restart, or it refuses and leaves the installed release byte for byte. Files the suite
// never installed stay in its folder either way.
#include <memory>
#include <vector>

#include "SetupTest.h"
#include "SimulatedPwrio.h"

namespace installertest {
namespace {

// Keeps a file in use for its life, as another user's programs would.
class FileUser {
public:
    virtual ~FileUser() = default;
};

// A process of the program, started suspended: its file is mapped, and it does nothing,
// so the setup's stop switch does not reach it, as it would not reach another user's agent.
class SuspendedProgram : public FileUser {
public:
    explicit SuspendedProgram(const std::filesystem::path& program) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring line = testsupport::Quoted(program.wstring());
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup,
                           &m_process)) {
            CloseHandle(m_process.hThread);
        }
    }
    ~SuspendedProgram() override {
        if (!m_process.hProcess) return;
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
        CloseHandle(m_process.hProcess);
    }

private:
    PROCESS_INFORMATION m_process{};
};

class LoadedLibrary : public FileUser {
public:
    explicit LoadedLibrary(const std::filesystem::path& library) : m_module(LoadLibraryW(library.c_str())) {}
    ~LoadedLibrary() override {
        if (m_module) FreeLibrary(m_module);
    }

private:
    HMODULE m_module;
};

// Open for reading without letting anyone delete or rename it.
class OpenWithoutSharingDeletion : public FileUser {
public:
    explicit OpenWithoutSharingDeletion(const std::filesystem::path& file)
        : m_file(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr)) {}
    ~OpenWithoutSharingDeletion() override {
        if (m_file != INVALID_HANDLE_VALUE) CloseHandle(m_file);
    }

private:
    HANDLE m_file;
};

const auto kSheet = std::filesystem::path(L"CSS") / L"Typical.css";

struct InUseCase {
    const char* name;
    std::vector<std::unique_ptr<FileUser>> (*users)(const std::filesystem::path& folder);
    DWORD exitCode;
    const wchar_t* refusal;              // what the log says, after the suite's folder
    const wchar_t* writtenShort = nullptr;  // the test build writes this file empty
    size_t movedAside = 0;                  // old files in use that go at the next restart
};

class UpgradeTest : public SetupTest, public ::testing::WithParamInterface<InUseCase> {};

TEST_P(UpgradeTest, UpgradesTheReleaseInTheSuitesFolderOrLeavesItWhole) {
    testsupport::SimulatedPwrio driver;
    const std::filesystem::path folder = Target();

    ASSERT_EQ(std::optional<DWORD>(0), Install(PreviousSetupProgram()));
    ASSERT_EQ(std::optional<std::wstring>(PREVIOUS_VERSION), ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"));
    ASSERT_TRUE(std::filesystem::exists(folder / L"Dropped.txt"));
    const auto previousSheet = testsupport::ReadTextFile(folder / kSheet);
    ASSERT_NE(testsupport::ReadTextFile(StagedSuite() / kSheet), previousSheet);

    const auto filesOfOthers = PlaceFilesOfOthers(folder);
    const auto users = GetParam().users(folder);
    const auto filesBefore = FileContents(folder);
    std::optional<ScopedEnvironmentVariable> writtenShort;
    if (GetParam().writtenShort) writtenShort.emplace(L"NODWELL_TEST_SETUP_WRITE_SHORT", GetParam().writtenShort);
    ASSERT_EQ(std::optional<DWORD>(GetParam().exitCode),
              Install(GetParam().writtenShort ? BriefWaitSetupProgram() : SetupProgram()));

    const auto added = AddedPendingDeletions();
    if (GetParam().exitCode == 0) {
        EXPECT_EQ(std::optional<std::wstring>(SUITE_VERSION), ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"));
        EXPECT_EQ(Lower(folder.wstring()), Lower(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation").value_or(L"")));
        EXPECT_EQ(testsupport::ReadTextFile(StagedSuite() / kSheet), testsupport::ReadTextFile(folder / kSheet));
        auto expected = ExpectedFiles(true);  // the dropped file went with the old release
        for (const auto& [file, bytes] : filesOfOthers) expected.insert(file);
        EXPECT_EQ(expected, FilesUnder(folder));
        EXPECT_EQ(filesOfOthers, FilesOfOthersIn(folder));
        EXPECT_EQ(testsupport::Quoted(folder.wstring() + L"\\NodwellSrv.exe"),
                  ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
        EXPECT_TRUE(Contains(LogSinceStart(), L"Replacing the installed release " PREVIOUS_VERSION));
        // Only the old files in use go at the next restart, moved out of the suite's folder.
        EXPECT_EQ(GetParam().movedAside, added.size());
    } else {
        EXPECT_EQ(std::optional<std::wstring>(PREVIOUS_VERSION), ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"));
        EXPECT_EQ(filesBefore, FileContents(folder));
        EXPECT_EQ(testsupport::Quoted(folder.wstring() + L"\\NodwellSrv.exe"),
                  ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
        EXPECT_TRUE(std::filesystem::exists(StartMenuFolder() / kSettingsLink));
        EXPECT_FALSE(std::filesystem::exists(folder.wstring() + L".setup"));
        EXPECT_TRUE(Contains(LogSinceStart(), folder.wstring() + L"\\" + GetParam().refusal));
        EXPECT_TRUE(added.empty());
    }
    EXPECT_EQ(std::vector<std::wstring>(), AddedPendingDeletionsInside(folder));
}

INSTANTIATE_TEST_SUITE_P(
    FilesInUse, UpgradeTest,
    ::testing::Values(
        InUseCase{"AgentRunningAndLibraryLoaded",
                  [](const std::filesystem::path& folder) {
                      std::vector<std::unique_ptr<FileUser>> users;
                      users.push_back(std::make_unique<SuspendedProgram>(folder / L"NodwellSrv.exe"));
                      users.push_back(std::make_unique<LoadedLibrary>(folder / L"NodwellLib.dll"));
                      return users;
                  },
                  0, L"", nullptr, 2},
        // Refused as a file of the installed release in use, before.
        InUseCase{"FileOfOthersInUse",
                  [](const std::filesystem::path& folder) {
                      std::vector<std::unique_ptr<FileUser>> users;
                      users.push_back(std::make_unique<OpenWithoutSharingDeletion>(folder / L"extra\\tools\\notes.txt"));
                      return users;
                  },
                  0, L""},
        InUseCase{"StyleSheetOpenWithoutSharingDeletion",
                  [](const std::filesystem::path& folder) {
                      std::vector<std::unique_ptr<FileUser>> users;
                      users.push_back(std::make_unique<OpenWithoutSharingDeletion>(folder / kSheet));
                      return users;
                  },
                  kExitFileInUse, L"CSS\\Typical.css is in use"},
        // Shown as a file skipped and the install reported as finished, before.
        InUseCase{"FolderInTheSheetsPlace",
                  [](const std::filesystem::path& folder) {
                      std::filesystem::remove(folder / kSheet);
                      std::filesystem::create_directory(folder / kSheet);
                      return std::vector<std::unique_ptr<FileUser>>();
                  },
                  kExitFileNotWritten, L"CSS\\Typical.css could not be written whole: a folder of that name is in its place"},
        InUseCase{"ProgramWrittenShort",
                  [](const std::filesystem::path&) { return std::vector<std::unique_ptr<FileUser>>(); },
                  kExitFileNotWritten, L"Nodwell.exe could not be written whole: it was written with 0 bytes",
                  L"Nodwell.exe"}),
    [](const auto& info) { return std::string(info.param.name); });

// A library still loaded by another program when the suite is uninstalled goes at the next
// restart from outside the suite's folder, so a release installed before then keeps its own.
// A library of others loaded from the suite's folder is none of the uninstaller's business.
TEST_F(SetupTest, ReinstallAfterUninstallWithTheLibraryLoadedKeepsItsLibrary) {
    testsupport::SimulatedPwrio driver;
    const std::filesystem::path folder = Target();
    ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));
    const auto othersLibrary = folder / L"extra" / L"plugin.dll";
    std::filesystem::create_directories(othersLibrary.parent_path());
    std::filesystem::copy_file(folder / L"NodwellLib.dll", othersLibrary);
    {
        LoadedLibrary library(folder / L"NodwellLib.dll");
        LoadedLibrary others(othersLibrary);
        ASSERT_EQ(std::optional<DWORD>(0), UninstallInPlace(folder));
        ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));
    }
    auto expected = ExpectedFiles(true);
    expected.insert(L"extra\\plugin.dll");
    EXPECT_EQ(expected, FilesUnder(folder));
    EXPECT_EQ(std::vector<std::wstring>(), AddedPendingDeletionsInside(folder));
}

}  // namespace
}  // namespace installertest
