#include "PowerSettingRegistration.h"

namespace {

// GUID_BATTERY_PERCENTAGE_REMAINING
constexpr GUID kBatteryPercentageRemaining = {0xA7AD8041, 0xB45A, 0x4CAE, {0x87, 0xA3, 0xEE, 0xCB, 0xB4, 0x68, 0xA9, 0xE1}};
constexpr DWORD kWindowHandleDelivery = 0;  // DEVICE_NOTIFY_WINDOW_HANDLE

using RegisterFunction = HANDLE(WINAPI*)(HANDLE, LPCGUID, DWORD);
using UnregisterFunction = BOOL(WINAPI*)(HANDLE);

template <typename TFunction>
TFunction User32Function(const char* szName) {
    const HMODULE hUser32 = ::GetModuleHandleW(L"user32.dll");
    return hUser32 ? reinterpret_cast<TFunction>(reinterpret_cast<void*>(::GetProcAddress(hUser32, szName))) : nullptr;
}

bool HasPowerSettings() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(&version);
#pragma GCC diagnostic pop
    return version.dwMajorVersion > 5;
}

}  // namespace

bool PowerSettingRegistration::Register(HWND hWnd) {
    if (m_hNotify || !HasPowerSettings()) return false;
    const auto pfnRegister = User32Function<RegisterFunction>("RegisterPowerSettingNotification");
    if (!pfnRegister) return false;
    m_hNotify = pfnRegister(hWnd, &kBatteryPercentageRemaining, kWindowHandleDelivery);
    return m_hNotify != nullptr;
}

void PowerSettingRegistration::Unregister() {
    if (!m_hNotify) return;
    if (const auto pfnUnregister = User32Function<UnregisterFunction>("UnregisterPowerSettingNotification")) {
        pfnUnregister(m_hNotify);
    }
    m_hNotify = nullptr;
}
