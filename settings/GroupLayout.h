#pragma once
// Where the settings dialog's three groups and their controls lie, in the dialog's client
// coordinates. Measures are pixels at 96 dots per inch, scaled with the dialog; a group's
// frame keeps its left and right edges, and a control its size unless said otherwise.
#include <windows.h>

namespace GroupLayout {

// "Zazez and Charge": the mode label and list sit at the frame's bottom, the list keeping its
// size; the description and the picture beside each other above them.
struct ChargeGroup {
    RECT frame;
    RECT label;
    RECT list;
    RECT description;
    RECT picture;
};
ChargeGroup PlaceChargeGroup(const RECT& rcFrame, const RECT& rcLabel, const RECT& rcList, int nScale);

// "Zazez and Music": the description and the picture.
struct MusicGroup {
    RECT frame;
    RECT description;
    RECT picture;
};
MusicGroup PlaceMusicGroup(const RECT& rcFrame, int nScale);

// Operation on battery, at the window's bottom: the limit label as wide as its text with the
// value after it, the gauge under them with the slider reaching past it on each side, and the
// level value and label under the gauge, the label as wide as its text.
struct BatteryGroupControls {
    RECT frame;
    RECT label;
    RECT value;
    RECT slider;
    RECT gauge;
    RECT level;
    RECT levelLabel;
};
struct TextWidths {
    int nLabel;
    int nLevelLabel;
};
BatteryGroupControls PlaceBatteryGroup(const BatteryGroupControls& now, int nWindowHeight, const TextWidths& widths,
                                       int nScale);

}  // namespace GroupLayout
