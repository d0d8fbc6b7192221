#include "HeaderBanner.h"

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

    const bool scaled = m_nScale > kBaseScale;
    const int endWidth = scaled ? Scaled(m_endSize.cx, m_nScale) : m_endSize.cx;
    const int fillWidth = width - endWidth;
    {
        SelectionScope fillSelected(sourceDc.get(), m_fill.get());
        const SIZE fillSize = BitmapSize(m_fill.get());
        ::StretchBlt(surfaceDc.get(), 0, 0, fillWidth, height, sourceDc.get(), 0, 0, fillSize.cx, fillSize.cy,
                     SRCCOPY);
    }
    if (scaled) {
        const HeaderBannerSet& banner = GetHeaderBannerSet();
        const RECT endRect{fillWidth, 0, width, height};
        DrawResourceBitmap(surfaceDc.get(), endRect, banner.hModule, banner.nEndId,
                           Gdiplus::InterpolationModeHighQualityBicubic);
    } else {
        SelectionScope endSelected(sourceDc.get(), m_end.get());
        ::BitBlt(surfaceDc.get(), fillWidth, 0, endWidth, height, sourceDc.get(), 0, 0, SRCCOPY);
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
