#pragma once
// The system's device list through SetupAPI: an owner for the list handle, and the read of
// one text property of an entry.
#include <windows.h>
#include <setupapi.h>

#include <functional>
#include <string>

class DeviceInfoList {
public:
    // Every device of the enumerator, of all classes, present or not.
    static DeviceInfoList AllOfEnumerator(const std::wstring& enumerator);

    explicit DeviceInfoList(HDEVINFO hDevInfo) : m_hDevInfo(hDevInfo) {}
    ~DeviceInfoList();
    DeviceInfoList(const DeviceInfoList&) = delete;
    DeviceInfoList& operator=(const DeviceInfoList&) = delete;
    DeviceInfoList(DeviceInfoList&& other) noexcept : m_hDevInfo(other.m_hDevInfo) {
        other.m_hDevInfo = INVALID_HANDLE_VALUE;
    }
    DeviceInfoList& operator=(DeviceInfoList&&) = delete;

    bool IsValid() const { return m_hDevInfo != INVALID_HANDLE_VALUE && m_hDevInfo != nullptr; }
    HDEVINFO Get() const { return m_hDevInfo; }

private:
    HDEVINFO m_hDevInfo;
};

// Reads a device registry property as text: for a multi-string list (hardware and compatible
// ids) its first, most specific string. Succeeds with an empty text for a property of
// another type; fails when the property cannot be read or pText is null.
bool ReadDeviceIdString(HDEVINFO hDevInfo, SP_DEVINFO_DATA* pDevInfoData, DWORD dwProperty, std::wstring* pText);

// One read of the property as SetupDiGetDeviceRegistryPropertyW makes it: type, buffer and
// its size, and the size the property needs; FALSE with the error set when it fails.
using PropertyReader = std::function<BOOL(DWORD* pdwType, BYTE* pBuffer, DWORD cbBuffer, DWORD* pcbRequired)>;

// ReadDeviceIdString over any reader.
bool ReadDeviceIdText(const PropertyReader& read, std::wstring* pText);
