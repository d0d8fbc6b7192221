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

// The remaining battery percentage to show: 0, and not known, without a battery or when the
// system does not know it.
struct BatteryReading {
    int nPercent = 0;
    bool bKnown = false;
    bool operator==(const BatteryReading&) const = default;
};

// The reading; nothing when the status cannot be read.
std::optional<BatteryReading> BatteryLevel(const PowerStatusSource& source);
