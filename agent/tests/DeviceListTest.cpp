// The arrival decision against the real device list and registry: the test places devices
// where SetupAPI lists them and exception entries where the agent reads them.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "DeviceArrival.h"
#include "DeviceInfoList.h"
#include "PoilEntry.h"
#include "PoilException.h"
#include "TestUsbDevice.h"

namespace {

const std::wstring kFlashDriveClass = L"USB\\Class_08&SubClass_06&Prot_50";

std::unique_ptr<TestUsbDevice> Device(const std::wstring& deviceKey, const std::vector<std::wstring>& compatibleIds,
                                      const std::wstring& serial = L"AGT0001") {
    return std::make_unique<TestUsbDevice>(deviceKey, serial, TestUsbDevice::HardwareIdsOf(deviceKey), compatibleIds);
}

}  // namespace

TEST(DeviceArrival, QualifyingClassesStartAndIgnoredVendorsAndExcludedClassesDoNot) {
    const struct {
        const char* what;
        const wchar_t* deviceKey;
        std::vector<std::wstring> compatibleIds;
        bool starts;
    } cases[] = {
        {"flash drive", L"VID_1234&PID_5678", {kFlashDriveClass, L"USB\\Class_08&SubClass_06", L"USB\\Class_08"}, true},
        {"camera", L"VID_04A9&PID_3001", {L"USB\\Class_06&SubClass_01&Prot_01", L"USB\\Class_06"}, true},
        {"MTP player", L"VID_045E&PID_0710", {L"USB\\MS_COMP_MTP", L"USB\\Class_FF"}, true},
        {"lower-case ids", L"VID_1234&PID_5679", {L"usb\\class_08&subclass_06&prot_50"}, true},
        {"lower-case hardware id", L"vid_1234&pid_567a", {kFlashDriveClass}, true},
        {"flash drive of vendor 0BDA", L"VID_0BDA&PID_0129", {kFlashDriveClass}, false},
        {"flash drive of vendor 058F", L"VID_058F&PID_6387", {kFlashDriveClass}, false},
        {"keyboard", L"VID_046D&PID_C31C", {L"USB\\Class_03&SubClass_01&Prot_01"}, false},
        {"hub", L"VID_05E3&PID_0608", {L"USB\\Class_09&SubClass_00&Prot_01"}, false},
        {"wireless controller", L"VID_8087&PID_0A2B", {L"USB\\Class_E0&SubClass_01&Prot_01"}, false},
        {"vendor-specific device", L"VID_1234&PID_9999", {L"USB\\Class_FF&SubClass_FF&Prot_FF"}, false},
        // Only the first, most specific compatible id is read.
        {"class 08 only as a later id", L"VID_1234&PID_7777", {L"USB\\Class_FF", kFlashDriveClass}, false},
        {"no compatible ids", L"VID_1234&PID_8888", {}, false},
    };
    for (const auto& c : cases) {
        const auto device = Device(c.deviceKey, c.compatibleIds);
        EXPECT_EQ(c.starts, ArrivalQualifies(device->InterfaceName())) << c.what;
    }
}

TEST(DeviceArrival, OnlyEntriesWhoseHardwareIdBeginsWithTheArrivedPrefixCount) {
    const struct {
        const char* what;
        const wchar_t* deviceKey;
        std::vector<std::wstring> hardwareIds;
    } cases[] = {
        {"a flash drive of another id", L"VID_1234&PID_9999", TestUsbDevice::HardwareIdsOf(L"VID_1234&PID_9999")},
        {"a hardware id shorter than the prefix", L"VID_1234", {L"USB\\VID_1234"}},
        {"the prefix not at the start", L"VID_9999&PID_0001", {L"ROOT\\USB\\VID_1234&PID_5678&REV_0100"}},
    };
    for (const auto& c : cases) {
        // The arrived device is a vendor-specific one; the listed flash drive must not count for it.
        const auto vendorSpecific = Device(L"VID_1234&PID_5678", {L"USB\\Class_FF&SubClass_FF&Prot_FF"});
        const TestUsbDevice flashDrive(c.deviceKey, L"OTHER", c.hardwareIds, {kFlashDriveClass});
        EXPECT_FALSE(ArrivalQualifies(vendorSpecific->InterfaceName())) << c.what;
    }
}

TEST(DeviceArrival, DeviceMissingFromTheListOrUnreadableNameStartsNothing) {
    EXPECT_FALSE(ArrivalQualifies(L"\\\\?\\USB#VID_1234&PID_0404#X#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"));
    const auto device = Device(L"VID_1234&PID_5678", {kFlashDriveClass});
    EXPECT_TRUE(ArrivalQualifies(device->InterfaceName()));
    for (const wchar_t* name : {L"", L"\\\\?\\", L"\\\\?\\USB\\VID_1234&PID_5678\\AGT0001"}) {
        EXPECT_FALSE(ArrivalQualifies(name)) << "\"" << name << "\"";
    }
}

TEST(DeviceArrival, AnExcludedEntryOfTheSameDeviceForbidsTheStartWhateverItsOrder) {
    // A composite device: one entry offers storage, another is an input device.
    for (const auto& [storageSerial, inputSerial] : {std::pair{L"A1", L"B2"}, std::pair{L"B2", L"A1"}}) {
        const auto storage = Device(L"VID_1234&PID_5678", {kFlashDriveClass}, storageSerial);
        const auto input = Device(L"VID_1234&PID_5678", {L"USB\\Class_03&SubClass_01&Prot_02"}, inputSerial);
        EXPECT_FALSE(ArrivalQualifies(storage->InterfaceName())) << "storage entry first: " << (storageSerial[0] == L'A');
    }
    // Two qualifying entries still start it.
    const auto first = Device(L"VID_1234&PID_5678", {kFlashDriveClass}, L"A1");
    const auto second = Device(L"VID_1234&PID_5678", {L"USB\\Class_06&SubClass_01"}, L"B2");
    EXPECT_TRUE(ArrivalQualifies(first->InterfaceName()));
}

TEST(DeviceArrival, ExceptionListedVendorUnderTheClassKeyStartsNothing) {
    const auto device = Device(L"VID_1234&PID_5678", {kFlashDriveClass});
    {
        const PoilEntry exception(L"CLASS_08&SUBCLASS_06", L"VID_1234");
        EXPECT_FALSE(ArrivalQualifies(device->InterfaceName()));
        EXPECT_TRUE(IsExceptedByPoil(L"USB\\CLASS_08&SUBCLASS_06&PROT_50", L"USB\\VID_1234&PID_5678"));
    }
    {
        // The key is there but lists another vendor.
        const PoilEntry other(L"CLASS_08&SUBCLASS_06", L"VID_4321");
        EXPECT_TRUE(ArrivalQualifies(device->InterfaceName()));
    }
    {
        // Another class key does not apply.
        const PoilEntry otherClass(L"CLASS_08", L"VID_1234");
        EXPECT_TRUE(ArrivalQualifies(device->InterfaceName()));
    }
    {
        // A 32-bit program's plain HKLM\Software is the 32-bit view: the list is not read there.
        const PoilEntry wrongView(L"CLASS_08&SUBCLASS_06", L"VID_1234", KEY_WOW64_32KEY);
        EXPECT_TRUE(ArrivalQualifies(device->InterfaceName()));
    }
    // No key at all.
    EXPECT_TRUE(ArrivalQualifies(device->InterfaceName()));
}

TEST(DeviceArrival, ExceptionOfAnMtpPlayerUsesTheWholeCompatibleIdAsClassKey) {
    const auto device = Device(L"VID_045E&PID_0710", {L"USB\\MS_COMP_MTP"});
    const PoilEntry exception(L"MS_COMP_MTP", L"VID_045E");
    EXPECT_FALSE(ArrivalQualifies(device->InterfaceName()));
}

TEST(ReadDeviceIdString, ReadsTheFirstStringOfAListAndFailsForAMissingPropertyOrOutput) {
    const auto device = Device(L"VID_1234&PID_5678", {kFlashDriveClass, L"USB\\Class_08"});
    const auto bare = Device(L"VID_1234&PID_5670", {});
    const DeviceInfoList devices = DeviceInfoList::AllOfEnumerator(L"USB");
    ASSERT_TRUE(devices.IsValid());
    SP_DEVINFO_DATA entry{};
    entry.cbSize = sizeof(entry);
    int seen = 0;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(devices.Get(), index, &entry); ++index) {
        std::wstring hardwareId;
        ASSERT_TRUE(ReadDeviceIdString(devices.Get(), &entry, SPDRP_HARDWAREID, &hardwareId));
        std::wstring compatibleId = L"stale";
        const bool hasCompatible = ReadDeviceIdString(devices.Get(), &entry, SPDRP_COMPATIBLEIDS, &compatibleId);
        if (hardwareId == L"USB\\VID_1234&PID_5678&REV_0100") {
            ++seen;
            EXPECT_TRUE(hasCompatible);
            EXPECT_EQ(kFlashDriveClass, compatibleId);
            EXPECT_FALSE(ReadDeviceIdString(devices.Get(), &entry, SPDRP_HARDWAREID, nullptr));
        } else if (hardwareId == L"USB\\VID_1234&PID_5670&REV_0100") {
            ++seen;
            EXPECT_FALSE(hasCompatible);
            EXPECT_EQ(L"", compatibleId);
        }
    }
    EXPECT_EQ(2, seen);
}

TEST(ReadDeviceIdString, AValueOfAnotherTypeGivesAnEmptyTextAndSuccess) {
    // The binary value holds the flash drive's class as text: a read that ignored the type would find it.
    const auto* text = reinterpret_cast<const BYTE*>(kFlashDriveClass.c_str());
    const struct {
        const char* what;
        DWORD type;
        std::vector<BYTE> data;
    } cases[] = {
        {"binary", REG_BINARY, {text, text + (kFlashDriveClass.size() + 1) * sizeof(wchar_t)}},
        {"number", REG_DWORD, {8, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const auto device = Device(L"VID_1234&PID_5671", {});
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                                               L"System\\CurrentControlSet\\Enum\\USB\\VID_1234&PID_5671\\AGT0001", 0,
                                               KEY_SET_VALUE, &key));
        RegSetValueExW(key, L"CompatibleIDs", 0, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        RegCloseKey(key);

        const DeviceInfoList devices = DeviceInfoList::AllOfEnumerator(L"USB");
        SP_DEVINFO_DATA entry{};
        entry.cbSize = sizeof(entry);
        int seen = 0;
        for (DWORD index = 0; SetupDiEnumDeviceInfo(devices.Get(), index, &entry); ++index) {
            std::wstring hardwareId;
            if (!ReadDeviceIdString(devices.Get(), &entry, SPDRP_HARDWAREID, &hardwareId) ||
                hardwareId != L"USB\\VID_1234&PID_5671&REV_0100") {
                continue;
            }
            ++seen;
            std::wstring compatibleId = L"stale";
            EXPECT_TRUE(ReadDeviceIdString(devices.Get(), &entry, SPDRP_COMPATIBLEIDS, &compatibleId)) << c.what;
            EXPECT_EQ(L"", compatibleId) << c.what;
        }
        EXPECT_EQ(1, seen) << c.what;
        EXPECT_FALSE(ArrivalQualifies(device->InterfaceName())) << c.what;
    }
}
