#pragma once
// The machine the simulated library stands for. Its firmware values live per user under
// HKCU\Software\Corvane\NodwellSim and are read at every call, so that tests and people can
// change the machine between calls. Set calls are held in this process until Commit.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The machine's key under HKEY_CURRENT_USER.
inline constexpr wchar_t kSimulatedMachineKey[] = L"Software\\Corvane\\NodwellSim";

struct BatterySetting {
    BYTE bEnabled = 0;
    DWORD dwLimit = 0;
};

class SimulatedMachine {
public:
    bool IsInitialized() const { return m_bInitialized; }
    void Initialize() { m_bInitialized = true; }
    // Ends the initialisation; set calls not yet committed are dropped.
    void Finalize();

    // The status that a "Fail_<function>" value forces on that function, 0 when none.
    LONG InjectedFailure(std::string_view function) const;
    // The file every call is logged to, when one is wanted.
    std::optional<std::wstring> CallLogPath() const;

    BYTE AllowDeviceLock() const;
    DWORD CapableModes() const;
    BYTE SupportMusic() const;
    DWORD CurrentMode() const;
    BatterySetting CurrentBattery() const;
    BatterySetting DefaultBattery() const;
    BYTE MusicMode() const;

    void HoldMode(DWORD dwMode) { m_pendingMode = dwMode; }
    void HoldBattery(BatterySetting battery) { m_pendingBattery = battery; }
    void HoldMusicMode(BYTE bOn) { m_pendingMusicMode = bOn; }
    // Writes the held values as the committed ones. On a registry error it returns that error
    // and keeps them held, so a later Commit can still write them. A non-zero "CommitPartly"
    // writes only the held mode and is returned as the status; the rest stays held.
    LONG Commit();

private:
    void DropHeldSets();

    bool m_bInitialized = false;
    std::optional<DWORD> m_pendingMode;
    std::optional<BatterySetting> m_pendingBattery;
    std::optional<BYTE> m_pendingMusicMode;
};
