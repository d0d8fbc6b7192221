#include "SimulatedMachine.h"

#include "RegistryKey.h"

namespace {

constexpr wchar_t kCurrentMode[] = L"CurrentMode";
constexpr wchar_t kBatteryEnabled[] = L"BatteryEnabled";
constexpr wchar_t kBatteryLimit[] = L"BatteryLimit";
constexpr wchar_t kMusicMode[] = L"MusicMode";

constexpr DWORD kFactoryBatteryLimit = 10;

// A missing key reads as a machine with every default.
DWORD ReadValue(const wchar_t* szName, DWORD dwDefault) {
    RegistryKey key;
    key.Open(HKEY_CURRENT_USER, kSimulatedMachineKey, KEY_QUERY_VALUE);
    return key.ReadDword(szName).value_or(dwDefault);
}

// Flags are stored as 32-bit values: any non-zero one is on, also beyond the low byte.
BYTE ReadFlag(const wchar_t* szName, bool bDefault) {
    return ReadValue(szName, bDefault ? 1 : 0) != 0 ? 1 : 0;
}

BatterySetting ReadBattery(const wchar_t* szEnabled, const wchar_t* szLimit) {
    return {ReadFlag(szEnabled, false), ReadValue(szLimit, kFactoryBatteryLimit)};
}

}  // namespace

void SimulatedMachine::Finalize() {
    m_bInitialized = false;
    DropHeldSets();
}

LONG SimulatedMachine::InjectedFailure(std::string_view function) const {
    // Function names are plain ASCII.
    const std::wstring strValue = L"Fail_" + std::wstring(function.begin(), function.end());
    return static_cast<LONG>(ReadValue(strValue.c_str(), 0));
}

std::optional<std::wstring> SimulatedMachine::CallLogPath() const {
    RegistryKey key;
    key.Open(HKEY_CURRENT_USER, kSimulatedMachineKey, KEY_QUERY_VALUE);
    return key.ReadString(L"CallLog");
}

BYTE SimulatedMachine::AllowDeviceLock() const { return ReadFlag(L"AllowDeviceLock", true); }

DWORD SimulatedMachine::CapableModes() const { return ReadValue(L"CapableModes", 0x18); }

BYTE SimulatedMachine::SupportMusic() const { return ReadFlag(L"SupportMusic", true); }

DWORD SimulatedMachine::CurrentMode() const { return ReadValue(kCurrentMode, 0); }

BatterySetting SimulatedMachine::CurrentBattery() const { return ReadBattery(kBatteryEnabled, kBatteryLimit); }

BatterySetting SimulatedMachine::DefaultBattery() const {
    return ReadBattery(L"DefaultBatteryEnabled", L"DefaultBatteryLimit");
}

BYTE SimulatedMachine::MusicMode() const { return ReadFlag(kMusicMode, false); }

LONG SimulatedMachine::Commit() {
    if (!m_pendingMode && !m_pendingBattery && !m_pendingMusicMode) return ERROR_SUCCESS;

    RegistryKey key;
    LONG status = key.OpenForWriting(HKEY_CURRENT_USER, kSimulatedMachineKey);
    if (status == ERROR_SUCCESS && m_pendingMode) {
        status = key.WriteDword(kCurrentMode, *m_pendingMode);
    }
    // A firmware that puts the mode into effect and then fails, for callers that must not
    // take a failed commit for one that changed nothing.
    if (const auto partFailure = static_cast<LONG>(ReadValue(L"CommitPartly", 0));
        status == ERROR_SUCCESS && partFailure != ERROR_SUCCESS) {
        m_pendingMode.reset();
        return partFailure;
    }
    if (status == ERROR_SUCCESS && m_pendingBattery) {
        status = key.WriteDword(kBatteryEnabled, m_pendingBattery->bEnabled);
        if (status == ERROR_SUCCESS) status = key.WriteDword(kBatteryLimit, m_pendingBattery->dwLimit);
    }
    if (status == ERROR_SUCCESS && m_pendingMusicMode) {
        status = key.WriteDword(kMusicMode, *m_pendingMusicMode);
    }
    if (status == ERROR_SUCCESS) DropHeldSets();
    return status;
}

void SimulatedMachine::DropHeldSets() {
    m_pendingMode.reset();
    m_pendingBattery.reset();
    m_pendingMusicMode.reset();
}
