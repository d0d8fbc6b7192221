#include "ColourScheme.h"

#include <uxtheme.h>

namespace crvUiVista {

namespace {

const HighContrastSource s_systemSource;
const HighContrastSource* s_pSource = &s_systemSource;

BOOL CALLBACK FollowInControl(HWND hChild, LPARAM lHighContrast) {
    // A blank name matches no visual style, which turns it off; none puts the default back.
    if (lHighContrast) {
        ::SetWindowTheme(hChild, L" ", L" ");
    } else {
        ::SetWindowTheme(hChild, nullptr, nullptr);
    }
    ::SendMessageW(hChild, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

}  // namespace

bool HighContrastSource::IsOn() const {
    HIGHCONTRASTW state{sizeof(state), 0, nullptr};
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(state), &state, 0) &&
           (state.dwFlags & HCF_HIGHCONTRASTON);
}

bool ColourScheme::IsHighContrast() { return s_pSource->IsOn(); }

COLORREF ColourScheme::Pick(COLORREF crNormal, int nSysColour) {
    return IsHighContrast() ? ::GetSysColor(nSysColour) : crNormal;
}

HBRUSH ColourScheme::PickBrush(HBRUSH hNormal, int nSysColour) {
    return IsHighContrast() ? ::GetSysColorBrush(nSysColour) : hNormal;
}

void ColourScheme::Follow(HWND hWnd) {
    ::EnumChildWindows(hWnd, &FollowInControl, IsHighContrast() ? 1 : 0);
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void ColourScheme::SetSource(const HighContrastSource* pSource) { s_pSource = pSource ? pSource : &s_systemSource; }

}  // namespace crvUiVista
