#pragma once
// The information program's one window: a header, the information page in an embedded
// browser, the choice not to show the window again and the footer buttons. In setup mode
// (started by the background agent) it offers "Setup Now", which opens the settings program.
#include <windows.h>

#include "AccessibleControls.h"
#include "Afx.h"
#include "BackgroundPanel.h"
#include "CHeaderPicture.h"
#include "FooterBar.h"
#include "FooterButton.h"
#include "GdiObject.h"
#include "HeaderBanner.h"
#include "OwnedIcon.h"
#include "SimpleBrowser.h"
#include "TextSizeKeeper.h"

class SingleInstance;

class CNodwellInfoDlg : public CDialog {
public:
    CNodwellInfoDlg();
    ~CNodwellInfoDlg() override;

    bool m_bSetupMode = false;  // set before the dialog runs
    // Before the dialog runs: the guard that publishes its window for a second copy.
    void SetInstanceGuard(SingleInstance* pInstance) { m_pInstance = pInstance; }

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL DestroyWindow() override;

    int GetModeNameVersion() const { return m_nModeNameVer; }
    int GetScale() const { return m_nScale; }
    const SimpleBrowser& Browser() const { return m_browser; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* pParams);
    void OnNcPaint();
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDrawItem);
    HBRUSH OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor);
    void OnBnClickedCancel();
    void OnBnClickedOk();
    void OnBnClickedSetupNow();
    LRESULT OnHelpInfo(WPARAM, LPARAM);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    void FollowColourScheme();

    void ApplyTexts();
    void CreateTitleFont();
    void PlaceHeaderPicture();
    void RenderHeaderPicture();
    void SetUpFooter();
    void LayoutPanels();
    void SaveDontShowChoice();
    void RunSettingsProgram();

    int m_nModeNameVer = 2;
    int m_nScale = 96;
    TextSizeKeeper m_textSize;
    SimpleBrowser m_browser;
    CButton m_checkDontShow;
    CHeaderPicture m_picture;
    HICON m_hIcon = nullptr;
    OwnedIcon m_headerIcon;
    crvUiVista::GdiObject<HFONT> m_fontTitle;
    crvUiVista::HeaderBanner m_headerBanner;
    crvUiVista::FooterButton m_buttonOk;
    crvUiVista::FooterButton m_buttonCancel;
    crvUiVista::FooterButton m_buttonSetupNow;
    crvUiVista::FooterButton m_buttonFiller;
    crvUiVista::FooterBar m_footerBar;
    crvUiVista::BackgroundPanel m_backgroundPanel;
    SingleInstance* m_pInstance = nullptr;
    crvUiVista::AccessibleControls m_accessibility;

    DECLARE_MESSAGE_MAP()
};
