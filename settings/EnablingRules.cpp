#include "EnablingRules.h"

EnablingChange BatteryControlsRule(bool bEnable, const CheckStates& checks) {
    EnablingChange change;
    change.batteryControls = bEnable && checks.bBattery && checks.bBatteryPresent;
    return change;
}

EnablingChange ChargeRule(bool bEnable, const CheckStates& checks) {
    EnablingChange change;
    change.modeControls = bEnable;
    // While music is on it keeps the battery group usable on its own.
    if (!checks.bMusic) {
        change = BatteryControlsRule(bEnable, checks);
        change.modeControls = bEnable;
        change.batteryGroup = bEnable;
    }
    return change;
}

EnablingChange MusicRule(const CheckStates& checks) {
    if (checks.bMusic) {
        EnablingChange change = BatteryControlsRule(true, checks);
        change.batteryGroup = true;
        return change;
    }
    if (!checks.bCharge) {
        EnablingChange change = BatteryControlsRule(false, checks);
        change.batteryGroup = false;
        return change;
    }
    return {};
}
