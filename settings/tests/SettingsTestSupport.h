#pragma once
// What the settings program's tests share: the program's registry values and the ACPI battery
// key put back as they were, the simulated library's call log, and a stand-in for the maker's
// program that receives the change notification.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "NodwellSettingsKey.h"
#include "RegistrySnapshot.h"
#include "SimulatedMachineKey.h"
#include "SuiteFolders.h"

// The settings key emptied for a test and put back as it was at the end.
class SettingsKeyGuard {
public:
    static std::optional<DWORD> Read(const wchar_t* szName);
    static void Write(const wchar_t* szName, DWORD dwValue);
    static void Remove(const wchar_t* szName);

private:
    testsupport::RegistrySnapshot m_key{NodwellSettingsKey::kPath};
};

// An ACPI battery key (of either device) that tells the program the machine has a battery.
class AcpiBatteryKey {
public:
    explicit AcpiBatteryKey(bool bPresent, const wchar_t* szDevice = L"PNP0C0A");
    ~AcpiBatteryKey();
    AcpiBatteryKey(const AcpiBatteryKey&) = delete;
    AcpiBatteryKey& operator=(const AcpiBatteryKey&) = delete;

private:
    std::wstring m_path;
    bool m_bExisted;
};

// The simulated library writes one line a call into a scratch file while this lives.
class CallLog {
public:
    explicit CallLog(const SimulatedMachineKey& machine);
    std::vector<std::string> Lines() const;
    void Clear() const { std::filesystem::remove(m_path); }
    // The lines from the first one that starts with szPrefix on.
    std::vector<std::string> LinesFrom(const std::string& prefix) const;

private:
    testsupport::ScratchFolder m_folder;
    std::filesystem::path m_path;
};

// A top-level window of class and title "WLB_USBSleepChargeWindow" counting the registered
// message "WLB_USBSleepChargeNotify", on a thread of its own as the maker's program would be;
// beside it two decoys, one of that title and one of that class, that must receive nothing.
class NotificationReceiver {
public:
    NotificationReceiver();
    ~NotificationReceiver();
    NotificationReceiver(const NotificationReceiver&) = delete;
    NotificationReceiver& operator=(const NotificationReceiver&) = delete;

    // Waits until what was posted before is handled; how many notifications arrived.
    int Count();
    bool ParametersWereZero() const { return m_receiver.bParametersZero; }
    bool AllWerePosted() const { return m_receiver.bAllPosted; }
    int DecoyCount() const { return m_titleDecoy.nCount + m_classDecoy.nCount; }

private:
    struct Window {
        HWND hWnd = nullptr;
        int nCount = 0;
        bool bParametersZero = true;
        bool bAllPosted = true;
    };
    void Run();
    void Create(Window& window, const wchar_t* szClass, const wchar_t* szTitle);
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    Window m_receiver, m_titleDecoy, m_classDecoy;
    HANDLE m_hHandled = nullptr;
    DWORD m_dwThreadId = 0;
    std::thread m_thread;
};

// Handles every message waiting in this thread's queue.
void PumpMessages();
