#include "CHeaderPicture.h"

#include "ImageHelper.h"

BEGIN_MESSAGE_MAP(CHeaderPicture, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CHeaderPicture::Render(HMODULE hModule, UINT nBitmapId, COLORREF crBackground) {
    const RECT rcClient = GetClientRect();
    m_size = SIZE{rcClient.right, rcClient.bottom};
    crvUiVista::WindowDc windowDc(m_hWnd);
    const crvUiVista::OwnedMemoryDc surfaceDc(::CreateCompatibleDC(windowDc));
    crvUiVista::OwnedBitmap surface(::CreateCompatibleBitmap(windowDc, m_size.cx, m_size.cy));
    if (!surfaceDc || !surface) return;
    {
        crvUiVista::SelectionScope selected(surfaceDc.get(), surface.get());
        const crvUiVista::OwnedBrush background(::CreateSolidBrush(crBackground));
        ::FillRect(surfaceDc.get(), &rcClient, background.get());
        crvUiVista::DrawResourceBitmap(surfaceDc.get(), rcClient, hModule, nBitmapId,
                                       Gdiplus::InterpolationModeHighQualityBilinear);
    }
    m_surface = std::move(surface);
    Invalidate(FALSE);
}

void CHeaderPicture::OnPaint() {
    PAINTSTRUCT ps{};
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    if (m_surface) {
        const crvUiVista::OwnedMemoryDc sourceDc(::CreateCompatibleDC(hDC));
        crvUiVista::SelectionScope selected(sourceDc.get(), m_surface.get());
        ::BitBlt(hDC, 0, 0, m_size.cx, m_size.cy, sourceDc.get(), 0, 0, SRCCOPY);
    }
    ::EndPaint(m_hWnd, &ps);
}
