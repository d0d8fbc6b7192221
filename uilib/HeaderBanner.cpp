#include "HeaderBanner.h"

#include "BackgroundPanel.h"
#include "ColourScheme.h"
#include "ImageHelper.h"
#include "Scale.h"
#include "UiResourceTable.h"

namespace crvUiVista {

bool HeaderBanner::Attach(HWND hWnd, int nScale) {
    const HeaderBannerSet& banner = GetHeaderBannerSet();
    OwnedBitmap fill = LoadBitmapResource(banner.hModule, banner.nFillId);
    OwnedBitmap end = LoadBitmapResource(banner.hModule, banner.nEndId);
    if (!fill || !end) return false;
    m_fill = std::move(fill);
    m_end = std::move(end);
    m_endSize = BitmapSize(m_end.get());
    m_nScale = nScale;
    m_hWnd = hWnd;
    // The size change makes the window compute its non-client area again, now with the band.
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    ::SetWindowPos(hWnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top + GetHeight(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

int HeaderBanner::GetHeight() const { return m_hWnd ? Scaled(m_endSize.cy, m_nScale) : 0; }

void HeaderBanner::OnNcCalcSize(NCCALCSIZE_PARAMS* pParams) const {
    if (!m_hWnd) return;
    // Also right for the short form of the message: its RECT is the first member here.
    pParams->rgrc[0].top += GetHeight();
    // A hidden window shows nothing: the banner is painted with the frame once it is shown.
    if (::IsWindowVisible(m_hWnd)) Paint();
}

void HeaderBanner::DrawBitmaps(HDC hSurface, HDC hSource, int nWidth, int nHeight) const {
    const bool scaled = m_nScale > kBaseScale;
    const int endWidth = scaled ? Scaled(m_endSize.cx, m_nScale) : m_endSize.cx;
    const int fillWidth = nWidth - endWidth;
    {
        SelectionScope fillSelected(hSource, m_fill.get());
        const SIZE fillSize = BitmapSize(m_fill.get());
        ::StretchBlt(hSurface, 0, 0, fillWidth, nHeight, hSource, 0, 0, fillSize.cx, fillSize.cy, SRCCOPY);
    }
    if (scaled) {
        const HeaderBannerSet& banner = GetHeaderBannerSet();
        const RECT endRect{fillWidth, 0, nWidth, nHeight};
        DrawResourceBitmap(hSurface, endRect, banner.hModule, banner.nEndId,
                           Gdiplus::InterpolationModeHighQualityBicubic);
    } else {
        SelectionScope endSelected(hSource, m_end.get());
        ::BitBlt(hSurface, fillWidth, 0, endWidth, nHeight, hSource, 0, 0, SRCCOPY);
    }
}

void HeaderBanner::Paint() const {
    if (!m_hWnd) return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int width = client.right;
    const int height = GetHeight();
    if (width <= 0 || height <= 0) return;

    WindowDc windowDc(m_hWnd, WindowDc::Area::Window);
    const OwnedMemoryDc surfaceDc(::CreateCompatibleDC(windowDc));
    const OwnedBitmap surface(::CreateCompatibleBitmap(windowDc, width, height));
    const OwnedMemoryDc sourceDc(::CreateCompatibleDC(windowDc));
    if (!surfaceDc || !surface || !sourceDc) return;
    SelectionScope surfaceSelected(surfaceDc.get(), surface.get());

    if (ColourScheme::IsHighContrast()) {
        const RECT band{0, 0, width, height};
        ::FillRect(surfaceDc.get(), &band, ::GetSysColorBrush(BackgroundPanel::kHeaderSysColour));
    } else {
        DrawBitmaps(surfaceDc.get(), sourceDc.get(), width, height);
    }

    // The client area's top-left corner in window coordinates.
    POINT origin{0, 0};
    ::ClientToScreen(m_hWnd, &origin);
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    ::BitBlt(windowDc, origin.x - window.left, origin.y - window.top - height, width, height, surfaceDc.get(), 0, 0,
             SRCCOPY);
}

}  // namespace crvUiVista
