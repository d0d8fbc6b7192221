#pragma once
// The process-wide table that tells the library which of the program's bitmaps make the
// header banner and the footer buttons. Filled once at start-up, before the first dialog.
#include <windows.h>

namespace crvUiVista {

struct HeaderBannerSet {
    HMODULE hModule = nullptr;
    UINT nFillId = 0;  // a narrow column stretched over the band
    UINT nEndId = 0;   // the picture at the band's right end
};

struct ButtonSet {
    HMODULE hModule = nullptr;
    UINT nNormalId = 0;
    UINT nHotId = 0;      // mouse over the button
    UINT nPressedId = 0;
};

// Nothing is checked here: a bitmap that cannot be loaded fails its user later.
void RegisterHeaderBannerSet(HMODULE hModule, UINT nFillId, UINT nEndId);
void RegisterButtonSet(HMODULE hModule, UINT nNormalId, UINT nHotId, UINT nPressedId);

const HeaderBannerSet& GetHeaderBannerSet();
const ButtonSet& GetButtonSet();

}  // namespace crvUiVista
