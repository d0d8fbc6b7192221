#pragma once
// The device behind a device-interface arrival, read from the interface path that the
// system broadcasts: \\?\USB#VID_1234&PID_5678#serial#{interface class GUID}.
#include <windows.h>
#include <dbt.h>

#include <optional>
#include <string>

struct DeviceIdentity {
    std::wstring enumerator;      // "USB"
    std::wstring deviceIdPrefix;  // "USB\VID_1234&PID_5678": the instance path up to its last '\'
};

// Nothing for a name of 4 characters or fewer, without '#', or without an enumerator.
std::optional<DeviceIdentity> ParseDeviceInterfaceName(const std::wstring& name);

// The broadcast's device name, read no further than the broadcast's own size says: the
// message comes from outside and its name need not be terminated.
std::wstring BroadcastDeviceName(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast);
