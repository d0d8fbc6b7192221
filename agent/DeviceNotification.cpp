#include "DeviceNotification.h"

#include <dbt.h>

void DeviceNotification::Register(HWND hWnd, const GUID& interfaceClass) {
    Unregister();
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = interfaceClass;
    m_hDevNotify = ::RegisterDeviceNotificationW(hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void DeviceNotification::Unregister() {
    if (m_hDevNotify) ::UnregisterDeviceNotification(m_hDevNotify);
    m_hDevNotify = nullptr;
}
