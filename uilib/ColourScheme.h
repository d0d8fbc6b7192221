#pragma once
// The one place that decides which colours the dialogs draw with: their own in the normal
// scheme, the system's colours while the system's high-contrast mode is on. Painters ask at
// every paint, so a dialog that repaints after a colour or setting change follows a switch.
#include <windows.h>

namespace crvUiVista {

// The system's high-contrast flag, behind a seam: Wine always reports it off.
class HighContrastSource {
public:
    virtual ~HighContrastSource() = default;
    virtual bool IsOn() const;
};

class ColourScheme {
public:
    static bool IsHighContrast();
    // crNormal in the normal scheme, the system colour nSysColour in high contrast.
    static COLORREF Pick(COLORREF crNormal, int nSysColour);
    static HBRUSH PickBrush(HBRUSH hNormal, int nSysColour);

    // Brings a dialog's controls to the scheme, at start and after every change: in high
    // contrast they draw in the classic way, in the system's colours, rather than from the
    // visual style's pictures. Passes the colour change on to them (common controls keep the
    // system colours) and repaints the whole window, its non-client area included.
    static void Follow(HWND hWnd);

    // For tests: the source asked from now on; null puts the system's back.
    static void SetSource(const HighContrastSource* pSource);
};

}  // namespace crvUiVista
