#include "SettingsModel.h"

#include <algorithm>

#include "NodwellLib.h"
#include "SettingsStore.h"

namespace {
constexpr LONG kSuccess = 0;
constexpr wchar_t kNotifyWindow[] = L"WLB_USBSleepChargeWindow";
constexpr wchar_t kNotifyMessage[] = L"WLB_USBSleepChargeNotify";

// The library's limit as the slider can hold it.
int SliderLimit(DWORD dwLimit) {
    return static_cast<int>(std::clamp<DWORD>(dwLimit, SettingsModel::kMinLimit, SettingsModel::kMaxLimit));
}
}  // namespace

bool SettingsModel::Initialise(HWND hDialog) {
    m_bInitialised = Succeeded("NWLB_InitializeDll", NWLB_InitializeDll(hDialog));
    return m_bInitialised;
}

std::optional<bool> SettingsModel::ReadChangesAllowed() {
    BYTE bAllow = 0;
    if (!m_bInitialised || !Succeeded("NWLB_GetAllowDeviceLock", NWLB_GetAllowDeviceLock(&bAllow))) {
        return std::nullopt;
    }
    m_bChangesAllowed = bAllow != 0;
    return m_bChangesAllowed;
}

void SettingsModel::ReadModeNameVersion() {
    DWORD dwModes = 0;
    if (!m_bInitialised || NWLB_GetCapableModes(&dwModes) != kSuccess) return;
    m_nModeNameVersion = ModeNameVersion(dwModes);
    SettingsStore::WriteModeNameVer(static_cast<DWORD>(m_nModeNameVersion));
}

std::optional<LoadedSettings> SettingsModel::Load() {
    LoadedSettings loaded;
    if (!CanApply()) return loaded;
    m_bLoadFailed = true;

    BYTE bBatteryOn = 0;
    DWORD dwLimit = 0;
    if (!Succeeded("NWLB_GetCurrentBattery", NWLB_GetCurrentBattery(&bBatteryOn, &dwLimit))) return std::nullopt;
    loaded.bBatteryOn = bBatteryOn != 0;
    loaded.nLimit = SliderLimit(dwLimit);

    if (!Succeeded("NWLB_GetCapableModes", NWLB_GetCapableModes(&loaded.dwCapableModes))) return std::nullopt;
    m_modes = BuildModeList(loaded.dwCapableModes, m_nModeNameVersion);
    loaded.modes = m_modes;

    DWORD dwMode = 0;
    if (!Succeeded("NWLB_GetCurrentMode", NWLB_GetCurrentMode(&dwMode))) return std::nullopt;
    loaded.bChargeOn = dwMode != 0;
    const int nLibraryCode = IsModeCode(dwMode) ? static_cast<int>(dwMode) : 0;
    const std::optional<DWORD> storedMode = nLibraryCode ? std::nullopt : SettingsStore::ReadMode();
    loaded.nSelectedEntry = EntryIndexOf(m_modes, ModeToSelect(nLibraryCode, storedMode));

    // The library's answers about music are not checked: a failure means no music.
    BYTE bMusicSupported = 0;
    NWLB_IsSupportMusic(&bMusicSupported);
    loaded.bMusicSupported = bMusicSupported != 0;
    if (loaded.bMusicSupported) {
        BYTE bMusicOn = 0;
        NWLB_GetCurrentMusicMode(&bMusicOn);
        loaded.bMusicOn = bMusicOn != 0;
    }
    m_bLoadFailed = false;
    return loaded;
}

std::optional<BatteryDefaults> SettingsModel::ReadDefaultBattery() {
    BYTE bEnabled = 0;
    DWORD dwLimit = 0;
    if (!m_bInitialised || !Succeeded("NWLB_GetDefaultBattery", NWLB_GetDefaultBattery(&bEnabled, &dwLimit))) {
        return std::nullopt;
    }
    // Shown as the slider will hold it, which is also what an apply sends.
    return BatteryDefaults{bEnabled != 0, SliderLimit(dwLimit)};
}

bool SettingsModel::Apply(const SettingsValues& values) {
    if (!CanApply()) return false;
    const bool bCode = IsModeCode(values.nModeCode);
    if (!Succeeded("NWLB_SetCurrentMode", NWLB_SetCurrentMode(values.LibraryMode()))) {
        return false;
    }
    // The chosen mode is remembered even while Zazez and Charge is off, so that switching it
    // on later offers the same mode again.
    if (m_bModeChanged && bCode) {
        SettingsStore::WriteMode(static_cast<DWORD>(values.nModeCode));
        m_bModeChanged = false;
    }
    if (!Succeeded("NWLB_SetCurrentBattery",
                   NWLB_SetCurrentBattery(values.bBatteryOn ? 1 : 0, static_cast<DWORD>(values.nLimit)))) {
        return false;
    }
    if (!Succeeded("NWLB_SetCurrentMusicMode", NWLB_SetCurrentMusicMode(values.bMusicOn ? 1 : 0))) return false;
    if (!Succeeded("NWLB_Commit", NWLB_Commit())) return false;
    NotifySettingsChanged();
    return true;
}

bool SettingsModel::Succeeded(const char* szFunction, LONG lStatus) {
    if (lStatus == kSuccess) return true;
    m_lastFailure = LibraryFailure{szFunction, lStatus};
    return false;
}

void SettingsModel::Finalise() {
    if (!m_bInitialised) return;
    NWLB_FinalizeDll();
    m_bInitialised = false;
}

void NotifySettingsChanged() {
    if (HWND hWnd = ::FindWindowW(kNotifyWindow, kNotifyWindow)) {
        ::PostMessageW(hWnd, ::RegisterWindowMessageW(kNotifyMessage), 0, 0);
    }
}
