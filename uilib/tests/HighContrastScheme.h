#pragma once
// High contrast for a test, as a person turns it on: the system's flag (through the library's
// seam: Wine has none) and a high-contrast colour scheme (SetSysColors, which tells the open
// windows with WM_SYSCOLORCHANGE). Both are put back when the object goes.
#include <windows.h>

#include <string>
#include <vector>

#include "ColourScheme.h"

class HighContrastScheme : public crvUiVista::HighContrastSource {
public:
    HighContrastScheme();
    ~HighContrastScheme() override;
    HighContrastScheme(const HighContrastScheme&) = delete;
    HighContrastScheme& operator=(const HighContrastScheme&) = delete;

    bool IsOn() const override { return m_bOn; }
    void SetFlag(bool bOn) { m_bOn = bOn; }
    // The scheme's colours: white texts on the button faces, yellow ones on windows, on black.
    void SetColours();

    // How the switch reaches an open window.
    enum class Route {
        Colours,  // the flag, then the colours with their WM_SYSCOLORCHANGE
        Setting,  // the colours, then the flag with its WM_SETTINGCHANGE
    };
    void TurnOn(HWND hWindow, Route route);

private:
    std::vector<int> m_elements;
    std::vector<COLORREF> m_saved;
    bool m_bOn = false;
};

// What a window shows, frame included, read once from its own surface (what reaches the
// screen may lag behind). Rectangles are in screen coordinates.
class WindowPixels {
public:
    explicit WindowPixels(HWND hWnd);
    // The first pixel of the area, row by row, that is none of the system colours, outside the
    // excluded rectangles and the control with the focus (its focus rectangle inverts what is
    // under it); empty when there is none.
    std::wstring FirstForeignPixel(const RECT& rcArea, const std::vector<RECT>& excluded) const;
    // Whether some pixel of the rectangle has this colour.
    bool Shows(const RECT& rcScreen, COLORREF colour) const;

private:
    COLORREF At(int x, int y) const;

    HWND m_hWnd;
    RECT m_rect{};
    std::vector<COLORREF> m_pixels;
};

// The rectangle of a dialog's control on the screen.
RECT ScreenRect(HWND hDialog, int nId);
// The part of a dialog that it paints itself: the client area and the band above it, below
// the caption.
RECT PaintedArea(HWND hDialog);
// Saves the window as <folder>\<name>.bmp when SUITE_SHOT_FOLDER names a folder (the
// screenshot script sets it).
void SaveShotIfAsked(HWND hWnd, const std::wstring& name);
