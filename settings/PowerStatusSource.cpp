#include "PowerStatusSource.h"

namespace {
constexpr BYTE kNoSystemBattery = 128;
constexpr BYTE kUnknownPercent = 255;
}  // namespace

std::optional<BatteryReading> BatteryLevel(const PowerStatusSource& source) {
    SYSTEM_POWER_STATUS status{};
    if (!source.Read(status)) return std::nullopt;
    // An unknown percentage (255) would put the level marker far beyond the bar's end.
    if ((status.BatteryFlag & kNoSystemBattery) || status.BatteryLifePercent == kUnknownPercent) {
        return BatteryReading{};
    }
    return BatteryReading{status.BatteryLifePercent > 100 ? 100 : status.BatteryLifePercent, true};
}
