#include "HighContrastScheme.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <filesystem>

#include "GdiObject.h"
#include "WindowCapture.h"

namespace {

struct SchemeColour {
    int nElement;
    COLORREF colour;
};
// A black high-contrast scheme; no text colour is one the dialogs use in the normal scheme.
constexpr SchemeColour kScheme[] = {
    {COLOR_WINDOW, RGB(0, 0, 0)},          {COLOR_WINDOWTEXT, RGB(255, 255, 0)},
    {COLOR_BTNFACE, RGB(0, 0, 0)},         {COLOR_BTNTEXT, RGB(255, 255, 255)},
    {COLOR_GRAYTEXT, RGB(63, 242, 63)},    {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
    {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},   {COLOR_HOTLIGHT, RGB(255, 255, 0)},
    {COLOR_3DHILIGHT, RGB(255, 255, 255)}, {COLOR_3DLIGHT, RGB(255, 255, 255)},
    {COLOR_3DSHADOW, RGB(128, 128, 128)},  {COLOR_3DDKSHADOW, RGB(128, 128, 128)},
    {COLOR_WINDOWFRAME, RGB(255, 255, 255)}, {COLOR_SCROLLBAR, RGB(0, 0, 0)},
    {COLOR_ACTIVECAPTION, RGB(128, 0, 128)}, {COLOR_GRADIENTACTIVECAPTION, RGB(128, 0, 128)},
    {COLOR_CAPTIONTEXT, RGB(255, 255, 255)}, {COLOR_INACTIVECAPTION, RGB(0, 128, 0)},
    {COLOR_GRADIENTINACTIVECAPTION, RGB(0, 128, 0)}, {COLOR_INACTIVECAPTIONTEXT, RGB(255, 255, 255)},
    {COLOR_ACTIVEBORDER, RGB(0, 0, 0)},    {COLOR_INACTIVEBORDER, RGB(0, 0, 0)},
    {COLOR_MENU, RGB(0, 0, 0)},            {COLOR_MENUTEXT, RGB(255, 255, 255)},
    {COLOR_INFOBK, RGB(0, 0, 0)},          {COLOR_INFOTEXT, RGB(255, 255, 255)},
};

RECT ClientOnScreen(HWND hWnd) {
    RECT rect{};
    ::GetClientRect(hWnd, &rect);
    ::MapWindowPoints(hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

HighContrastScheme::HighContrastScheme() {
    for (const SchemeColour& entry : kScheme) {
        m_elements.push_back(entry.nElement);
        m_saved.push_back(::GetSysColor(entry.nElement));
    }
    crvUiVista::ColourScheme::SetSource(this);
}

HighContrastScheme::~HighContrastScheme() {
    m_bOn = false;
    ::SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), m_saved.data());
    crvUiVista::ColourScheme::SetSource(nullptr);
}

void HighContrastScheme::SetColours() {
    std::vector<COLORREF> colours;
    for (const SchemeColour& entry : kScheme) colours.push_back(entry.colour);
    ::SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), colours.data());
}

void HighContrastScheme::TurnOn(HWND hWindow, Route route) {
    if (route == Route::Colours) {
        m_bOn = true;
        SetColours();
    } else {
        SetColours();
        m_bOn = true;
        // What Windows sends every top-level window; Wine cannot switch high contrast.
        ::SendMessageW(hWindow, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    }
    // The repaint the window asked for.
    ::RedrawWindow(hWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

WindowPixels::WindowPixels(HWND hWnd) : m_hWnd(hWnd) {
    ::GetWindowRect(hWnd, &m_rect);
    const int width = m_rect.right - m_rect.left;
    const int height = m_rect.bottom - m_rect.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    const crvUiVista::OwnedBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    const crvUiVista::OwnedMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) return;
    {
        crvUiVista::SelectionScope selected(dc.get(), bitmap.get());
        crvUiVista::WindowDc window(hWnd, crvUiVista::WindowDc::Area::Window);
        ::BitBlt(dc.get(), 0, 0, width, height, window, 0, 0, SRCCOPY);
    }
    const auto* pPixels = static_cast<const DWORD*>(pBits);
    for (int i = 0; i < width * height; ++i) {
        const DWORD bgr = pPixels[i];
        m_pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
    }
}

COLORREF WindowPixels::At(int x, int y) const {
    return m_pixels[static_cast<size_t>((y - m_rect.top) * (m_rect.right - m_rect.left) + (x - m_rect.left))];
}

std::wstring WindowPixels::FirstForeignPixel(const RECT& rcArea, const std::vector<RECT>& excluded) const {
    if (m_pixels.empty()) return L"nothing read";
    std::vector<COLORREF> system;
    for (int i = COLOR_SCROLLBAR; i <= COLOR_MENUBAR; ++i) system.push_back(::GetSysColor(i));
    std::vector<RECT> skipped = excluded;
    if (const HWND hFocus = ::GetFocus(); hFocus && ::IsChild(m_hWnd, hFocus)) {
        skipped.emplace_back();
        ::GetWindowRect(hFocus, &skipped.back());
    }
    RECT area{};
    ::IntersectRect(&area, &rcArea, &m_rect);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const POINT point{x, y};
            bool bSkip = false;
            for (const RECT& rect : skipped) bSkip = bSkip || ::PtInRect(&rect, point);
            const COLORREF colour = At(x, y);
            if (bSkip || std::find(system.begin(), system.end(), colour) != system.end()) continue;
            wchar_t szText[64] = {};
            swprintf(szText, 64, L"RGB(%d,%d,%d) at %d,%d", GetRValue(colour), GetGValue(colour), GetBValue(colour),
                     x - area.left, y - area.top);
            return szText;
        }
    }
    return L"";
}

bool WindowPixels::Shows(const RECT& rcScreen, COLORREF colour) const {
    for (int y = rcScreen.top; y < rcScreen.bottom; ++y) {
        for (int x = rcScreen.left; x < rcScreen.right; ++x) {
            if (x >= m_rect.left && x < m_rect.right && y >= m_rect.top && y < m_rect.bottom && At(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

RECT ScreenRect(HWND hDialog, int nId) {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(hDialog, nId), &rect);
    return rect;
}

RECT PaintedArea(HWND hDialog) {
    RECT window{};
    ::GetWindowRect(hDialog, &window);
    RECT area = ClientOnScreen(hDialog);
    area.top = window.top + ::GetSystemMetrics(SM_CYFIXEDFRAME) + ::GetSystemMetrics(SM_CYCAPTION);
    return area;
}

void SaveShotIfAsked(HWND hWnd, const std::wstring& name) {
    const wchar_t* szFolder = _wgetenv(L"SUITE_SHOT_FOLDER");
    if (!szFolder || !*szFolder) return;
    testsupport::CaptureWindow(hWnd, std::filesystem::path(szFolder) / (name + L".bmp"),
                               testsupport::CaptureSource::Surface);
}
