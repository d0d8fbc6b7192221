#include "SettingsTestSupport.h"

#include <sstream>
#include <stdexcept>

namespace {

constexpr wchar_t kAcpiEnumKey[] = L"SYSTEM\\CurrentControlSet\\Enum\\ACPI\\";
constexpr wchar_t kNotifyName[] = L"WLB_USBSleepChargeWindow";
constexpr wchar_t kDecoyClass[] = L"WLB_USBSleepChargeDecoy";
constexpr UINT kHandledMarker = WM_APP + 1;
constexpr DWORD kReceiverTimeoutMs = 10000;

bool HklmKeyExists(const wchar_t* szPath) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, szPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
    RegCloseKey(hKey);
    return true;
}

void SetAcpiBatteryKey(const std::wstring& path, bool bPresent) {
    if (bPresent) {
        HKEY hKey = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                            nullptr) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot create the ACPI battery key");
        }
        RegCloseKey(hKey);
    } else {
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str());
    }
}

}  // namespace

std::optional<DWORD> SettingsKeyGuard::Read(const wchar_t* szName) {
    DWORD dwValue = 0;
    DWORD cbValue = sizeof(dwValue);
    if (RegGetValueW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, szName, RRF_RT_REG_DWORD, nullptr, &dwValue,
                     &cbValue) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return dwValue;
}

void SettingsKeyGuard::Write(const wchar_t* szName, DWORD dwValue) {
    RegSetKeyValueW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, szName, REG_DWORD, &dwValue, sizeof(dwValue));
}

void SettingsKeyGuard::Remove(const wchar_t* szName) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, szName);
}

AcpiBatteryKey::AcpiBatteryKey(bool bPresent, const wchar_t* szDevice)
    : m_path(std::wstring(kAcpiEnumKey) + szDevice), m_bExisted(HklmKeyExists(m_path.c_str())) {
    SetAcpiBatteryKey(m_path, bPresent);
}

AcpiBatteryKey::~AcpiBatteryKey() { SetAcpiBatteryKey(m_path, m_bExisted); }

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

NotificationReceiver::NotificationReceiver()
    : m_hHandled(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_thread([this] { Run(); }) {
    WaitForSingleObject(m_hHandled, kReceiverTimeoutMs);
}

NotificationReceiver::~NotificationReceiver() {
    PostThreadMessageW(m_dwThreadId, WM_QUIT, 0, 0);
    m_thread.join();
    CloseHandle(m_hHandled);
}

void NotificationReceiver::Run() {
    const HINSTANCE hInstance = GetModuleHandleW(nullptr);
    for (const wchar_t* szClass : {kNotifyName, kDecoyClass}) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &NotificationReceiver::WindowProc;
        wc.hInstance = hInstance;
        wc.lpszClassName = szClass;
        RegisterClassW(&wc);
    }
    // The decoys come last, so that they are found first by a search on title or class alone.
    Create(m_receiver, kNotifyName, kNotifyName);
    Create(m_titleDecoy, kDecoyClass, kNotifyName);
    Create(m_classDecoy, kNotifyName, L"Another title");
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists before anyone posts
    m_dwThreadId = GetCurrentThreadId();
    SetEvent(m_hHandled);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    for (const Window* pWindow : {&m_receiver, &m_titleDecoy, &m_classDecoy}) DestroyWindow(pWindow->hWnd);
    for (const wchar_t* szClass : {kNotifyName, kDecoyClass}) UnregisterClassW(szClass, hInstance);
}

void NotificationReceiver::Create(Window& window, const wchar_t* szClass, const wchar_t* szTitle) {
    window.hWnd = CreateWindowExW(0, szClass, szTitle, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window.hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
}

LRESULT CALLBACK NotificationReceiver::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* pWindow = reinterpret_cast<Window*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (pWindow && message == kHandledMarker) {
        SetEvent(reinterpret_cast<HANDLE>(lParam));
        return 0;
    }
    if (pWindow && message == RegisterWindowMessageW(L"WLB_USBSleepChargeNotify")) {
        ++pWindow->nCount;
        pWindow->bParametersZero = pWindow->bParametersZero && wParam == 0 && lParam == 0;
        pWindow->bAllPosted = pWindow->bAllPosted && !InSendMessage();
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

int NotificationReceiver::Count() {
    // Messages posted from one thread arrive in order: the marker comes after what went before.
    PostMessageW(m_receiver.hWnd, kHandledMarker, 0, reinterpret_cast<LPARAM>(m_hHandled));
    WaitForSingleObject(m_hHandled, kReceiverTimeoutMs);
    return m_receiver.nCount;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
