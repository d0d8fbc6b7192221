#pragma once
// The frame the suite's dialogs share: the header banner in the non-client area, the footer
// bar's buttons drawn from the button bitmaps, the background panel, and following the
// system's colour scheme. Derived dialogs lay these out and paint the rest.
#include <windows.h>

#include "Afx.h"
#include "BackgroundPanel.h"
#include "FooterBar.h"
#include "HeaderBanner.h"

namespace crvUiVista {

class CFrameDialog : public CDialog {
public:
    explicit CFrameDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CDialog(nIDTemplate, pParentWnd) {}

protected:
    // Redraws what depends on the colour scheme; the base has the controls follow it.
    virtual void FollowColourScheme();

    HeaderBanner m_banner;
    FooterBar m_footer;
    BackgroundPanel m_panel;

private:
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

}  // namespace crvUiVista
