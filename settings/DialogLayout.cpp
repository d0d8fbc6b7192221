#include "DialogLayout.h"

#include "Scale.h"

using crvUiVista::Scaled;

namespace {
constexpr int kWindowWidth = 488;
constexpr int kCaptionButtonsWidth = 8 * 22;
}  // namespace

SIZE LayoutWindowSize(DialogLayoutKind kind, int nScale) {
    int nHeight = 542;
    if (kind == DialogLayoutKind::WithoutMusic) nHeight = 456;
    if (kind == DialogLayoutKind::BatteryLess) nHeight = 407;
    return SIZE{Scaled(kWindowWidth, nScale), Scaled(nHeight, nScale)};
}

int TitleWindowWidth(int nTitleTextWidth, int nScale) {
    return nTitleTextWidth + Scaled(kCaptionButtonsWidth, nScale);
}
