#include "MachineState.h"

#include "NodwellLib.h"
#include "SettingsStore.h"

namespace ctl {

std::vector<ModeEntry> MachineState::Modes() const {
    return BuildModeList(dwCapableModes, ModeNameVersion(dwCapableModes));
}

int MachineState::ModeCode() const {
    if (dwMode != 0) return static_cast<int>(dwMode);
    const std::vector<ModeEntry> modes = Modes();
    if (modes.empty()) return 0;
    return modes[static_cast<size_t>(EntryIndexOf(modes, ModeToSelect(0, SettingsStore::ReadMode())))].nCode;
}

bool MachineState::IsModeOffList() const {
    if (dwMode == 0) return false;
    for (const ModeEntry& entry : Modes()) {
        if (static_cast<DWORD>(entry.nCode) == dwMode) return false;
    }
    return true;
}

bool MachineState::IsLimitOutOfRange() const {
    return dwLimit < SettingsModel::kMinLimit || dwLimit > SettingsModel::kMaxLimit;
}

std::optional<MachineState> ReadMachineState(std::optional<LibraryFailure>& failure) {
    const auto succeeded = [&failure](const char* szFunction, LONG lStatus) {
        if (lStatus != 0) failure = LibraryFailure{szFunction, lStatus};
        return lStatus == 0;
    };
    MachineState machine;
    BYTE bBatteryOn = 0;
    BYTE bMusicSupported = 0;
    BYTE bMusicOn = 0;
    if (!succeeded("NWLB_GetCapableModes", NWLB_GetCapableModes(&machine.dwCapableModes)) ||
        !succeeded("NWLB_GetCurrentMode", NWLB_GetCurrentMode(&machine.dwMode)) ||
        !succeeded("NWLB_GetCurrentBattery", NWLB_GetCurrentBattery(&bBatteryOn, &machine.dwLimit)) ||
        !succeeded("NWLB_IsSupportMusic", NWLB_IsSupportMusic(&bMusicSupported)) ||
        !succeeded("NWLB_GetCurrentMusicMode", NWLB_GetCurrentMusicMode(&bMusicOn))) {
        return std::nullopt;
    }
    machine.bBatteryOn = bBatteryOn != 0;
    machine.bMusicSupported = bMusicSupported != 0;
    machine.bMusicOn = bMusicOn != 0;
    return machine;
}

}  // namespace ctl
