#pragma once
// The size a text takes in a font, measured on a memory device context compatible with the
// screen: it measures as the windows' own contexts do, without asking the window system for
// a window's context each time.
#include <windows.h>

#include <string>

namespace crvUiVista {

// The rectangle DrawText computes (DT_CALCRECT with nFormat) for text in hFont; hFont null
// measures in the system font, as a window without a font of its own draws.
SIZE MeasureText(HFONT hFont, const std::wstring& text, UINT nFormat);

}  // namespace crvUiVista
