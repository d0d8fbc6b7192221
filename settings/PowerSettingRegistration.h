#pragma once
// The dialog's registration for notifications of the remaining battery percentage. The
// functions are looked up at run time: systems before Vista do not have them.
#include <windows.h>

class PowerSettingRegistration {
public:
    PowerSettingRegistration() = default;
    ~PowerSettingRegistration() { Unregister(); }
    PowerSettingRegistration(const PowerSettingRegistration&) = delete;
    PowerSettingRegistration& operator=(const PowerSettingRegistration&) = delete;

    // False when the system has no such notifications or refuses the registration.
    bool Register(HWND hWnd);
    void Unregister();
    bool IsRegistered() const { return m_hNotify != nullptr; }

private:
    HANDLE m_hNotify = nullptr;
};
