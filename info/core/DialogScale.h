#pragma once
// Where the information dialog's header picture goes.
#include <windows.h>

// The header picture is square and at least 48 x 48 pixels, from the same top-left corner.
RECT PlaceHeaderPicture(const RECT& rcPicture);
