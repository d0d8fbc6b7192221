#pragma once
// The machine as the feature library has it: every value as the firmware reports it, every
// call's status checked. The settings dialog shows fallbacks and clamped values instead, and
// would write those back; NodwellCtl reports and keeps what is there.
#include <windows.h>

#include <optional>
#include <vector>

#include "ModeList.h"
#include "SettingsModel.h"

namespace ctl {

struct MachineState {
    DWORD dwCapableModes = 0;
    DWORD dwMode = 0;  // 0: Zazez and Charge off
    bool bBatteryOn = false;
    DWORD dwLimit = 0;
    bool bMusicSupported = false;
    bool bMusicOn = false;  // read also where the machine has no Zazez and Music

    bool operator==(const MachineState&) const = default;

    // The settings program's mode list for this machine.
    std::vector<ModeEntry> Modes() const;
    // The mode Zazez and Charge runs in; while it is off, the one the settings program would
    // switch it on with (the remembered "Mode"); 0 when the machine offers none.
    int ModeCode() const;
    // Values the settings dialog cannot show, and would write back otherwise.
    bool IsModeOffList() const;
    bool IsLimitOutOfRange() const;
    bool IsMusicOnWithoutMusic() const { return bMusicOn && !bMusicSupported; }
};

// Nothing, with the failing call in failure, when a call fails.
std::optional<MachineState> ReadMachineState(std::optional<LibraryFailure>& failure);

}  // namespace ctl
