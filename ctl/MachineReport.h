#pragma once
// What NodwellCtl reports about the machine: for people as lines of text, for scripts as one
// JSON object whose keys are fixed (documented in the README).
#include <optional>
#include <string>
#include <vector>

#include "ModeChoice.h"
#include "SettingsModel.h"

namespace ctl {

struct MachineValues {
    std::vector<NamedMode> modes;
    bool bChargeOn = false;
    // The mode the settings dialog selects: the library's while Zazez and Charge is on, else
    // the remembered one; nothing when the machine offers no mode.
    std::optional<NamedMode> mode;
    bool bBatteryOn = false;
    int nLimit = 0;
    bool bMusicSupported = false;
    bool bMusicOn = false;
};

struct MachineReport {
    bool bChangesAllowed = false;
    // Read only when changes are allowed, as the settings program reads them.
    std::optional<MachineValues> values;
};

MachineValues ValuesOf(const LoadedSettings& loaded, const SettingsTexts& texts);

std::wstring ReportText(const MachineReport& report);
std::wstring ReportJson(const MachineReport& report);

}  // namespace ctl
