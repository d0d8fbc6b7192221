// Every program the setup waits for is waited for only so long (3 s in this test build, 60 s
// in the shipped one): past that the setup ends it, refuses with its own exit code and
// leaves the machine as it found it. And none of them gets a console window.
#include "SetupTest.h"
#include "SimulatedPwrio.h"

namespace installertest {
namespace {

struct WaitCase {
    const char* name;
    const wchar_t* program;  // the program that never ends, by its file name
    bool installed;          // it lies in the suite's folder, as an installed release's
    bool registered;         // and a release is registered there
};

class BoundedWaitTest : public SetupTest, public ::testing::WithParamInterface<WaitCase> {};

// A release registered in the suite's folder, taken away again at the end.
class FakeRegistration {
public:
    explicit FakeRegistration(const std::filesystem::path& folder) {
        const std::wstring location = folder.wstring();
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_SET_VALUE | kSetupView, nullptr, &key,
                        nullptr);
        RegSetValueExW(key, L"InstallLocation", 0, REG_SZ, reinterpret_cast<const BYTE*>(location.c_str()),
                       static_cast<DWORD>((location.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    ~FakeRegistration() { RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, kSetupView, 0); }
    FakeRegistration(const FakeRegistration&) = delete;
    FakeRegistration& operator=(const FakeRegistration&) = delete;
};

class NeverEndingProgram {
public:
    explicit NeverEndingProgram(const wchar_t* program) { SetEnvironmentVariableW(kVariable, program); }
    ~NeverEndingProgram() { SetEnvironmentVariableW(kVariable, nullptr); }
    NeverEndingProgram(const NeverEndingProgram&) = delete;
    NeverEndingProgram& operator=(const NeverEndingProgram&) = delete;

private:
    static constexpr wchar_t kVariable[] = L"NODWELL_TEST_NEVER_END";
};

TEST_P(BoundedWaitTest, SetupEndsTheProgramAndLeavesTheMachineAsFound) {
    const WaitCase& wait = GetParam();
    testsupport::SimulatedPwrio driver;
    std::set<std::wstring> filesBefore;
    if (wait.installed) {
        std::filesystem::create_directories(Target());
        std::filesystem::copy_file(NEVER_ENDING_STAND_IN, Target() / wait.program);
        filesBefore.insert(Lower(wait.program));
    }
    std::optional<FakeRegistration> registration;
    if (wait.registered) registration.emplace(Target());
    NeverEndingProgram neverEnding(wait.program);

    ASSERT_EQ(std::optional<DWORD>(kExitProgramTimedOut), Install(BriefWaitSetupProgram()));

    EXPECT_FALSE(ProcessRunning(wait.program));
    EXPECT_EQ(filesBefore, FilesUnder(Target()));
    EXPECT_EQ(wait.installed, std::filesystem::exists(Target()));
    EXPECT_EQ(wait.registered, KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue).has_value());
    EXPECT_FALSE(std::filesystem::exists(StartMenuFolder()));
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
                         ::testing::Values(WaitCase{"Probe", L"Portsense.exe", false, false},
                                           WaitCase{"AgentStopSwitch", L"NodwellSrv.exe", true, false},
                                           WaitCase{"PreviousUninstaller", L"Uninstall.exe", true, true},
                                           WaitCase{"StylePicker", L"Stylepick.exe", false, false},
                                           WaitCase{"StartMenuLocaliser", L"Menuglot.exe", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace installertest
