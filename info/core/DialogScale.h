#pragma once
// The information dialog's scale: its dots per inch, measured on the header picture control,
// which is 45 pixels wide at 96 dpi.
#include <windows.h>

// Picture width x 96 / 45, never below 96; the division truncates.
int ScaleFromPictureWidth(int nPictureWidth);

// The header picture is square and at least 48 x 48 pixels, from the same top-left corner.
RECT PlaceHeaderPicture(const RECT& rcPicture);
