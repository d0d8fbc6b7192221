#include "ImageHelper.h"

namespace crvUiVista {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_token, &input, nullptr) != Gdiplus::Ok) m_token = 0;
}

GdiplusSession::~GdiplusSession() {
    if (m_token) Gdiplus::GdiplusShutdown(m_token);
}

bool DrawResourceBitmap(HDC hDC, const RECT& rcDest, HMODULE hModule, UINT nId, Gdiplus::InterpolationMode mode) {
    Gdiplus::Bitmap bitmap(hModule, MAKEINTRESOURCEW(nId));
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return false;
    Gdiplus::Graphics graphics(hDC);
    graphics.SetInterpolationMode(mode);
    // Without mirrored edges the filter blends the border pixels with transparency.
    Gdiplus::ImageAttributes attributes;
    attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    const Gdiplus::Rect destination(rcDest.left, rcDest.top, rcDest.right - rcDest.left, rcDest.bottom - rcDest.top);
    const auto width = static_cast<INT>(bitmap.GetWidth());
    const auto height = static_cast<INT>(bitmap.GetHeight());
    return graphics.DrawImage(&bitmap, destination, 0, 0, width, height, Gdiplus::UnitPixel, &attributes) ==
           Gdiplus::Ok;
}

}  // namespace crvUiVista
