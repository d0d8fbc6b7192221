#pragma once
// The settings dialog's measures: the window size of each layout, and the width
// the title needs. Measures are pixels at 96 dots per inch, scaled with the dialog.
#include <windows.h>

enum class DialogLayoutKind { WithMusic, WithoutMusic, BatteryLess };

// The window's outer size in a layout.
SIZE LayoutWindowSize(DialogLayoutKind kind, int nScale);

// The window width the title needs: its text width and room for the caption buttons.
int TitleWindowWidth(int nTitleTextWidth, int nScale);

inline constexpr int kHeaderAreaHeight = 74;
inline constexpr int kFooterBandHeight = 37;
