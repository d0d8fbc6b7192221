#pragma once
// The settings program's bitmap ids, as it registers them.
#include <windows.h>

#include "UiResourceTable.h"

inline constexpr UINT IDB_BANNER_FILL = 131;
inline constexpr UINT IDB_BANNER_END = 132;
inline constexpr UINT IDB_BUTTON_NORMAL = 134;
inline constexpr UINT IDB_BUTTON_HOT = 130;
inline constexpr UINT IDB_BUTTON_PRESSED = 133;

inline void RegisterSettingsImages() {
    const HMODULE hModule = GetModuleHandleW(nullptr);
    crvUiVista::RegisterHeaderBannerSet(hModule, IDB_BANNER_FILL, IDB_BANNER_END);
    crvUiVista::RegisterButtonSet(hModule, IDB_BUTTON_NORMAL, IDB_BUTTON_HOT, IDB_BUTTON_PRESSED);
}
