#include "CNodwellInfoDlg.h"

#include "ColourScheme.h"
#include "DialogScale.h"
#include "DontShowChoice.h"
#include "InfoAccessibility.h"
#include "InfoModeNameVersion.h"
#include "NodwellLib.h"
#include "Resource.h"
#include "Scale.h"
#include "SingleInstance.h"
#include "StartupTrace.h"
#include "SuiteProgram.h"

namespace {

constexpr int kPictureWidthAt96 = 45;
constexpr int kBodyTopAt96 = 86;
constexpr int kBodyBottomMarginAt96 = 47;
constexpr int kHeaderIconSize = 48;

struct ControlText {
    int nControlId;
    UINT nTextId;
};
constexpr ControlText kControlTexts[] = {
    {IDC_TITLE, IDS_INFO_TITLE},
    {IDC_DESCRIPTION, IDS_INFO_DESCRIPTION},
    {IDC_BUTTON_OK, IDS_BUTTON_OK},
    {IDC_BUTTON_CANCEL, IDS_BUTTON_CANCEL},
    {IDC_BUTTON_SETUP_NOW, IDS_BUTTON_SETUP_NOW},
};

bool IsHeaderControl(int nId) {
    return nId == IDC_HEADER_PICTURE || nId == IDC_TITLE || nId == IDC_DESCRIPTION || nId == IDC_DONT_SHOW;
}

}  // namespace

BEGIN_MESSAGE_MAP(CNodwellInfoDlg, crvUiVista::CFrameDialog)
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BUTTON_CANCEL, OnBnClickedCancel)
    ON_BN_CLICKED(IDC_BUTTON_OK, OnBnClickedOk)
    ON_BN_CLICKED(IDC_BUTTON_SETUP_NOW, OnBnClickedSetupNow)
    ON_MESSAGE(WM_HELP, OnHelpInfo)
END_MESSAGE_MAP()

CNodwellInfoDlg::CNodwellInfoDlg() : CFrameDialog(IDD_NODWELLINFO_DIALOG) {}

CNodwellInfoDlg::~CNodwellInfoDlg() = default;

void CNodwellInfoDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DONT_SHOW, m_checkDontShow);
}

BOOL CNodwellInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    crvUiVista::StartupMark(L"dialog created");
    HINSTANCE hMainModule = AfxGetInstanceHandle();

    m_hIcon = ::LoadIconW(hMainModule, MAKEINTRESOURCEW(IDR_MAINFRAME));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_browser.CreateInPlaceOf(this, IDC_BROWSER);
    crvUiVista::StartupMark(L"browser created");

    m_checkDontShow.SetWindowText(AfxLoadString(m_bSetupMode ? IDS_DONT_SHOW_WINDOW : IDS_DONT_SHOW_HELP));
    m_picture.SubclassDlgItem(IDC_HEADER_PICTURE, this);
    m_headerIcon.reset(static_cast<HICON>(::LoadImageW(hMainModule, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                       kHeaderIconSize, kHeaderIconSize, 0)));
    m_picture.SetIcon(m_headerIcon.get());
    ApplyTexts();
    CreateTitleFont();

    const RECT rcPicture = m_picture.GetRectInParent();
    m_nScale = crvUiVista::ScaleFromHeaderPictureWidth(rcPicture.right - rcPicture.left);
    PlaceHeaderPicture();
    RenderHeaderPicture();

    m_banner.Attach(m_hWnd, m_nScale);
    SetUpFooter();
    LayoutPanels();
    crvUiVista::StartupMark(L"texts, header picture, footer and layout");

    BYTE bMusic = 0;
    if (NWLB_InitializeDll(m_hWnd) == 0) NWLB_IsSupportMusic(&bMusic);
    m_nModeNameVer = DetermineModeNameVersion(QueryCapableModes(m_hWnd), m_bSetupMode);
    crvUiVista::StartupMark(L"feature library");
    // The text size is the shown page's: it is read and changed once the page is there.
    m_browser.ShowHtmlResource(InformationPageFor(m_nModeNameVer), [this] {
        m_textSize.Begin([this] { return m_browser.GetTextSize(); }, [this](int nLevel) { m_browser.SetTextSize(nLevel); });
    });
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_checkDontShow.SetCheck(ReadDontShowChoice() ? BST_CHECKED : BST_UNCHECKED);
    if (crvUiVista::ColourScheme::IsHighContrast()) crvUiVista::ColourScheme::Follow(m_hWnd);
    DescribeInfoControls(m_accessibility, m_hWnd, m_bSetupMode);
    if (m_pInstance) m_pInstance->PublishWindow(m_hWnd);
    crvUiVista::StartupMark(L"dialog initialised");
    return TRUE;
}

void CNodwellInfoDlg::ApplyTexts() {
    SetWindowText(AfxLoadString(IDS_INFO_CAPTION));
    for (const ControlText& entry : kControlTexts) SetDlgItemText(entry.nControlId, AfxLoadString(entry.nTextId));
}

void CNodwellInfoDlg::CreateTitleFont() {
    LOGFONTW logFont{};
    ::GetObjectW(GetFont(), sizeof(logFont), &logFont);
    logFont.lfWeight = FW_BOLD;
    m_fontTitle.reset(::CreateFontIndirectW(&logFont));
    if (CWnd* pTitle = GetDlgItem(IDC_TITLE)) pTitle->SetFont(m_fontTitle.get());
}

void CNodwellInfoDlg::PlaceHeaderPicture() {
    m_picture.MoveWindow(::PlaceHeaderPicture(m_picture.GetRectInParent()));
}

// Drawn once, on the header's colour, which the colour scheme decides.
void CNodwellInfoDlg::RenderHeaderPicture() {
    using crvUiVista::BackgroundPanel;
    const COLORREF crHeader =
        crvUiVista::ColourScheme::Pick(BackgroundPanel::kHeaderColour, BackgroundPanel::kHeaderSysColour);
    m_picture.Render(AfxGetInstanceHandle(), IDB_HEADER_PICTURE, crHeader);
}

void CNodwellInfoDlg::SetUpFooter() {
    m_footer.SetScale(m_nScale);
    const auto attach = [this](crvUiVista::FooterButton& button, int nId) {
        button.Attach(::GetDlgItem(m_hWnd, nId), m_nScale);
    };
    if (m_bSetupMode) {
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_BUTTON_OK), SW_HIDE);
        attach(m_buttonSetupNow, IDC_BUTTON_SETUP_NOW);
        attach(m_buttonCancel, IDC_BUTTON_CANCEL);
    } else {
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_BUTTON_SETUP_NOW), SW_HIDE);
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_BUTTON_CANCEL), SW_HIDE);
        attach(m_buttonOk, IDC_BUTTON_OK);
    }
    attach(m_buttonFiller, IDC_FOOTER_FILLER);
    m_footer.SetFiller(m_buttonFiller);
    // The first added stands outermost: Cancel at the right edge, Setup Now to its left.
    if (m_bSetupMode) {
        m_footer.AddRight(m_buttonCancel);
        m_footer.AddRight(m_buttonSetupNow);
    } else {
        m_footer.AddRight(m_buttonOk);
    }
}

void CNodwellInfoDlg::LayoutPanels() {
    const RECT rcClient = GetClientRect();
    m_footer.Layout(rcClient.left, rcClient.right, rcClient.bottom);
    const RECT rcBody{rcClient.left, rcClient.top + crvUiVista::Scaled(kBodyTopAt96, m_nScale), rcClient.right,
                      rcClient.bottom - crvUiVista::Scaled(kBodyBottomMarginAt96, m_nScale)};
    m_panel.SetRects(rcClient, rcBody);
}

HCURSOR CNodwellInfoDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

crvUiVista::CFrameDialog::ControlPlace CNodwellInfoDlg::PlaceOf(int nId) const {
    return IsHeaderControl(nId) ? ControlPlace::Header : ControlPlace::System;
}

void CNodwellInfoDlg::SaveDontShowChoice() {
    ::SaveDontShowChoice(m_checkDontShow.GetCheck() == BST_CHECKED,
                         [] { StartSuiteProgram(L"NodwellSrv.exe", L"/u"); });
}

void CNodwellInfoDlg::RunSettingsProgram() {
    SaveDontShowChoice();
    StartSuiteProgram(L"Nodwell.exe", L"/noinfo");
    EndDialog(IDOK);
}

void CNodwellInfoDlg::OnBnClickedCancel() {
    SaveDontShowChoice();
    OnCancel();
}

void CNodwellInfoDlg::OnBnClickedOk() {
    SaveDontShowChoice();
    OnOK();
}

void CNodwellInfoDlg::OnBnClickedSetupNow() { RunSettingsProgram(); }

LRESULT CNodwellInfoDlg::OnHelpInfo(WPARAM, LPARAM) { return TRUE; }

void CNodwellInfoDlg::FollowColourScheme() {
    RenderHeaderPicture();
    CFrameDialog::FollowColourScheme();
}

BOOL CNodwellInfoDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        if (m_bSetupMode) {
            RunSettingsProgram();
        } else {
            SaveDontShowChoice();
            OnOK();
        }
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
        SaveDontShowChoice();
        OnCancel();
        return TRUE;
    }
    // Every other key in the page is the page's first: Tab, arrows, Page Up/Down, Ctrl+C; keys
    // that would leave, reload or print the page reach nobody.
    if (m_browser.TranslateAccelerator(pMsg)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CNodwellInfoDlg::DestroyWindow() {
    m_textSize.Restore([this](int nLevel) { m_browser.SetTextSize(nLevel); });
    return CDialog::DestroyWindow();
}
