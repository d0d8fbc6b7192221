#pragma once
// The settings program's values under HKEY_CURRENT_USER "Software\Corvane\Nodwell\".
#include <windows.h>

#include <optional>

namespace SettingsStore {

// The last chosen power-supply mode, as stored; nothing when it cannot be read.
std::optional<DWORD> ReadMode();
// False when the key cannot be created or opened.
bool WriteMode(DWORD dwMode);
// Removes "Mode", so that it counts as missing again; true when it is gone.
bool RemoveMode();
bool WriteModeNameVer(DWORD dwVersion);
// Missing counts as 0 (show the information program).
DWORD ReadDontShowInfo();

}  // namespace SettingsStore
