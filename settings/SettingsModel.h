#pragma once
// What the settings dialog edits, without the dialog: preparing the feature library, loading
// the current values, the defaults, and applying the values back in the library's order.
#include <windows.h>

#include <optional>
#include <vector>

#include "ModeList.h"

// The five values as the dialog's controls hold them.
struct SettingsValues {
    bool bChargeOn = false;
    int nModeCode = 0;  // code of the selected list entry; 0 when nothing is selected
    bool bBatteryOn = false;
    int nLimit = 10;
    bool bMusicOn = false;

    // What NWLB_SetCurrentMode is given: the code while Zazez and Charge is on, else 0.
    DWORD LibraryMode() const { return bChargeOn ? static_cast<DWORD>(nModeCode) : 0; }
};

// The values read from the library, ready for the controls.
struct LoadedSettings {
    bool bBatteryOn = false;
    int nLimit = 2;  // clamped to the slider's 2..99
    DWORD dwCapableModes = 0;
    std::vector<ModeEntry> modes;
    bool bChargeOn = false;
    int nSelectedEntry = 0;
    bool bMusicSupported = false;
    bool bMusicOn = false;
};

// The library call that made an operation fail, and the status it returned.
struct LibraryFailure {
    const char* szFunction;
    LONG lStatus;
};

struct BatteryDefaults {
    bool bEnabled = false;
    int nLimit = 10;
};

class SettingsModel {
public:
    static constexpr int kMinLimit = 2;
    static constexpr int kMaxLimit = 99;

    SettingsModel() = default;
    ~SettingsModel() { Finalise(); }
    SettingsModel(const SettingsModel&) = delete;
    SettingsModel& operator=(const SettingsModel&) = delete;

    // Initialises the library with the dialog's window; false: it is not usable.
    bool Initialise(HWND hDialog);
    // Whether the user may change the settings; nothing when the library cannot say.
    std::optional<bool> ReadChangesAllowed();
    // Derives the mode-name version from the capable modes and stores it as "ModeNameVer";
    // a failing library leaves the version as it was.
    void ReadModeNameVersion();
    // Nothing when a library call failed (hardware information unavailable); nothing is
    // applied after that. Does not touch the library unless it is initialised and changes are
    // allowed.
    std::optional<LoadedSettings> Load();
    // The factory battery values, the limit clamped to 2..99; nothing when the library cannot
    // give them.
    std::optional<BatteryDefaults> ReadDefaultBattery();
    // The same, or off and 10 when the library cannot give them.
    BatteryDefaults DefaultBattery() { return ReadDefaultBattery().value_or(BatteryDefaults{}); }
    // The user picked another mode, or Default chose the first one.
    void MarkModeChanged() { m_bModeChanged = true; }
    // Sets mode, battery and music, and commits, stopping at the first failing call; only a
    // complete apply tells the maker's other program about it. A code outside the mode list (a
    // caller keeping the machine's own) is sent as it is.
    bool Apply(const SettingsValues& values);
    // Ends the library's use, once, if it was initialised.
    void Finalise();

    bool IsInitialised() const { return m_bInitialised; }
    bool AreChangesAllowed() const { return m_bChangesAllowed; }
    bool CanApply() const { return m_bInitialised && m_bChangesAllowed && !m_bLoadFailed; }
    bool IsModeChanged() const { return m_bModeChanged; }
    int GetModeNameVersion() const { return m_nModeNameVersion; }
    const std::vector<ModeEntry>& GetModes() const { return m_modes; }
    // The call that made the last failed Initialise, ReadChangesAllowed, Load, Apply or
    // ReadDefaultBattery fail.
    std::optional<LibraryFailure> GetLastFailure() const { return m_lastFailure; }

private:
    bool Succeeded(const char* szFunction, LONG lStatus);

    bool m_bInitialised = false;
    bool m_bChangesAllowed = false;
    bool m_bModeChanged = false;
    // The dialog then shows placeholders, not the machine's values: applying them would
    // overwrite the machine's settings with them.
    bool m_bLoadFailed = false;
    int m_nModeNameVersion = 2;
    std::vector<ModeEntry> m_modes;
    std::optional<LibraryFailure> m_lastFailure;
};

// Tells the maker's program that owns the window "WLB_USBSleepChargeWindow" that the
// settings changed; nothing happens when that program does not run.
void NotifySettingsChanged();
