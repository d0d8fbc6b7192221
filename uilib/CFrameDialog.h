#pragma once
// The frame the suite's dialogs share: the header banner in the non-client area, the footer
// bar's buttons drawn from the button bitmaps, the background panel with the colours of the
// controls that stand on it, and following the system's colour scheme. Derived dialogs lay
// these out, say where their controls stand and paint their own pictures.
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
    // Where a static control (text, picture, check box, group box, slider) stands, which
    // decides the brush and text colour it draws with.
    enum class ControlPlace {
        System,     // keeps the system's colours
        Header,     // on the header band
        Body,       // on the body
        BodyLabel,  // on the body, in the label colour
        Picture,    // shows what the dialog paints under it
    };
    virtual ControlPlace PlaceOf(int /*nId*/) const { return ControlPlace::System; }

    // The area the dialog paints whole itself: the panel leaves it out, so that it does not flicker.
    virtual RECT OpaqueArea() const { return RECT{}; }
    // Paints what the dialog shows over the panel.
    virtual void PaintContent(HDC /*hDC*/) {}

    // Redraws what depends on the colour scheme; the base has the controls follow it.
    virtual void FollowColourScheme();

    HeaderBanner m_banner;
    FooterBar m_footer;
    BackgroundPanel m_panel;

private:
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnPaint();
    HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

}  // namespace crvUiVista
