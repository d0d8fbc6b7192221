#include "SimulatedPwrio.h"

#include <stdexcept>
#include <string>

namespace testsupport {
namespace {

constexpr wchar_t kServiceName[] = L"pwrio";
constexpr wchar_t kParametersKey[] = L"System\\CurrentControlSet\\Services\\pwrio\\Parameters";
constexpr DWORD kStateTimeoutMs = 15000;
constexpr DWORD kPollMs = 10;

[[noreturn]] void Fail(const char* what, DWORD error) {
    throw std::runtime_error(std::string(what) + " failed with error " + std::to_string(error));
}

// The build folder as Wine sees it: the Linux root is drive Z:.
std::wstring BuiltDriverPath() {
    const std::string linuxPath = PWRIO_DRIVER_BUILD_PATH;
    std::wstring path = L"Z:";
    for (char c : linuxPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

// A 32-bit driver host sees system32 redirected in a 64-bit prefix, so the driver is run
// from the temporary folder instead.
std::filesystem::path DriverCopyPath() {
    wchar_t temp[MAX_PATH + 1] = {};
    if (!GetTempPathW(MAX_PATH + 1, temp)) Fail("GetTempPathW", GetLastError());
    return std::filesystem::path(temp) / L"pwrio.sys";
}

DWORD CurrentState(SC_HANDLE service) {
    SERVICE_STATUS status = {};
    if (!QueryServiceStatus(service, &status)) Fail("QueryServiceStatus", GetLastError());
    return status.dwCurrentState;
}

bool WaitForState(SC_HANDLE service, DWORD state) {
    const ULONGLONG deadline = GetTickCount64() + kStateTimeoutMs;
    while (CurrentState(service) != state) {
        if (GetTickCount64() > deadline) return false;
        Sleep(kPollMs);
    }
    return true;
}

void StopAndWait(SC_HANDLE service) {
    if (CurrentState(service) == SERVICE_STOPPED) return;
    SERVICE_STATUS status = {};
    if (!ControlService(service, SERVICE_CONTROL_STOP, &status) &&
        GetLastError() != ERROR_SERVICE_NOT_ACTIVE) {
        Fail("ControlService(STOP)", GetLastError());
    }
    if (!WaitForState(service, SERVICE_STOPPED)) Fail("stopping pwrio", ERROR_TIMEOUT);
}

void DeleteParameters() {
    const LSTATUS result = RegDeleteTreeW(HKEY_LOCAL_MACHINE, kParametersKey);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) Fail("RegDeleteTreeW", result);
}

}  // namespace

SimulatedPwrio::SimulatedPwrio() {
    try {
        Install();
    } catch (...) {
        Remove();
        throw;
    }
}

SimulatedPwrio::~SimulatedPwrio() { Remove(); }

void SimulatedPwrio::Install() {
    m_driverFile = DriverCopyPath();
    m_hManager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!m_hManager) Fail("OpenSCManagerW", GetLastError());

    m_hService = CreateServiceW(m_hManager, kServiceName, kServiceName, SERVICE_ALL_ACCESS,
                                SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                                m_driverFile.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!m_hService && GetLastError() == ERROR_SERVICE_EXISTS) {
        // Left by a test program that did not end normally: take it over with this build's file.
        m_hService = OpenServiceW(m_hManager, kServiceName, SERVICE_ALL_ACCESS);
        if (!m_hService) Fail("OpenServiceW", GetLastError());
        StopAndWait(m_hService);
        if (!ChangeServiceConfigW(m_hService, SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START,
                                  SERVICE_ERROR_NORMAL, m_driverFile.c_str(), nullptr, nullptr,
                                  nullptr, nullptr, nullptr, nullptr)) {
            Fail("ChangeServiceConfigW", GetLastError());
        }
    }
    if (!m_hService) Fail("CreateServiceW", GetLastError());

    // Copied only now that no earlier driver runs from the file.
    if (!CopyFileW(BuiltDriverPath().c_str(), m_driverFile.c_str(), FALSE)) {
        Fail("copying pwrio.sys", GetLastError());
    }
    DeleteParameters();
    if (!StartServiceW(m_hService, 0, nullptr)) Fail("StartServiceW", GetLastError());
    if (!WaitForState(m_hService, SERVICE_RUNNING)) Fail("starting pwrio", ERROR_TIMEOUT);
}

void SimulatedPwrio::Remove() noexcept {
    if (m_hService) {
        try {
            StopAndWait(m_hService);
            DeleteParameters();
        } catch (const std::exception&) {
            // Removal goes on as far as it can: the service is deleted even if it would not stop.
        }
        DeleteService(m_hService);
        CloseServiceHandle(m_hService);
    }
    if (m_hManager) CloseServiceHandle(m_hManager);
    // The driver host lets go of the file once the service has stopped.
    if (!m_driverFile.empty()) DeleteFileW(m_driverFile.c_str());
}

void SimulatedPwrio::Set(const wchar_t* name, DWORD value) {
    const LSTATUS result =
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kParametersKey, name, REG_DWORD, &value, sizeof(value));
    if (result != ERROR_SUCCESS) Fail("RegSetKeyValueW", result);
}

void SimulatedPwrio::Clear(const wchar_t* name) {
    const LSTATUS result = RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kParametersKey, name);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) Fail("RegDeleteKeyValueW", result);
}

}  // namespace testsupport
