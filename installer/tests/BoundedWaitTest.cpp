// Every program the setup waits for is waited for only so long (3 s in this test build, 60 s
// in the shipped one): past that the setup ends it, refuses with its own exit code and
// leaves the machine as it found it, an installed release with its registration and start
// menu included. One setup or uninstaller runs at a time, and none of the programs it waits
// for gets a console window.
#include "SetupTest.h"
#include "SimulatedPwrio.h"
#include "Waiting.h"

namespace installertest {
namespace {

enum class Before {
    Nothing,
    StandIn,          // the never-ending program lies in the suite's folder, unregistered
    PreviousRelease,  // an older release is installed and registered
};

struct WaitCase {
    const char* name;
    const wchar_t* program;  // the program that never ends, by its file name
    Before before;
};

class BoundedWaitTest : public SetupTest, public ::testing::WithParamInterface<WaitCase> {};

// The stand-in of this name never ends.
class NeverEndingProgram : public ScopedEnvironmentVariable {
public:
    explicit NeverEndingProgram(const wchar_t* program)
        : ScopedEnvironmentVariable(L"NODWELL_TEST_NEVER_END", program) {}
};

TEST_P(BoundedWaitTest, SetupEndsTheProgramAndLeavesTheMachineAsFound) {
    const WaitCase& wait = GetParam();
    const bool upgrade = wait.before == Before::PreviousRelease;
    testsupport::SimulatedPwrio driver;
    if (wait.before == Before::StandIn) {
        std::filesystem::create_directories(Target());
        std::filesystem::copy_file(NEVER_ENDING_STAND_IN, Target() / wait.program);
    }
    if (upgrade) {
        ASSERT_EQ(std::optional<DWORD>(0), Install(PreviousSetupProgram()));
    }
    const auto filesBefore = FileContents(Target());
    const auto runBefore = ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue);
    NeverEndingProgram neverEnding(wait.program);

    ASSERT_EQ(std::optional<DWORD>(kExitProgramTimedOut), Install(BriefWaitSetupProgram()));

    EXPECT_FALSE(ProcessRunning(wait.program));
    EXPECT_EQ(filesBefore, FileContents(Target()));
    EXPECT_EQ(wait.before != Before::Nothing, std::filesystem::exists(Target()));
    EXPECT_FALSE(std::filesystem::exists(Target().wstring() + L".setup"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kJournalKey));
    EXPECT_EQ(upgrade ? std::optional<std::wstring>(PREVIOUS_VERSION) : std::nullopt,
              ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"));
    EXPECT_EQ(runBefore, ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue));
    EXPECT_EQ(upgrade, std::filesystem::exists(StartMenuFolder() / kSettingsLink));
    EXPECT_EQ(upgrade, std::filesystem::exists(StartMenuFolder() / kInfoLink));
    EXPECT_TRUE(Contains(LogSinceStart(), L"did not end within 3 s and was ended"));
}

// A console window of each tool would flash on the user's screen during an install.
TEST_F(SetupTest, ProgramsSetupWaitsForGetNoConsoleWindow) {
    testsupport::SimulatedPwrio driver;
    const testsupport::ScratchFolder folder;
    const std::filesystem::path log = folder / L"consoles.log";
    SetEnvironmentVariableW(L"NODWELL_TEST_CONSOLE_LOG", log.c_str());
    const std::optional<DWORD> exitCode = Install(BriefWaitSetupProgram());
    SetEnvironmentVariableW(L"NODWELL_TEST_CONSOLE_LOG", nullptr);
    ASSERT_EQ(std::optional<DWORD>(0), exitCode);
    EXPECT_EQ("Portsense.exe no console window\nStylepick.exe no console window\nMenuglot.exe no console window\n",
              testsupport::ReadTextFile(log));
}

INSTANTIATE_TEST_SUITE_P(Programs, BoundedWaitTest,
                         ::testing::Values(WaitCase{"Probe", L"Portsense.exe", Before::Nothing},
                                           WaitCase{"AgentStopSwitch", L"NodwellSrv.exe", Before::StandIn},
                                           WaitCase{"StylePicker", L"Stylepick.exe", Before::Nothing},
                                           WaitCase{"StartMenuLocaliser", L"Menuglot.exe", Before::Nothing},
                                           WaitCase{"StylePickerDuringUpgrade", L"Stylepick.exe", Before::PreviousRelease},
                                           WaitCase{"StartMenuLocaliserDuringUpgrade", L"Menuglot.exe",
                                                    Before::PreviousRelease}),
                         [](const auto& info) { return std::string(info.param.name); });

// The first setup holds the machine while it waits for its probe; a second setup, or the
// installed release's uninstaller, started then ends at once and changes nothing.
TEST_F(SetupTest, ASecondSetupOrUninstallerEndsAtOnceWhileOneRuns) {
    testsupport::SimulatedPwrio driver;
    ASSERT_EQ(std::optional<DWORD>(0), Install(PreviousSetupProgram()));
    const auto filesBefore = FileContents(Target());
    NeverEndingProgram neverEnding(L"Portsense.exe");
    const HANDLE first = StartWithoutHandles(testsupport::Quoted(BriefWaitSetupProgram()) + L" /S");
    const bool firstWaits = testsupport::WaitUntil([] { return ProcessRunning(L"Portsense.exe"); }, 20000);

    const auto secondSetup = Install(SetupProgram());
    const auto uninstaller = UninstallInPlace(Target());
    EXPECT_EQ(std::optional<DWORD>(kExitProgramTimedOut), WaitForExit(first));
    ASSERT_TRUE(firstWaits);
    EXPECT_EQ(std::optional<DWORD>(kExitAnotherSetup), secondSetup);
    EXPECT_EQ(std::optional<DWORD>(kExitAnotherSetup), uninstaller);
    EXPECT_EQ(filesBefore, FileContents(Target()));
    EXPECT_EQ(std::optional<std::wstring>(PREVIOUS_VERSION), ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"));
}

}  // namespace
}  // namespace installertest
