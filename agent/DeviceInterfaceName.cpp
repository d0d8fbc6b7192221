#include "DeviceInterfaceName.h"

#include <algorithm>
#include <cstddef>
#include <cwchar>

#include "DeviceIdRules.h"

std::optional<DeviceIdentity> ParseDeviceInterfaceName(const std::wstring& name) {
    constexpr size_t kPrefixLength = 4;  // "\\?\"
    if (name.size() <= kPrefixLength) return std::nullopt;
    std::wstring path = name.substr(kPrefixLength);
    const size_t lastHash = path.rfind(L'#');
    if (lastHash == std::wstring::npos) return std::nullopt;
    path.resize(lastHash);  // the interface class GUID goes
    std::replace(path.begin(), path.end(), L'#', L'\\');
    path = ToUpperInvariant(path);
    const size_t firstSeparator = path.find(L'\\');
    if (firstSeparator == std::wstring::npos) return std::nullopt;
    return DeviceIdentity{path.substr(0, firstSeparator), path.substr(0, path.rfind(L'\\'))};
}

std::wstring BroadcastDeviceName(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast) {
    constexpr size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (broadcast.dbcc_size <= kNameOffset) return {};
    const size_t maxLength = (broadcast.dbcc_size - kNameOffset) / sizeof(wchar_t);
    return std::wstring(broadcast.dbcc_name, ::wcsnlen(broadcast.dbcc_name, maxLength));
}
