#include "GroupLayout.h"

#include "Scale.h"

using crvUiVista::Scaled;

namespace GroupLayout {

namespace {

constexpr int kSliderOverhang = 5;  // the slider reaches this far past the gauge on each side

int Height(const RECT& rect) { return rect.bottom - rect.top; }
int Width(const RECT& rect) { return rect.right - rect.left; }

// The rectangle moved so that its top is at y.
RECT WithTop(RECT rect, int y) {
    ::OffsetRect(&rect, 0, y - rect.top);
    return rect;
}

// The rectangle moved so that its bottom is at y.
RECT WithBottom(RECT rect, int y) {
    ::OffsetRect(&rect, 0, y - rect.bottom);
    return rect;
}

// The description at the right and the picture at the left of a group, each from its top in
// the frame (at 96 dots per inch); the description is 68 high.
void PlaceDescriptionAndPicture(const RECT& frame, int nTextTop, int nPictureTop, int nPictureHeight, int s,
                                RECT& description, RECT& picture) {
    description = RECT{frame.left + Scaled(132, s), frame.top + Scaled(nTextTop, s), frame.right - Scaled(3, s),
                       frame.top + Scaled(nTextTop + 68, s)};
    const int nPictureLeft = frame.left + Scaled(33, s);
    const int nTop = frame.top + Scaled(nPictureTop, s);
    picture = RECT{nPictureLeft, nTop, nPictureLeft + Scaled(83, s), nTop + Scaled(nPictureHeight, s)};
}

}  // namespace

ChargeGroup PlaceChargeGroup(const RECT& rcFrame, const RECT& rcLabel, const RECT& rcList, int s) {
    ChargeGroup group{};
    group.frame = rcFrame;
    group.frame.top = Scaled(86, s);
    group.frame.bottom = group.frame.top + Scaled(128, s);
    const RECT& frame = group.frame;
    group.label = WithBottom(rcLabel, frame.bottom - Scaled(36, s));
    group.list = WithBottom(rcList, frame.bottom - Scaled(8, s));
    PlaceDescriptionAndPicture(frame, 14, 32, 34, s, group.description, group.picture);
    return group;
}

MusicGroup PlaceMusicGroup(const RECT& rcFrame, int s) {
    MusicGroup group{};
    group.frame = rcFrame;
    group.frame.top = Scaled(226, s);
    group.frame.bottom = group.frame.top + Scaled(78, s);
    const RECT& frame = group.frame;
    PlaceDescriptionAndPicture(frame, 10, 26, 43, s, group.description, group.picture);
    return group;
}

BatteryGroupControls PlaceBatteryGroup(const BatteryGroupControls& now, int nWindowHeight, const TextWidths& widths,
                                       int s) {
    BatteryGroupControls group{};
    group.frame = now.frame;
    group.frame.bottom = nWindowHeight - Scaled(90, s);
    group.frame.top = group.frame.bottom - Scaled(136, s);
    const RECT& frame = group.frame;

    group.label.top = frame.top + Scaled(20, s);
    group.label.bottom = group.label.top + Height(now.label);
    group.label.left = frame.left + Scaled(19, s);
    group.label.right = group.label.left + widths.nLabel;

    group.value.top = group.label.top;
    group.value.bottom = group.label.bottom;
    group.value.left = group.label.right + Scaled(16, s);
    group.value.right = group.value.left + Width(now.value);

    group.gauge.top = frame.top + Scaled(70, s);
    group.gauge.bottom = group.gauge.top + Height(now.gauge);
    group.gauge.left = frame.left + Scaled(20, s);
    group.gauge.right = frame.right - Scaled(24, s);

    group.slider.top = frame.top + Scaled(40, s);
    group.slider.bottom = group.slider.top + Height(now.slider);
    group.slider.left = group.gauge.left - kSliderOverhang;
    group.slider.right = group.gauge.right + kSliderOverhang;

    group.level = WithTop(now.level, frame.top + Scaled(98, s));
    group.levelLabel = WithTop(now.levelLabel, frame.top + Scaled(115, s));
    group.levelLabel.right = group.levelLabel.left + widths.nLevelLabel;
    return group;
}

}  // namespace GroupLayout
