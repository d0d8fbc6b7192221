#pragma once
// Owner of one device-notification registration of a window.
#include <windows.h>

class DeviceNotification {
public:
    DeviceNotification() = default;
    ~DeviceNotification() { Unregister(); }
    DeviceNotification(const DeviceNotification&) = delete;
    DeviceNotification& operator=(const DeviceNotification&) = delete;

    // Arrivals and removals of devices of this interface class, sent to hWnd. A failure leaves
    // the window without these notifications.
    void Register(HWND hWnd, const GUID& interfaceClass);
    void Unregister();

private:
    HDEVNOTIFY m_hDevNotify = nullptr;
};
