#pragma once
// The system's power status, behind a seam: Wine reports no battery, so tests that need a
// battery level give their own source.
#include <windows.h>

#include <optional>

class PowerStatusSource {
public:
    virtual ~PowerStatusSource() = default;
    // False when the status cannot be read.
    virtual bool Read(SYSTEM_POWER_STATUS& status) const { return ::GetSystemPowerStatus(&status) != FALSE; }
};

// The remaining battery percentage to show: 0 without a battery (or when the system does not
// know it); nothing when the status cannot be read.
std::optional<int> BatteryLevel(const PowerStatusSource& source);
