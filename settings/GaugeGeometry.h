#pragma once
// Where the battery gauge lies and which parts of it change: the bar runs from 0 percent at
// its left end to 100 at its right end, lined up with the slider so that a percentage on the
// bar lies under the slider's thumb at that position.
#include <windows.h>

namespace GaugeGeometry {

inline constexpr int kCapWidth = 5;
inline constexpr int kFrameTop = 1;      // the frame bitmaps' row in the area
inline constexpr int kFrameHeight = 20;
inline constexpr int kFillHeight = 12;   // the fill tiles, centred in the frame
inline constexpr int kMarkerHalfWidth = 3;
inline constexpr int kDragMargin = 16;

// The gauge area in screen coordinates, from the slider's channel and thumb (screen
// coordinates) and the slider's bottom edge.
RECT PlaceArea(const RECT& rcChannel, const RECT& rcThumb, int nSliderBottom, int nScale);

// The inner bar in the area's client coordinates: the area less the caps, as high as the
// fill tiles inside the frame.
RECT InnerBar(int nAreaWidth);

// The x of a percentage on the bar.
int PercentPoint(const RECT& rcBar, int nPercent);

// The strip to repaint while the thumb is dragged from one position to another, as x offsets
// from the area's left edge (left, right).
POINT DragStrip(int nBarWidth, int nFromPos, int nToPos);

enum class LabelAlign { Left, Centre, Right };
struct LabelPlacement {
    int nLeft;
    LabelAlign align;
};
// A label of this width centred on x, held inside the area from nAreaLeft to nAreaRight.
LabelPlacement PlaceLabel(int nCentre, int nWidth, int nAreaLeft, int nAreaRight);

}  // namespace GaugeGeometry
