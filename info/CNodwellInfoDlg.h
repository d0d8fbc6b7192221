#pragma once
// The information program's one window: a header, the information page in an embedded
// browser, the choice not to show the window again and the footer buttons. In setup mode
// (started by the background agent) it offers "Setup Now", which opens the settings program.
#include <windows.h>

#include "AccessibleControls.h"
#include "Afx.h"
#include "CFrameDialog.h"
#include "CHeaderPicture.h"
#include "FooterButton.h"
#include "GdiObject.h"
#include "OwnedIcon.h"
#include "SimpleBrowser.h"
#include "TextSizeKeeper.h"

class SingleInstance;

class CNodwellInfoDlg : public crvUiVista::CFrameDialog {
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
    HCURSOR OnQueryDragIcon();
    void OnBnClickedCancel();
    void OnBnClickedOk();
    void OnBnClickedSetupNow();
    LRESULT OnHelpInfo(WPARAM, LPARAM);
    ControlPlace PlaceOf(int nId) const override;
    void FollowColourScheme() override;

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
    crvUiVista::FooterButton m_buttonOk;
    crvUiVista::FooterButton m_buttonCancel;
    crvUiVista::FooterButton m_buttonSetupNow;
    crvUiVista::FooterButton m_buttonFiller;
    SingleInstance* m_pInstance = nullptr;
    crvUiVista::AccessibleControls m_accessibility;

    DECLARE_MESSAGE_MAP()
};
