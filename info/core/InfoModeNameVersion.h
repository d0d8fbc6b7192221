#pragma once
// The mode-name version picks the family of mode names and with it the information page.
#include <windows.h>

#include <optional>

// The capable-modes mask from the feature library (initialised and finalised around the
// question), or nothing when the library fails.
std::optional<DWORD> QueryCapableModes(HWND hWnd);

// The version the dialog uses. Setup mode stores the hardware's answer (2 when the library
// failed) as "ModeNameVer"; normal mode takes a stored "ModeNameVer" over it unchanged.
int DetermineModeNameVersion(std::optional<DWORD> capableModes, bool bSetupMode);

// HTML resource 137 for version 1, 150 for every other value.
UINT InformationPageFor(int nModeNameVer);
