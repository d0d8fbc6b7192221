#include "TestUsbDevice.h"

#include <windows.h>

#include <stdexcept>

namespace {

const std::wstring kUsbEnum = L"System\\CurrentControlSet\\Enum\\USB\\";
// Without a class the device list leaves the key out; the value is any class GUID.
const std::wstring kClassGuid = L"{36fc9e60-c465-11cf-8056-444553540000}";

std::wstring MultiString(const std::vector<std::wstring>& strings) {
    std::wstring data;
    for (const auto& text : strings) data += text + L'\0';
    return data + L'\0';
}

void SetString(HKEY key, const wchar_t* name, DWORD type, const std::wstring& data) {
    if (RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + (type == REG_SZ ? 1 : 0)) * sizeof(wchar_t))) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write a device value");
    }
}

}  // namespace

TestUsbDevice::TestUsbDevice(const std::wstring& deviceKey, const std::wstring& serial,
                             const std::vector<std::wstring>& hardwareIds, const std::vector<std::wstring>& compatibleIds)
    : m_strDeviceKey(deviceKey), m_strSerial(serial) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kUsbEnum + deviceKey + L"\\" + serial).c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create a device key");
    }
    SetString(key, L"HardwareID", REG_MULTI_SZ, MultiString(hardwareIds));
    if (!compatibleIds.empty()) SetString(key, L"CompatibleIDs", REG_MULTI_SZ, MultiString(compatibleIds));
    SetString(key, L"ClassGUID", REG_SZ, kClassGuid);
    RegCloseKey(key);
}

TestUsbDevice::~TestUsbDevice() {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kUsbEnum + m_strDeviceKey + L"\\" + m_strSerial).c_str());
    // Fails while another serial of the same device is still listed, as it should.
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, (kUsbEnum + m_strDeviceKey).c_str());
}

std::vector<std::wstring> TestUsbDevice::HardwareIdsOf(const std::wstring& deviceKey) {
    return {L"USB\\" + deviceKey + L"&REV_0100", L"USB\\" + deviceKey};
}

std::wstring TestUsbDevice::InterfaceName() const {
    return L"\\\\?\\USB#" + m_strDeviceKey + L"#" + m_strSerial + L"#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
}
