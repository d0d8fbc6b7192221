#include "DeviceInfoList.h"

#include <cwchar>
#include <vector>

DeviceInfoList DeviceInfoList::AllOfEnumerator(const std::wstring& enumerator) {
    return DeviceInfoList(::SetupDiGetClassDevsW(nullptr, enumerator.c_str(), nullptr, DIGCF_ALLCLASSES));
}

DeviceInfoList::~DeviceInfoList() {
    if (IsValid()) ::SetupDiDestroyDeviceInfoList(m_hDevInfo);
}

bool ReadDeviceIdString(HDEVINFO hDevInfo, SP_DEVINFO_DATA* pDevInfoData, DWORD dwProperty, std::wstring* pText) {
    return ReadDeviceIdText(
        [&](DWORD* pdwType, BYTE* pBuffer, DWORD cbBuffer, DWORD* pcbRequired) {
            return ::SetupDiGetDeviceRegistryPropertyW(hDevInfo, pDevInfoData, dwProperty, pdwType, pBuffer, cbBuffer,
                                                       pcbRequired);
        },
        pText);
}

bool ReadDeviceIdText(const PropertyReader& read, std::wstring* pText) {
    if (!pText) return false;
    pText->clear();
    std::vector<BYTE> buffer;
    DWORD dwType = 0;
    DWORD cbRequired = 0;
    BOOL bRead = read(&dwType, nullptr, 0, &cbRequired);
    // Grow while the property asks for more; a size that does not grow would loop for ever.
    while (!bRead && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER && cbRequired > buffer.size()) {
        buffer.assign(cbRequired, 0);
        bRead = read(&dwType, buffer.data(), static_cast<DWORD>(buffer.size()), &cbRequired);
    }
    if (!bRead || buffer.empty()) return false;
    if (dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ) {
        // Up to the first terminating zero, and never past the data when it has none.
        const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
        pText->assign(text, ::wcsnlen(text, buffer.size() / sizeof(wchar_t)));
    }
    return true;
}
