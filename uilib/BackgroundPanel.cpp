#include "BackgroundPanel.h"

#include "ColourScheme.h"

namespace crvUiVista {

namespace {

void DrawLine(HDC hDC, int left, int right, int y, COLORREF colour) {
    const OwnedBrush brush(::CreateSolidBrush(colour));
    const RECT line{left, y, right, y + 1};
    ::FillRect(hDC, &line, brush.get());
}

}  // namespace

BackgroundPanel::BackgroundPanel()
    : m_headerBrush(::CreateSolidBrush(kHeaderColour)),
      m_bodyBrush(::CreateSolidBrush(kBodyColour)),
      m_thirdAreaBrush(::CreateSolidBrush(kThirdAreaColour)) {}

void BackgroundPanel::SetRects(const RECT& rcClient, const RECT& rcBody, const RECT& rcThirdArea) {
    m_rcClient = rcClient;
    m_rcBody = rcBody;
    m_rcThirdArea = rcThirdArea;
}

HBRUSH BackgroundPanel::GetHeaderBrush() const {
    return ColourScheme::PickBrush(m_headerBrush.get(), kHeaderSysColour);
}

HBRUSH BackgroundPanel::GetBodyBrush() const { return ColourScheme::PickBrush(m_bodyBrush.get(), kBodySysColour); }

void BackgroundPanel::Paint(HDC hDC) const {
    ::FillRect(hDC, &m_rcClient, GetHeaderBrush());
    if (!::IsRectEmpty(&m_rcThirdArea)) {
        ::FillRect(hDC, &m_rcThirdArea, ColourScheme::PickBrush(m_thirdAreaBrush.get(), kHeaderSysColour));
    }
    ::FillRect(hDC, &m_rcBody, GetBodyBrush());
    // In high contrast one line in the text colour parts the body from the bands.
    const COLORREF crDark = ColourScheme::Pick(kDarkLineColour, COLOR_WINDOWTEXT);
    const COLORREF crLight = ColourScheme::Pick(kLightLineColour, kBodySysColour);
    DrawLine(hDC, m_rcBody.left, m_rcBody.right, m_rcBody.top - 2, crDark);
    DrawLine(hDC, m_rcBody.left, m_rcBody.right, m_rcBody.top - 1, crLight);
    DrawLine(hDC, m_rcBody.left, m_rcBody.right, m_rcBody.bottom, crLight);
    DrawLine(hDC, m_rcBody.left, m_rcBody.right, m_rcBody.bottom + 1, crDark);
}

}  // namespace crvUiVista
