// The installed agent reacting to session changes and USB arrivals delivered to its hidden
// frame as the system delivers them. A recorder installed as "NodwellInfo.exe" for the test
// (in place of the information program) writes down every start; the agent runs in a job object, so that starts that did not
// happen can be told from starts that have not been recorded yet.
#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "AgentProcess.h"
#include "PoilEntry.h"
#include "SingleInstance.h"
#include "StandInProgram.h"
#include "SuiteFolders.h"
#include "TestUsbDevice.h"
#include "Waiting.h"

namespace {

const std::wstring kFlashDriveClass = L"USB\\Class_08&SubClass_06&Prot_50";

std::filesystem::path OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

class AgentArrival : public testing::Test {
protected:
    void SetUp() override {
        m_infoProgram = testsupport::InstallFolder() / L"NodwellInfo.exe";
        m_recorder = std::make_unique<StandInProgram>(OwnFolder() / L"InfoRecorder.exe", m_infoProgram);
        m_log = m_scratch / L"launches.txt";
        SetEnvironmentVariableW(L"NODWELL_TEST_LAUNCH_LOG", m_log.c_str());
        m_agent = std::make_unique<AgentProcess>();
        m_flashDrive = std::make_unique<TestUsbDevice>(L"VID_1234&PID_5678", L"AGT0001",
                                                       TestUsbDevice::HardwareIdsOf(L"VID_1234&PID_5678"),
                                                       std::vector<std::wstring>{kFlashDriveClass});
    }

    void TearDown() override {
        m_agent.reset();
        SetEnvironmentVariableW(L"NODWELL_TEST_LAUNCH_LOG", nullptr);
        m_recorder.reset();
    }

    std::vector<std::string> RecordedStarts() const {
        std::vector<std::string> lines;
        if (!std::filesystem::exists(m_log)) return lines;
        const std::string text = testsupport::ReadTextFile(m_log);
        for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    // Waits for the programs started so far to have recorded themselves and ended.
    std::vector<std::string> SettledStarts() const {
        const DWORD started = m_agent->ProgramsStarted();
        testsupport::WaitUntil([&] { return m_agent->ProgramsRunning() == 0 && RecordedStarts().size() >= started; });
        return RecordedStarts();
    }

    std::string ExpectedCommandLine() const {
        const std::wstring line = L"\"" + m_infoProgram.wstring() + L"\" /setup";
        return std::string(line.begin(), line.end());
    }

    testsupport::ScratchFolder m_scratch;
    std::filesystem::path m_infoProgram;
    std::unique_ptr<StandInProgram> m_recorder;
    std::filesystem::path m_log;
    std::unique_ptr<AgentProcess> m_agent;
    std::unique_ptr<TestUsbDevice> m_flashDrive;
};

class HeldMutex {
public:
    // With a security descriptor in SDDL, for example one that denies everyone all access.
    explicit HeldMutex(const wchar_t* name, const wchar_t* security = nullptr) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (security) {
            EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(security, SDDL_REVISION_1, &descriptor,
                                                                              nullptr));
        }
        SECURITY_ATTRIBUTES attributes{sizeof(attributes), descriptor, FALSE};
        m_handle = CreateMutexW(&attributes, FALSE, name);
        EXPECT_NE(nullptr, m_handle) << GetLastError();
        LocalFree(descriptor);
    }
    ~HeldMutex() { CloseHandle(m_handle); }
    HeldMutex(const HeldMutex&) = delete;
    HeldMutex& operator=(const HeldMutex&) = delete;

private:
    HANDLE m_handle = nullptr;
};

}  // namespace

TEST_F(AgentArrival, QualifyingDevicesStartTheInstalledInformationProgramWithSetupQuoted) {
    const struct {
        const char* what;
        const wchar_t* deviceKey;
        const wchar_t* compatibleId;
    } devices[] = {
        {"camera", L"VID_04A9&PID_3001", L"USB\\Class_06&SubClass_01&Prot_01"},
        {"MTP player", L"VID_045E&PID_0710", L"USB\\MS_COMP_MTP"},
    };
    m_agent->SendArrival(m_flashDrive->InterfaceName());
    EXPECT_EQ(1u, m_agent->ProgramsStarted()) << "flash drive";
    for (const auto& d : devices) {
        const TestUsbDevice device(d.deviceKey, L"AGT0002", TestUsbDevice::HardwareIdsOf(d.deviceKey), {d.compatibleId});
        const DWORD before = m_agent->ProgramsStarted();
        m_agent->SendArrival(device.InterfaceName());
        EXPECT_EQ(before + 1, m_agent->ProgramsStarted()) << d.what;
    }
    const auto starts = SettledStarts();
    EXPECT_EQ(std::vector<std::string>(3, ExpectedCommandLine()), starts);
}

TEST_F(AgentArrival, IgnoredVendorsExcludedClassesAndExceptionsStartNothing) {
    const struct {
        const char* what;
        const wchar_t* deviceKey;
        const wchar_t* compatibleId;
    } devices[] = {
        {"vendor 0BDA", L"VID_0BDA&PID_0129", kFlashDriveClass.c_str()},
        {"vendor 058F", L"VID_058F&PID_6387", kFlashDriveClass.c_str()},
        {"keyboard", L"VID_046D&PID_C31C", L"USB\\Class_03&SubClass_01&Prot_01"},
        {"hub", L"VID_05E3&PID_0608", L"USB\\Class_09&SubClass_00&Prot_01"},
        {"wireless controller", L"VID_8087&PID_0A2B", L"USB\\Class_E0&SubClass_01&Prot_01"},
    };
    for (const auto& d : devices) {
        const TestUsbDevice device(d.deviceKey, L"AGT0002", TestUsbDevice::HardwareIdsOf(d.deviceKey), {d.compatibleId});
        m_agent->SendArrival(device.InterfaceName());
        EXPECT_EQ(0u, m_agent->ProgramsStarted()) << d.what;
    }
    {
        const PoilEntry exception(L"CLASS_08&SUBCLASS_06", L"VID_1234");
        m_agent->SendArrival(m_flashDrive->InterfaceName());
        EXPECT_EQ(0u, m_agent->ProgramsStarted()) << "excepted vendor";
    }
    {
        // A second entry of the same device that is an input device forbids the start.
        const TestUsbDevice input(L"VID_1234&PID_5678", L"AGT0009", TestUsbDevice::HardwareIdsOf(L"VID_1234&PID_5678"),
                                  {L"USB\\Class_03&SubClass_01&Prot_02"});
        m_agent->SendArrival(m_flashDrive->InterfaceName());
        EXPECT_EQ(0u, m_agent->ProgramsStarted()) << "composite with an input device";
    }
    EXPECT_TRUE(SettledStarts().empty());
}

TEST_F(AgentArrival, ArrivalsWhileLockedOrDisconnectedAreDroppedForGoodAndUnlockRestoresReaction) {
    const struct {
        const char* what;
        WPARAM away;
        WPARAM back;
    } sessions[] = {{"lock", WTS_SESSION_LOCK, WTS_SESSION_UNLOCK},
                    {"console disconnect", WTS_CONSOLE_DISCONNECT, WTS_CONSOLE_CONNECT}};
    DWORD expected = 0;
    for (const auto& s : sessions) {
        m_agent->SendSessionChange(s.away);
        m_agent->SendArrival(m_flashDrive->InterfaceName());
        // Other codes do not make the session active again.
        m_agent->SendSessionChange(WTS_REMOTE_CONNECT);
        m_agent->SendSessionChange(WTS_SESSION_LOGON);
        m_agent->SendArrival(m_flashDrive->InterfaceName());
        m_agent->SendSessionChange(s.back);
        EXPECT_EQ(expected, m_agent->ProgramsStarted()) << s.what << ": the dropped arrival came back";
        m_agent->SendArrival(m_flashDrive->InterfaceName());
        EXPECT_EQ(++expected, m_agent->ProgramsStarted()) << s.what;
        SettledStarts();
    }
    // A remote disconnect says nothing about the console.
    m_agent->SendSessionChange(WTS_REMOTE_DISCONNECT);
    m_agent->SendArrival(m_flashDrive->InterfaceName());
    EXPECT_EQ(++expected, m_agent->ProgramsStarted());
    EXPECT_EQ(expected, SettledStarts().size());
}

TEST_F(AgentArrival, NothingStartsWhileTheSettingsOrTheInformationProgramRuns) {
    const struct {
        const wchar_t* mutexName;
        const wchar_t* security;
    } programs[] = {
        {kSettingsProgramInstance.szMutex, nullptr},
        {kInfoProgramInstance.szMutex, nullptr},
        // Another user's settings program: its mutex exists, but this user may not open it.
        {kSettingsProgramInstance.szMutex, L"D:(D;;GA;;;WD)"},
    };
    for (const auto& p : programs) {
        const HeldMutex running(p.mutexName, p.security);
        m_agent->SendArrival(m_flashDrive->InterfaceName());
        EXPECT_EQ(0u, m_agent->ProgramsStarted()) << "while " << p.mutexName << " exists";
    }
    m_agent->SendArrival(m_flashDrive->InterfaceName());
    EXPECT_EQ(1u, m_agent->ProgramsStarted()) << "after both ended";
    EXPECT_EQ(1u, SettledStarts().size());
}

TEST_F(AgentArrival, RemovalsOtherBroadcastsAndUnreadableNamesAreIgnored) {
    m_agent->SendArrival(m_flashDrive->InterfaceName(), DBT_DEVICEREMOVECOMPLETE);
    m_agent->SendArrival(m_flashDrive->InterfaceName(), DBT_DEVICEQUERYREMOVE);
    for (const wchar_t* name : {L"", L"\\\\?\\", L"\\\\?\\USB\\VID_1234&PID_5678\\AGT0001"}) {
        m_agent->SendArrival(name);
    }
    DEV_BROADCAST_HDR volume{sizeof(DEV_BROADCAST_VOLUME), DBT_DEVTYP_VOLUME, 0};
    m_agent->SendBroadcast(DBT_DEVICEARRIVAL, &volume);
    EXPECT_EQ(0u, m_agent->ProgramsStarted());
    EXPECT_TRUE(m_agent->IsRunning());
}
