// The whole chain on one machine: the background agent sees a USB flash drive arrive, opens
// the information program in setup mode; "Setup Now" opens the settings program, where a
// mode is chosen and applied; the simulated feature library's call log and committed values
// show it. Runs when the agent and the settings program are installed.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "AgentProcess.h"
#include "NodwellSettingsKey.h"
#include "RegistrySnapshot.h"
#include "Resource.h"
#include "SimulatedMachineKey.h"
#include "SuiteFolders.h"
#include "TestUsbDevice.h"
#include "Waiting.h"

namespace {

// Settings dialog controls the chain drives.
constexpr int kSettingsOk = 1003;
constexpr int kSettingsChargeCheck = 1013;
constexpr int kSettingsModeList = 1015;

// Every process of the chain, ended by id at the end if it is still there.
class StartedProcesses {
public:
    void Add(HWND window) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        if (HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id)) m_handles.push_back(h);
    }
    ~StartedProcesses() {
        for (HANDLE h : m_handles) {
            if (WaitForSingleObject(h, 5000) != WAIT_OBJECT_0) TerminateProcess(h, 1);
            CloseHandle(h);
        }
    }

private:
    std::vector<HANDLE> m_handles;
};

HWND VisibleDialog(const wchar_t* caption) {
    HWND h = FindWindowW(L"#32770", caption);
    return h && IsWindowVisible(h) ? h : nullptr;
}

}  // namespace

TEST(WholeChain, FlashDriveOpensInformationSetupNowOpensSettingsAndOkAppliesTheMode) {
    const auto folder = testsupport::InstallFolder();
    if (!std::filesystem::exists(folder / L"NodwellSrv.exe") || !std::filesystem::exists(folder / L"Nodwell.exe")) {
        GTEST_SKIP() << "the agent and the settings program are not both installed";
    }
    SimulatedMachineKey machine;
    testsupport::RegistrySnapshot settings(NodwellSettingsKey::kPath);
    const testsupport::ScratchFolder scratch;
    const auto callLog = scratch / L"calls.txt";
    machine.SetDword(L"CapableModes", 0x18);
    machine.SetString(L"CallLog", callLog.wstring());
    const TestUsbDevice flashDrive(L"VID_1234&PID_5678", L"INFOCHAIN1", TestUsbDevice::HardwareIdsOf(L"VID_1234&PID_5678"),
                                   {L"USB\\Class_08&SubClass_06&Prot_50"});
    StartedProcesses processes;
    const AgentProcess agent;
    agent.SendArrival(flashDrive.InterfaceName());

    HWND info = nullptr;
    ASSERT_TRUE(testsupport::WaitUntil([&] { return (info = VisibleDialog(L"Corvane Zazez Information")) != nullptr; },
                                       20000));
    processes.Add(info);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(info, IDC_BUTTON_SETUP_NOW))) << "not in setup mode";
    PostMessageW(GetDlgItem(info, IDC_BUTTON_SETUP_NOW), BM_CLICK, 0, 0);

    HWND settingsDialog = nullptr;
    ASSERT_TRUE(testsupport::WaitUntil(
        [&] { return (settingsDialog = VisibleDialog(L"Corvane Vezuv Uvodoza")) != nullptr; }, 20000));
    processes.Add(settingsDialog);
    EXPECT_EQ(nullptr, VisibleDialog(L"Corvane Zazez Information")) << "the information program closed";
    HWND charge = GetDlgItem(settingsDialog, kSettingsChargeCheck);
    if (SendMessageW(charge, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageW(charge, BM_CLICK, 0, 0);
    HWND modes = GetDlgItem(settingsDialog, kSettingsModeList);
    SendMessageW(modes, CB_SETCURSEL, 0, 0);
    SendMessageW(settingsDialog, WM_COMMAND, MAKEWPARAM(kSettingsModeList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(modes));
    PostMessageW(GetDlgItem(settingsDialog, kSettingsOk), BM_CLICK, 0, 0);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return !IsWindow(settingsDialog); }, 15000));

    const std::string log = testsupport::ReadTextFile(callLog);
    EXPECT_NE(std::string::npos, log.find("NWLB_SetCurrentMode ")) << log;
    EXPECT_NE(std::string::npos, log.find("NWLB_Commit -> 0")) << log;
    const auto committed = machine.Get(L"CurrentMode");
    ASSERT_TRUE(committed.has_value());
    EXPECT_TRUE(*committed == 3 || *committed == 4) << *committed;
    EXPECT_EQ(std::optional<DWORD>(0), settings.Get(L"DontShowInfo"));
}
