#pragma once
// Owners for GDI handles: each frees its handle when it goes, so no path of a painting
// routine can leak one.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace crvUiVista {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ hObject) const { ::DeleteObject(hObject); }
};

// An owned pen, brush, font or bitmap.
template <typename THandle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<THandle>, GdiObjectDeleter>;

using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedBrush = GdiObject<HBRUSH>;

struct DcDeleter {
    void operator()(HDC hDC) const { ::DeleteDC(hDC); }
};
// A memory device context made with CreateCompatibleDC.
using OwnedMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// Selects an object into a device context and puts the previous one back when it goes.
class SelectionScope {
public:
    SelectionScope(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hPrevious(::SelectObject(hDC, hObject)) {}
    ~SelectionScope() {
        if (m_hPrevious) ::SelectObject(m_hDC, m_hPrevious);
    }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};

// A window's device context from GetDC or GetWindowDC, released when it goes.
class WindowDc {
public:
    enum class Area { Client, Window };
    explicit WindowDc(HWND hWnd, Area area = Area::Client)
        : m_hWnd(hWnd), m_hDC(area == Area::Client ? ::GetDC(hWnd) : ::GetWindowDC(hWnd)) {}
    ~WindowDc() {
        if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A bitmap resource of a module; null when the module has no such bitmap.
inline OwnedBitmap LoadBitmapResource(HMODULE hModule, UINT nId) {
    return OwnedBitmap(static_cast<HBITMAP>(
        ::LoadImageW(hModule, MAKEINTRESOURCEW(nId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

inline SIZE BitmapSize(HBITMAP hBitmap) {
    BITMAP info{};
    ::GetObjectW(hBitmap, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace crvUiVista
