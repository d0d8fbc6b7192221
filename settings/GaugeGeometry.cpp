#include "GaugeGeometry.h"

#include <algorithm>

#include "Scale.h"

namespace GaugeGeometry {

namespace {
constexpr int kSlotCount = 97;  // the slider's positions 2 to 99 span 97 steps
constexpr int kGapBelowSlider = 2;
constexpr int kAreaHeight = 22;
}  // namespace

RECT PlaceArea(const RECT& rcChannel, const RECT& rcThumb, int nSliderBottom, int nScale) {
    const int nThumbWidth = rcThumb.right - rcThumb.left;
    // One percent in hundredths of a pixel, so that the ends keep their fractions.
    const int nPercent100 = (rcChannel.right - rcChannel.left - nThumbWidth) * 100 / kSlotCount;
    RECT area{};
    area.left = rcChannel.left + nThumbWidth / 2 - kCapWidth - 2 * nPercent100 / 100;
    area.right = rcChannel.right - nThumbWidth / 2 + nPercent100 / 100 + kCapWidth;
    area.top = nSliderBottom + crvUiVista::Scaled(kGapBelowSlider, nScale);
    int nHeight = crvUiVista::Scaled(kAreaHeight, nScale);
    if (nHeight % 2) ++nHeight;
    area.bottom = area.top + nHeight;
    return area;
}

RECT InnerBar(int nAreaWidth) {
    const int nTop = kFrameTop + (kFrameHeight - kFillHeight) / 2;
    return RECT{kCapWidth, nTop, nAreaWidth - kCapWidth, nTop + kFillHeight};
}

int PercentPoint(const RECT& rcBar, int nPercent) { return rcBar.left + (rcBar.right - rcBar.left) * nPercent / 100; }

POINT DragStrip(int nBarWidth, int nFromPos, int nToPos) {
    const int nLow = std::min(nFromPos, nToPos);
    const int nHigh = std::max(nFromPos, nToPos);
    return POINT{nBarWidth * nLow / 100 - kDragMargin, nBarWidth * nHigh / 100 + kDragMargin};
}

LabelPlacement PlaceLabel(int nCentre, int nWidth, int nAreaLeft, int nAreaRight) {
    const int nLeft = nCentre - nWidth / 2;
    if (nLeft < nAreaLeft) return {nAreaLeft, LabelAlign::Left};
    if (nLeft + nWidth > nAreaRight) return {nAreaRight - nWidth, LabelAlign::Right};
    return {nLeft, LabelAlign::Centre};
}

}  // namespace GaugeGeometry
