#pragma once
// Paints a dialog's client area: the header colour everywhere, a white body with separator
// lines above and below it, and an optional third area. Its brushes also serve the dialog's
// labels, which draw on the header or the body. In high contrast the bands take the button
// face colour and the body the window colour.
#include <windows.h>

#include "GdiObject.h"

namespace crvUiVista {

class BackgroundPanel {
public:
    static constexpr COLORREF kHeaderColour = RGB(233, 234, 227);
    static constexpr COLORREF kBodyColour = RGB(255, 255, 255);
    static constexpr COLORREF kThirdAreaColour = RGB(222, 223, 213);
    static constexpr COLORREF kDarkLineColour = RGB(156, 156, 156);
    static constexpr COLORREF kLightLineColour = RGB(222, 223, 213);
    // The system colours of the header (and footer) bands and of the body in high contrast,
    // with COLOR_BTNTEXT and COLOR_WINDOWTEXT as their text colours.
    static constexpr int kHeaderSysColour = COLOR_BTNFACE;
    static constexpr int kBodySysColour = COLOR_WINDOW;

    BackgroundPanel();

    // The third area stays empty unless given.
    void SetRects(const RECT& rcClient, const RECT& rcBody, const RECT& rcThirdArea = RECT{});

    HBRUSH GetHeaderBrush() const;
    HBRUSH GetBodyBrush() const;

    void Paint(HDC hDC) const;

private:
    RECT m_rcClient{};
    RECT m_rcBody{};
    RECT m_rcThirdArea{};
    OwnedBrush m_headerBrush;
    OwnedBrush m_bodyBrush;
    OwnedBrush m_thirdAreaBrush;
};

}  // namespace crvUiVista
