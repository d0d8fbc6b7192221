#include "SettingsTestSupport.h"

#include <sstream>
#include <stdexcept>

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Corvane\\Nodwell";
constexpr wchar_t kAcpiBatteryKey[] = L"SYSTEM\\CurrentControlSet\\Enum\\ACPI\\PNP0C0A";
constexpr wchar_t kNotifyName[] = L"WLB_USBSleepChargeWindow";
constexpr const wchar_t* kSettingsValues[] = {L"Mode", L"ModeNameVer", L"DontShowInfo"};

bool HklmKeyExists(const wchar_t* szPath) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, szPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
    RegCloseKey(hKey);
    return true;
}

void SetAcpiBatteryKey(bool bPresent) {
    if (bPresent) {
        HKEY hKey = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kAcpiBatteryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                            nullptr) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot create the ACPI battery key");
        }
        RegCloseKey(hKey);
    } else {
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kAcpiBatteryKey);
    }
}

}  // namespace

SettingsKeyGuard::SettingsKeyGuard() {
    for (const wchar_t* szName : kSettingsValues) {
        m_saved.emplace_back(szName, Read(szName));
        Remove(szName);
    }
}

SettingsKeyGuard::~SettingsKeyGuard() {
    for (const auto& [szName, value] : m_saved) {
        if (value) {
            Write(szName, *value);
        } else {
            Remove(szName);
        }
    }
}

std::optional<DWORD> SettingsKeyGuard::Read(const wchar_t* szName) {
    DWORD dwValue = 0;
    DWORD cbValue = sizeof(dwValue);
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, szName, RRF_RT_REG_DWORD, nullptr, &dwValue, &cbValue) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return dwValue;
}

void SettingsKeyGuard::Write(const wchar_t* szName, DWORD dwValue) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, szName, REG_DWORD, &dwValue, sizeof(dwValue));
}

void SettingsKeyGuard::Remove(const wchar_t* szName) { RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, szName); }

AcpiBatteryKey::AcpiBatteryKey(bool bPresent) : m_bExisted(HklmKeyExists(kAcpiBatteryKey)) {
    SetAcpiBatteryKey(bPresent);
}

AcpiBatteryKey::~AcpiBatteryKey() { SetAcpiBatteryKey(m_bExisted); }

CallLog::CallLog(const SimulatedMachineKey& machine) : m_path(m_folder / L"calls.log") {
    machine.SetString(L"CallLog", m_path.wstring());
}

std::vector<std::string> CallLog::Lines() const {
    std::vector<std::string> lines;
    if (!std::filesystem::exists(m_path)) return lines;
    std::istringstream text(testsupport::ReadTextFile(m_path));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> CallLog::LinesFrom(const std::string& prefix) const {
    std::vector<std::string> lines = Lines();
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (it->rfind(prefix, 0) == 0) return {it, lines.end()};
    }
    return {};
}

NotificationReceiver::NotificationReceiver() : m_nMessage(RegisterWindowMessageW(L"WLB_USBSleepChargeNotify")) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &NotificationReceiver::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kNotifyName;
    RegisterClassW(&wc);
    m_hWnd = CreateWindowExW(0, kNotifyName, kNotifyName, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             wc.hInstance, this);
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

NotificationReceiver::~NotificationReceiver() {
    DestroyWindow(m_hWnd);
    UnregisterClassW(kNotifyName, GetModuleHandleW(nullptr));
}

LRESULT CALLBACK NotificationReceiver::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* pReceiver = reinterpret_cast<NotificationReceiver*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (pReceiver && message == pReceiver->m_nMessage) {
        ++pReceiver->m_nCount;
        pReceiver->m_bParametersZero = pReceiver->m_bParametersZero && wParam == 0 && lParam == 0;
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

int NotificationReceiver::Count() {
    PumpMessages();
    return m_nCount;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
