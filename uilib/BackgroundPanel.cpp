#include "BackgroundPanel.h"

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

void BackgroundPanel::Paint(HDC hDC) const {
    ::FillRect(hDC, &m_rcClient, m_headerBrush.get());
    if (!::IsRectEmpty(&m_rcThirdArea)) ::FillRect(hDC, &m_rcThirdArea, m_thirdAreaBrush.get());
    ::FillRect(hDC, &m_rcBody, m_bodyBrush.get());
    DrawLine(hDC, m_rcBody.left, m_rcBody.right, m_rcBody.top - 2, kDarkLineColour);
    DrawLine(hDC, m_rcBody.left, m_rcBody.right, m_rcBody.top - 1, kLightLineColour);
    DrawLine(hDC, m_rcBody.left, m_rcBody.right, m_rcBody.bottom, kLightLineColour);
    DrawLine(hDC, m_rcBody.left, m_rcBody.right, m_rcBody.bottom + 1, kDarkLineColour);
}

}  // namespace crvUiVista
