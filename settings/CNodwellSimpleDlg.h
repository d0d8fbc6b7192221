#pragma once
// The settings dialog (template 102): header, the groups of Zazez and Charge, operation on
// battery with its gauge, and Zazez and Music, and the footer buttons. It routes the user's
// input to the settings model and shows its results.
#include "AccessibleControls.h"
#include "Afx.h"
#include "BatteryGauge.h"
#include "CFrameDialog.h"
#include "CGroupCheckBox.h"
#include "CSliderCtrlEx.h"
#include "DialogLayout.h"
#include "EnablingRules.h"
#include "FooterButton.h"
#include "GdiObject.h"
#include "ImageHelper.h"
#include "OwnedIcon.h"
#include "PowerSettingRegistration.h"
#include "Scale.h"
#include "SettingsModel.h"

class SingleInstance;

class CNodwellSimpleDlg : public crvUiVista::CFrameDialog {
public:
    explicit CNodwellSimpleDlg(CWnd* pParent = nullptr);
    ~CNodwellSimpleDlg() override;

    // Before the dialog runs.
    void SetNoInfo(bool bNoInfo) { m_bNoInfo = bNoInfo; }
    void SetInstanceGuard(SingleInstance* pInstance) { m_pInstance = pInstance; }
    void SetPowerStatusSource(const PowerStatusSource& source) { m_gauge.SetPowerStatusSource(source); }

    // Applies the values the controls show; false when nothing or not everything was applied.
    bool Apply();

    int GetScale() const { return m_nScale; }
    bool IsBatteryPresent() const { return m_bBatteryPresent; }
    const SettingsModel& GetModel() const { return m_model; }
    const BatteryGauge& GetGauge() const { return m_gauge; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

private:
    // Start-up.
    void ProbeBattery();
    void SetIcons();
    void SetTexts();
    void SetFonts();
    void SetUpFooterAndHeader();
    void PrepareLibrary();
    void ShowLoaded(const LoadedSettings& loaded);
    void FillModeList(const LoadedSettings& loaded);
    void ReportNoHardwareInformation();
    void SetTabOrder();
    void ShowInformationAtStart();

    // Layout.
    void SetLayout(DialogLayoutKind kind);
    void FitTitle();
    void LayOutFooterAndBackground();
    void LayOutBatteryGroup();
    void LayOutChargeGroup();
    void LayOutMusicGroup();
    void PlaceGauge();
    void PrepareGauge();
    void MakeHeaderPicture();
    void MakeGroupPictures();
    void MakePicture(crvUiVista::OwnedBitmap& surface, int nAreaId, UINT nBitmapId, COLORREF background,
                     Gdiplus::InterpolationMode mode, bool bSquare);

    // Rules and state.
    CheckStates GetCheckStates() const;
    void ApplyEnabling(const EnablingChange& change);
    void EnableAllControls(bool bEnable);
    void EnableApplyIfUsable();
    bool IsLimitShown() const;
    void RedrawGauge();
    void ShowLimit(int nLimit);
    static void OnSliderPosition(void* pUser, int nPos, int nPrevPos, int nThumbOffset, int nPrevThumbOffset,
                                 bool bDragging);

    // Message handlers.
    void OnDefault();
    void OnHelpButton();
    void OnOkButton();
    void OnCancelButton();
    void OnApplyButton();
    void OnChargeCheck();
    void OnBatteryCheck();
    void OnMusicCheck();
    void OnModeSelChange();
    void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
    LRESULT OnPowerBroadcast(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnDestroy();
    RECT OpaqueArea() const override;
    void PaintContent(HDC hDC) override;
    ControlPlace PlaceOf(int nId) const override;
    void FollowColourScheme() override;

    SettingsModel m_model;
    SingleInstance* m_pInstance = nullptr;
    bool m_bNoInfo = false;
    bool m_bBatteryPresent = true;
    int m_nScale = crvUiVista::kBaseScale;

    CGroupCheckBox m_chargeGroup;
    CGroupCheckBox m_batteryGroup;
    CGroupCheckBox m_musicGroup;
    CComboBox m_modeList;
    CSliderCtrlEx m_limitSlider;
    CStatic m_limitValue;

    crvUiVista::FooterButton m_okButton;
    crvUiVista::FooterButton m_cancelButton;
    crvUiVista::FooterButton m_applyButton;
    crvUiVista::FooterButton m_defaultButton;
    crvUiVista::FooterButton m_helpButton;
    crvUiVista::FooterButton m_fillerButton;

    crvUiVista::GdiObject<HFONT> m_titleFont;
    crvUiVista::GdiObject<HFONT> m_boldFont;
    OwnedIcon m_icon;
    OwnedIcon m_smallIcon;
    OwnedIcon m_headerIcon;
    crvUiVista::OwnedBitmap m_headerImage;
    crvUiVista::OwnedBitmap m_chargeImage;
    crvUiVista::OwnedBitmap m_musicImage;
    BatteryGauge m_gauge;
    PowerSettingRegistration m_powerSettings;
    crvUiVista::AccessibleControls m_accessibility;

    DECLARE_MESSAGE_MAP()
};
