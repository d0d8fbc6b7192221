// The agent's deciding logic that needs neither a window nor the device list.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "AgentSettings.h"
#include "DeviceInterfaceName.h"
#include "InformationLauncher.h"
#include "NodwellSettingsKey.h"
#include "PoilException.h"
#include "SessionTracking.h"
#include "StopSwitch.h"

TEST(StopSwitch, SlashUAnywhereInTheLineStopsAndNothingElseDoes) {
    const struct {
        const wchar_t* commandLine;
        bool stops;
    } cases[] = {
        {L"/u", true},       {L"/U", true},        {L"/Uninstall", true}, {L"x/u", true},
        {L"-a /b /u", true}, {L"", false},         {L"u", false},         {L"/", false},
        {L"-u", false},      {L"/ u", false},      {L"\\u", false},       {L"/x/y/", false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.stops, HasStopSwitch(c.commandLine)) << "\"" << c.commandLine << "\"";
}

TEST(DeviceInterfaceName, InterfacePathGivesEnumeratorAndUpperCaseDeviceIdPrefix) {
    const auto identity = ParseDeviceInterfaceName(L"\\\\?\\usb#Vid_1234&Pid_5678#ab12#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
    ASSERT_TRUE(identity);
    EXPECT_EQ(L"USB", identity->enumerator);
    EXPECT_EQ(L"USB\\VID_1234&PID_5678", identity->deviceIdPrefix);
}

TEST(DeviceInterfaceName, ShortNamesNamesWithoutHashAndNamesWithoutEnumeratorAreIgnored) {
    for (const wchar_t* name : {L"", L"\\\\?\\", L"\\\\?\\USB\\VID_1234&PID_5678\\1", L"\\\\?\\USB_VID_1234#{guid}"}) {
        EXPECT_FALSE(ParseDeviceInterfaceName(name)) << "\"" << name << "\"";
    }
}

TEST(DeviceInterfaceName, BroadcastNameIsReadNoFurtherThanTheBroadcastSize) {
    // A name with no terminating zero inside the broadcast ends where the broadcast ends.
    constexpr size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    std::vector<BYTE> block(kNameOffset + 8 * sizeof(wchar_t) + 64, 'Z');
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(block.data());
    broadcast->dbcc_size = static_cast<DWORD>(kNameOffset + 8 * sizeof(wchar_t));
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    EXPECT_EQ(8u, BroadcastDeviceName(*broadcast).size());

    broadcast->dbcc_name[3] = L'\0';
    EXPECT_EQ(3u, BroadcastDeviceName(*broadcast).size());

    broadcast->dbcc_size = static_cast<DWORD>(kNameOffset);
    EXPECT_EQ(L"", BroadcastDeviceName(*broadcast));
}

TEST(PoilException, ClassKeyKeepsClassAndSubclassAndVendorKeyIsTheVendorId) {
    const struct {
        const wchar_t* compatibleId;
        const wchar_t* prefix;
        const wchar_t* classKey;
        const wchar_t* vendor;
    } cases[] = {
        {L"USB\\CLASS_08&SUBCLASS_06&PROT_50", L"USB\\VID_1234&PID_5678", L"CLASS_08&SUBCLASS_06", L"VID_1234"},
        {L"USB\\CLASS_08&SUBCLASS_06", L"USB\\VID_1234&PID_5678", L"CLASS_08", L"VID_1234"},
        {L"USB\\MS_COMP_MTP", L"USB\\VID_abcd&PID_0001", L"MS_COMP_MTP", L"VID_ABCD"},
        {L"USB\\class_06&subclass_01&prot_01", L"USB\\VID_04A9&PID_0001&MI_00", L"CLASS_06&SUBCLASS_01", L"VID_04A9"},
        // A leading '&' is not a separator of class and subclass.
        {L"&CLASS_08", L"USB\\VID_1234&PID_5678", L"&CLASS_08", L"VID_1234"},
    };
    for (const auto& c : cases) {
        const auto lookup = PoilLookupFor(c.compatibleId, c.prefix);
        ASSERT_TRUE(lookup) << c.compatibleId;
        EXPECT_EQ(std::wstring(L"Software\\Corvane\\Nodwell\\poil\\") + c.classKey, lookup->keyName);
        EXPECT_EQ(c.vendor, lookup->valueName);
    }
}

TEST(PoilException, DeviceIdWithoutAmpersandHasNoVendorKey) {
    EXPECT_FALSE(PoilLookupFor(L"USB\\CLASS_08&SUBCLASS_06&PROT_50", L"USB\\ROOT_HUB20"));
    EXPECT_FALSE(IsExceptedByPoil(L"USB\\CLASS_08&SUBCLASS_06&PROT_50", L"USB\\ROOT_HUB20"));
}

TEST(SessionTracking, ConnectAndUnlockActivateDisconnectAndLockDeactivateOthersKeepTheState) {
    const struct {
        WPARAM code;
        bool fromActive;
        bool fromInactive;
    } cases[] = {
        {WTS_CONSOLE_CONNECT, true, true},     {WTS_SESSION_UNLOCK, true, true},
        {WTS_CONSOLE_DISCONNECT, false, false}, {WTS_SESSION_LOCK, false, false},
        {WTS_REMOTE_CONNECT, true, false},     {WTS_REMOTE_DISCONNECT, true, false},
        {WTS_SESSION_LOGON, true, false},      {WTS_SESSION_LOGOFF, true, false},
        {0x9, true, false},                    {0, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.fromActive, SessionActiveAfter(true, c.code)) << c.code;
        EXPECT_EQ(c.fromInactive, SessionActiveAfter(false, c.code)) << c.code;
    }
}

TEST(SessionTracking, OnlyInterfaceArrivalsInAnActiveSessionAreExamined) {
    DEV_BROADCAST_DEVICEINTERFACE_W interfaceBroadcast{};
    interfaceBroadcast.dbcc_size = sizeof(interfaceBroadcast);
    interfaceBroadcast.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    DEV_BROADCAST_HDR volumeBroadcast{sizeof(volumeBroadcast), DBT_DEVTYP_VOLUME, 0};
    const auto interfaceParam = reinterpret_cast<LPARAM>(&interfaceBroadcast);
    const auto volumeParam = reinterpret_cast<LPARAM>(&volumeBroadcast);

    EXPECT_TRUE(IsArrivalToExamine(true, DBT_DEVICEARRIVAL, interfaceParam));
    EXPECT_FALSE(IsArrivalToExamine(false, DBT_DEVICEARRIVAL, interfaceParam));
    EXPECT_FALSE(IsArrivalToExamine(true, DBT_DEVICEREMOVECOMPLETE, interfaceParam));
    EXPECT_FALSE(IsArrivalToExamine(true, DBT_DEVNODES_CHANGED, 0));
    EXPECT_FALSE(IsArrivalToExamine(true, DBT_DEVICEARRIVAL, volumeParam));
    EXPECT_FALSE(IsArrivalToExamine(true, DBT_DEVICEARRIVAL, 0));
}

TEST(InformationLauncher, ProgramPathIsQuotedAndFollowedBySetup) {
    EXPECT_EQ(L"\"C:\\Program Files (x86)\\Corvane\\Corvane Vezuv Uvodoza\\NodwellInfo.exe\" /setup",
              InformationCommandLine(L"C:\\Program Files (x86)"));
}

namespace {

// This process's HKEY_CURRENT_USER redirected to an empty scratch key for a scope: the settings
// key is then missing whatever other tests have written under the real one.
class ScratchCurrentUser {
public:
    ScratchCurrentUser() : m_strName(L"Software\\NodwellAgentTest" + std::to_wstring(GetCurrentProcessId())) {
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, m_strName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &m_hKey, nullptr));
        EXPECT_EQ(ERROR_SUCCESS, RegOverridePredefKey(HKEY_CURRENT_USER, m_hKey));
    }
    ~ScratchCurrentUser() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(m_hKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, m_strName.c_str());
    }
    ScratchCurrentUser(const ScratchCurrentUser&) = delete;
    ScratchCurrentUser& operator=(const ScratchCurrentUser&) = delete;

    // Sets "DontRunSrv" in the (redirected) settings key.
    void SetDontRunSrv(DWORD dwType, const std::vector<BYTE>& data) const {
        HKEY hSettings = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, 0, nullptr, 0,
                                                 KEY_SET_VALUE, nullptr, &hSettings, nullptr));
        RegSetValueExW(hSettings, L"DontRunSrv", 0, dwType, data.data(), static_cast<DWORD>(data.size()));
        RegCloseKey(hSettings);
    }

private:
    std::wstring m_strName;
    HKEY m_hKey = nullptr;
};

}  // namespace

TEST(DontRunSrv, OnlyAFourByteNumberCountsAndAMissingKeyIsZero) {
    const struct {
        const char* what;
        DWORD type;
        std::vector<BYTE> data;
        DWORD read;
    } cases[] = {
        {"4-byte number", REG_DWORD, {2, 0, 0, 0}, 2},
        {"text \"1\"", REG_SZ, {'1', 0, 0, 0}, 0},
        {"4 bytes of binary", REG_BINARY, {1, 0, 0, 0}, 0},
        {"8-byte number", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"2-byte number", REG_DWORD, {1, 0}, 0},
    };
    {
        const ScratchCurrentUser user;
        EXPECT_EQ(0u, ReadDontRunSrv()) << "key missing";
    }
    for (const auto& c : cases) {
        const ScratchCurrentUser user;
        user.SetDontRunSrv(c.type, c.data);
        EXPECT_EQ(c.read, ReadDontRunSrv()) << c.what;
    }
}
