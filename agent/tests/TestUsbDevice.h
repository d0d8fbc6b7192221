#pragma once
// A USB device placed in the system's device list for one test, and gone afterwards: the key
// HKLM\System\CurrentControlSet\Enum\USB\<device>\<serial> with the ids SetupAPI lists.
#include <string>
#include <vector>

class TestUsbDevice {
public:
    // deviceKey: "VID_1234&PID_5678"; each id list is written as a multi-string, most
    // specific first. An empty compatible-id list writes no "CompatibleIDs" value.
    TestUsbDevice(const std::wstring& deviceKey, const std::wstring& serial, const std::vector<std::wstring>& hardwareIds,
                  const std::vector<std::wstring>& compatibleIds);
    ~TestUsbDevice();
    TestUsbDevice(const TestUsbDevice&) = delete;
    TestUsbDevice& operator=(const TestUsbDevice&) = delete;

    // A typical device: hardware ids "USB\<deviceKey>&REV_0100" and "USB\<deviceKey>",
    // and the given compatible ids.
    static std::vector<std::wstring> HardwareIdsOf(const std::wstring& deviceKey);

    // The interface path the system broadcasts when this device arrives.
    std::wstring InterfaceName() const;

private:
    std::wstring m_strDeviceKey;
    std::wstring m_strSerial;
};
