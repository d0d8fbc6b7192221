#include "UiResourceTable.h"

namespace crvUiVista {

namespace {
// Written on the user-interface thread before any reader exists.
HeaderBannerSet g_headerBannerSet;
ButtonSet g_buttonSet;
}  // namespace

void RegisterHeaderBannerSet(HMODULE hModule, UINT nFillId, UINT nEndId) {
    g_headerBannerSet = HeaderBannerSet{hModule, nFillId, nEndId};
}

void RegisterButtonSet(HMODULE hModule, UINT nNormalId, UINT nHotId, UINT nPressedId) {
    g_buttonSet = ButtonSet{hModule, nNormalId, nHotId, nPressedId};
}

const HeaderBannerSet& GetHeaderBannerSet() { return g_headerBannerSet; }

const ButtonSet& GetButtonSet() { return g_buttonSet; }

}  // namespace crvUiVista
