#pragma once
// Controls and fonts for the library's window tests, on the framework tests' host window.
#include <windows.h>

#include <string>

#include "GdiObject.h"
#include "TestWindows.h"
#include "UilibTestIds.h"

inline HWND CreatePushButton(HWND hParent, const std::wstring& text, const RECT& rect, UINT nId = 100,
                             DWORD dwType = BS_PUSHBUTTON) {
    return CreateWindowExW(0, WC_BUTTONW, text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwType, rect.left,
                           rect.top, rect.right - rect.left, rect.bottom - rect.top, hParent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)), nullptr, nullptr);
}

// A fixed-pitch font without smoothing: every character is nCharWidth pixels wide and every
// text pixel has the text colour exactly.
inline crvUiVista::GdiObject<HFONT> CreateTestFont(int nCharWidth = 7, int nHeight = 14) {
    return crvUiVista::GdiObject<HFONT>(CreateFontW(nHeight, nCharWidth, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                                    ANSI_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS,
                                                    NONANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New"));
}

inline int TextWidth(HFONT hFont, const std::wstring& text) {
    crvUiVista::WindowDc dc(nullptr);
    crvUiVista::SelectionScope font(dc, hFont);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// Registers other button bitmaps for the life of the object, then the settings program's again.
class ScopedButtonSet {
public:
    ScopedButtonSet(UINT nNormalId, UINT nHotId, UINT nPressedId) {
        crvUiVista::RegisterButtonSet(GetModuleHandleW(nullptr), nNormalId, nHotId, nPressedId);
    }
    ~ScopedButtonSet() { RegisterSettingsImages(); }
    ScopedButtonSet(const ScopedButtonSet&) = delete;
    ScopedButtonSet& operator=(const ScopedButtonSet&) = delete;
};
