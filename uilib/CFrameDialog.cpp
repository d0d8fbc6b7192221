#include "CFrameDialog.h"

#include "ColourScheme.h"

namespace crvUiVista {

BEGIN_MESSAGE_MAP(CFrameDialog, CDialog)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_DRAWITEM()
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
END_MESSAGE_MAP()

void CFrameDialog::FollowColourScheme() { ColourScheme::Follow(m_hWnd); }

void CFrameDialog::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
    Default();
    m_banner.OnNcCalcSize(lpncsp);
}

void CFrameDialog::OnNcPaint() {
    m_banner.OnNcPaint();
    Default();
}

void CFrameDialog::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!lpDrawItemStruct || !m_footer.DrawItem(*lpDrawItemStruct)) Default();
}

LRESULT CFrameDialog::OnSysColorChange(WPARAM, LPARAM) {
    FollowColourScheme();
    return 0;
}

LRESULT CFrameDialog::OnSettingChange(WPARAM wParam, LPARAM) {
    if (wParam == SPI_SETHIGHCONTRAST) FollowColourScheme();
    return 0;
}

}  // namespace crvUiVista
