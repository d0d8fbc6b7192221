#include "DeviceArrival.h"

#include "DeviceIdRules.h"
#include "DeviceInfoList.h"
#include "DeviceInterfaceName.h"
#include "PoilException.h"

bool ArrivalQualifies(const std::wstring& deviceInterfaceName) {
    const auto identity = ParseDeviceInterfaceName(deviceInterfaceName);
    if (!identity || IsIgnoredVendor(identity->deviceIdPrefix)) return false;
    const std::wstring& prefix = identity->deviceIdPrefix;

    const DeviceInfoList devices = DeviceInfoList::AllOfEnumerator(identity->enumerator);
    if (!devices.IsValid()) return false;

    bool bExcluded = false;
    bool bQualifies = false;
    SP_DEVINFO_DATA entry{};
    entry.cbSize = sizeof(entry);
    for (DWORD index = 0; !bExcluded && ::SetupDiEnumDeviceInfo(devices.Get(), index, &entry); ++index) {
        std::wstring hardwareId;
        if (!ReadDeviceIdString(devices.Get(), &entry, SPDRP_HARDWAREID, &hardwareId)) continue;
        if (hardwareId.size() < prefix.size() || ToUpperInvariant(hardwareId.substr(0, prefix.size())) != prefix) {
            continue;
        }
        std::wstring compatibleId;
        if (!ReadDeviceIdString(devices.Get(), &entry, SPDRP_COMPATIBLEIDS, &compatibleId)) continue;
        compatibleId = ToUpperInvariant(compatibleId);
        if (IsExcludingClass(compatibleId) || IsExceptedByPoil(compatibleId, prefix)) bExcluded = true;
        if (IsQualifyingClass(compatibleId)) bQualifies = true;
    }
    return bQualifies && !bExcluded;
}
