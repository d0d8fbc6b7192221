#pragma once
// Which of the dialog's groups a change of a check box enables or disables: the battery
// group is usable while either feature is on, its slider only while its own box is checked
// too, and only on a machine with a battery.
#include <optional>

struct CheckStates {
    bool bCharge = false;
    bool bBattery = false;
    bool bMusic = false;
    bool bBatteryPresent = true;
};

// Each group the rule decides about, with its new state; groups left empty keep theirs.
struct EnablingChange {
    std::optional<bool> modeControls;     // mode label and list
    std::optional<bool> batteryGroup;     // battery frame and check box
    std::optional<bool> batteryControls;  // limit label, slider and value
};

EnablingChange BatteryControlsRule(bool bEnable, const CheckStates& checks);
EnablingChange ChargeRule(bool bEnable, const CheckStates& checks);
EnablingChange MusicRule(const CheckStates& checks);
