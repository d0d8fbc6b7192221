#pragma once
// Paints a dialog's client area: the header colour everywhere, a white body with separator
// lines above and below it, and an optional third area. Its brushes also serve the dialog's
// labels, which draw on the header or the body.
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

    BackgroundPanel();

    // The third area stays empty unless given.
    void SetRects(const RECT& rcClient, const RECT& rcBody, const RECT& rcThirdArea = RECT{});

    HBRUSH GetHeaderBrush() const { return m_headerBrush.get(); }
    HBRUSH GetBodyBrush() const { return m_bodyBrush.get(); }

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
