#pragma once
// The decorative band drawn in a dialog's non-client area directly under its title: the end
// picture at the right, the fill column stretched over the rest; in high contrast the band
// takes the header's system colour instead. The dialog hands its non-client size and paint
// messages to the hooks below.
#include <windows.h>

#include "GdiObject.h"

namespace crvUiVista {

class HeaderBanner {
public:
    // Loads the registered banner bitmaps and grows the window's height by the band; false,
    // with the window untouched, when either bitmap cannot be loaded.
    bool Attach(HWND hWnd, int nScale);

    // The band's height at the attached scale; 0 when not attached.
    int GetHeight() const;

    // After the window's default computation: moves the client area's top below the band and
    // paints the band.
    void OnNcCalcSize(NCCALCSIZE_PARAMS* pParams) const;
    // Before the window's default non-client painting.
    void OnNcPaint() const { Paint(); }

    // Paints the band directly above the client area.
    void Paint() const;

private:
    // The fill stretched over the band and the end picture at its right end.
    void DrawBitmaps(HDC hSurface, HDC hSource, int nWidth, int nHeight) const;

    HWND m_hWnd = nullptr;
    int m_nScale = 96;
    OwnedBitmap m_fill;
    OwnedBitmap m_end;
    SIZE m_endSize{};
};

}  // namespace crvUiVista
