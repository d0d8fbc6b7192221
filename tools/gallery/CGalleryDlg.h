#pragma once
// One dialog with every piece of the library laid out as the settings dialog lays it out.
#include <array>

#include "Afx.h"
#include "CFrameDialog.h"
#include "CGroupCheckBox.h"
#include "CSliderCtrlEx.h"
#include "FooterButton.h"
#include "GdiObject.h"

class CGalleryDlg : public crvUiVista::CFrameDialog {
public:
    CGalleryDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    int ComputeScale() const;
    int Scaled(int nPixelsAt96) const;
    void SetUpFonts();
    void SetUpFooterAndBanner();
    void LayOut();
    int TextWidth(int nId) const;
    void MoveControl(int nId, int x, int y, int cx, int cy);
    static void OnLimitMoved(void* pUser, int nPos, int nPrevPos, int nThumbOffset, int nPrevThumbOffset,
                             bool bDragging);

    void PaintContent(HDC hDC) override;
    ControlPlace PlaceOf(int nId) const override;
    void OnChargeClicked();
    void OnBatteryClicked();
    void OnOkClicked() { EndDialog(IDOK); }
    void OnCancelClicked() { EndDialog(IDCANCEL); }

    int m_nScale = 96;
    CGroupCheckBox m_chargeGroup;
    CGroupCheckBox m_batteryGroup;
    CComboBox m_modeList;
    CSliderCtrlEx m_limitSlider;
    crvUiVista::GdiObject<HFONT> m_boldFont;
    // Default, Help, filler, OK, Cancel, Apply.
    std::array<crvUiVista::FooterButton, 6> m_buttons;

    DECLARE_MESSAGE_MAP()
};
