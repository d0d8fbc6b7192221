#pragma once
// An off-screen 32-bit surface that tests draw into and read pixels back from.
#include <windows.h>

#include "GdiObject.h"

class Canvas {
public:
    Canvas(int width, int height, COLORREF background = RGB(255, 0, 255))
        : m_width(width), m_height(height), m_dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_previous = SelectObject(m_dc.get(), m_bitmap.get());
        Fill(background);
    }
    ~Canvas() { SelectObject(m_dc.get(), m_previous); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return m_dc.get(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_dc.get(), x, y); }
    void Fill(COLORREF colour) {
        const crvUiVista::OwnedBrush brush(CreateSolidBrush(colour));
        const RECT all{0, 0, m_width, m_height};
        FillRect(m_dc.get(), &all, brush.get());
    }

private:
    int m_width;
    int m_height;
    crvUiVista::OwnedMemoryDc m_dc;
    crvUiVista::OwnedBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

inline constexpr COLORREF kUntouched = RGB(255, 0, 255);
