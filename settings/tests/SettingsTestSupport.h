#pragma once
// What the settings program's tests share: the program's registry values and the ACPI battery
// key put back as they were, the simulated library's call log, and a stand-in for the maker's
// program that receives the change notification.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "SimulatedMachineKey.h"
#include "SuiteFolders.h"

// "Mode", "ModeNameVer" and "DontShowInfo": saved and removed at the start, put back at the end.
class SettingsKeyGuard {
public:
    SettingsKeyGuard();
    ~SettingsKeyGuard();
    SettingsKeyGuard(const SettingsKeyGuard&) = delete;
    SettingsKeyGuard& operator=(const SettingsKeyGuard&) = delete;

    static std::optional<DWORD> Read(const wchar_t* szName);
    static void Write(const wchar_t* szName, DWORD dwValue);
    static void Remove(const wchar_t* szName);

private:
    std::vector<std::pair<const wchar_t*, std::optional<DWORD>>> m_saved;
};

// The ACPI battery key that tells the program the machine has a battery.
class AcpiBatteryKey {
public:
    explicit AcpiBatteryKey(bool bPresent);
    ~AcpiBatteryKey();
    AcpiBatteryKey(const AcpiBatteryKey&) = delete;
    AcpiBatteryKey& operator=(const AcpiBatteryKey&) = delete;

private:
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
// message "WLB_USBSleepChargeNotify".
class NotificationReceiver {
public:
    NotificationReceiver();
    ~NotificationReceiver();
    NotificationReceiver(const NotificationReceiver&) = delete;
    NotificationReceiver& operator=(const NotificationReceiver&) = delete;

    // Handles what is queued and returns how many notifications arrived, with their parameters.
    int Count();
    bool ParametersWereZero() const { return m_bParametersZero; }

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hWnd = nullptr;
    UINT m_nMessage = 0;
    int m_nCount = 0;
    bool m_bParametersZero = true;
};

// Handles every message waiting in this thread's queue.
void PumpMessages();
