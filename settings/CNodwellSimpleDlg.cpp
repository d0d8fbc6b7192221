#include "CNodwellSimpleDlg.h"

#include <algorithm>
#include <array>
#include <string>

#include "ColourScheme.h"
#include "GaugeGeometry.h"
#include "GroupLayout.h"
#include "ImageHelper.h"
#include "RegistryKey.h"
#include "SettingsAccessibility.h"
#include "SuiteProgram.h"
#include "Scale.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "StartupTrace.h"
#include "TextExtent.h"
#include "resource.h"

using crvUiVista::BackgroundPanel;
using crvUiVista::ColourScheme;
using crvUiVista::OwnedBitmap;
using crvUiVista::OwnedMemoryDc;
using crvUiVista::Scaled;
using crvUiVista::SelectionScope;

namespace {

constexpr int kBoldWeight = 700;
constexpr int kHeaderIconSize = 48;
constexpr int kListTextMargin = 80;

// Enabled or disabled together when the library is unusable or changes are not allowed.
constexpr std::array<int, 16> kAllControls = {
    IDC_CHARGE_GROUP, IDC_CHARGE_FRAME, IDC_CHARGE_CHECK, IDC_BATTERY_GROUP, IDC_BATTERY_FRAME, IDC_BATTERY_CHECK,
    IDC_MUSIC_GROUP,  IDC_MUSIC_FRAME,  IDC_MUSIC_CHECK,  IDC_MODE_LABEL,    IDC_MODE_LIST,     IDC_LIMIT_LABEL,
    IDC_LIMIT_SLIDER, IDC_LIMIT_VALUE,  IDC_DEFAULT,      IDC_OK};
constexpr std::array<int, 4> kMusicControls = {IDC_MUSIC_CHECK, IDC_MUSIC_FRAME, IDC_MUSIC_PICTURE,
                                               IDC_MUSIC_DESCRIPTION};
constexpr std::array<int, 8> kBatteryControls = {IDC_BATTERY_CHECK, IDC_BATTERY_FRAME, IDC_LIMIT_LABEL,
                                                 IDC_LIMIT_VALUE,   IDC_LIMIT_SLIDER,  IDC_GAUGE,
                                                 IDC_LEVEL_VALUE,   IDC_LEVEL_LABEL};
// Reading order: the music group stands between the charge and the battery groups.
constexpr std::array<int, 12> kTabOrder = {IDC_CHARGE_GROUP, IDC_CHARGE_FRAME,  IDC_CHARGE_CHECK, IDC_MODE_LIST,
                                           IDC_MUSIC_CHECK,  IDC_BATTERY_CHECK, IDC_LIMIT_SLIDER, IDC_DEFAULT,
                                           IDC_HELP_BUTTON,  IDC_OK,            IDC_CANCEL,       IDC_APPLY};

std::wstring Percent(int nValue) { return std::to_wstring(nValue) + L"%"; }

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

SIZE TextSize(HWND hWnd, const std::wstring& text) {
    return crvUiVista::MeasureText(reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)), text,
                                   DT_SINGLELINE | DT_NOPREFIX);
}

bool KeyReadable(const wchar_t* szPath) {
    RegistryKey key;
    return key.Open(HKEY_LOCAL_MACHINE, szPath, KEY_READ) == ERROR_SUCCESS;
}

// A picture is shown only while its area is: the layouts without music hide it.
void CopySurface(HDC hDC, HBITMAP hSurface, const CWnd& area) {
    if (!hSurface || !area.IsWindowVisible()) return;
    const RECT rcArea = area.GetRectInParent();
    const OwnedMemoryDc sourceDc(::CreateCompatibleDC(hDC));
    SelectionScope selected(sourceDc.get(), hSurface);
    ::BitBlt(hDC, rcArea.left, rcArea.top, Width(rcArea), Height(rcArea), sourceDc.get(), 0, 0, SRCCOPY);
}

}  // namespace

BEGIN_MESSAGE_MAP(CNodwellSimpleDlg, crvUiVista::CFrameDialog)
    ON_BN_CLICKED(IDC_DEFAULT, OnDefault)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
    ON_BN_CLICKED(IDC_OK, OnOkButton)
    ON_BN_CLICKED(IDC_CANCEL, OnCancelButton)
    ON_BN_CLICKED(IDC_APPLY, OnApplyButton)
    ON_BN_CLICKED(IDC_CHARGE_CHECK, OnChargeCheck)
    ON_BN_CLICKED(IDC_BATTERY_CHECK, OnBatteryCheck)
    ON_BN_CLICKED(IDC_MUSIC_CHECK, OnMusicCheck)
    ON_CBN_SELCHANGE(IDC_MODE_LIST, OnModeSelChange)
    ON_WM_HSCROLL()
    ON_MESSAGE(WM_POWERBROADCAST, OnPowerBroadcast)
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CNodwellSimpleDlg::CNodwellSimpleDlg(CWnd* pParent) : CFrameDialog(IDD_NODWELL_DIALOG, pParent) {
    m_chargeGroup.SetIds(IDS_CHARGE_GROUP, IDC_CHARGE_CHECK, IDC_CHARGE_FRAME);
    m_batteryGroup.SetIds(IDS_BATTERY_GROUP, IDC_BATTERY_CHECK, IDC_BATTERY_FRAME);
    m_musicGroup.SetIds(IDS_MUSIC_GROUP, IDC_MUSIC_CHECK, IDC_MUSIC_FRAME);
}

CNodwellSimpleDlg::~CNodwellSimpleDlg() = default;

void CNodwellSimpleDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MUSIC_GROUP, m_musicGroup);
    DDX_Control(pDX, IDC_CHARGE_GROUP, m_chargeGroup);
    DDX_Control(pDX, IDC_BATTERY_GROUP, m_batteryGroup);
    DDX_Control(pDX, IDC_MODE_LIST, m_modeList);
    DDX_Control(pDX, IDC_LIMIT_SLIDER, m_limitSlider);
    DDX_Control(pDX, IDC_LIMIT_VALUE, m_limitValue);
}

BOOL CNodwellSimpleDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    crvUiVista::StartupMark(L"dialog created");
    ProbeBattery();
    SetIcons();
    crvUiVista::StartupMark(L"icons");
    SetTexts();
    SetFonts();
    crvUiVista::StartupMark(L"texts and fonts");
    m_nScale = crvUiVista::ScaleFromHeaderPictureWidth(Width(GetDlgItem(IDC_HEADER_PICTURE)->GetWindowRect()));
    for (CGroupCheckBox* pGroup : {&m_chargeGroup, &m_batteryGroup, &m_musicGroup}) pGroup->SetScale(m_nScale);
    SetUpFooterAndHeader();
    crvUiVista::StartupMark(L"footer and banner");

    ApplyEnabling(ChargeRule(false, GetCheckStates()));
    ApplyEnabling(BatteryControlsRule(false, GetCheckStates()));
    SetLayout(DialogLayoutKind::WithoutMusic);
    PrepareLibrary();
    crvUiVista::StartupMark(L"feature library");
    if (!m_bBatteryPresent) SetLayout(DialogLayoutKind::BatteryLess);
    for (CGroupCheckBox* pGroup : {&m_chargeGroup, &m_batteryGroup, &m_musicGroup}) pGroup->PlaceCheckBox();

    m_limitSlider.SetRange(SettingsModel::kMinLimit, SettingsModel::kMaxLimit, TRUE);
    for (int nTic = 10; nTic <= 90; nTic += 10) m_limitSlider.SetTic(nTic);

    FitTitle();
    LayOutFooterAndBackground();
    crvUiVista::StartupMark(L"layout of title, footer and background");
    MakeHeaderPicture();
    crvUiVista::StartupMark(L"header picture");
    LayOutBatteryGroup();
    LayOutChargeGroup();
    PlaceGauge();
    LayOutMusicGroup();
    crvUiVista::StartupMark(L"group layouts");
    MakeGroupPictures();
    crvUiVista::StartupMark(L"charge and music pictures");

    ShowInformationAtStart();
    SetTabOrder();
    m_powerSettings.Register(m_hWnd);
    m_limitSlider.SetCallback(&CNodwellSimpleDlg::OnSliderPosition, this);
    if (ColourScheme::IsHighContrast()) ColourScheme::Follow(m_hWnd);
    DescribeSettingsControls(m_accessibility, m_hWnd, m_gauge);
    if (m_pInstance) m_pInstance->PublishWindow(m_hWnd);
    crvUiVista::StartupMark(L"dialog initialised");
    return TRUE;
}

// ---------------------------------------------------------------- start-up

void CNodwellSimpleDlg::ProbeBattery() {
    m_bBatteryPresent = KeyReadable(L"SYSTEM\\CurrentControlSet\\Enum\\ACPI\\PNP0C0A") ||
                        KeyReadable(L"SYSTEM\\CurrentControlSet\\Enum\\ACPI\\ACPI0002");
}

void CNodwellSimpleDlg::SetIcons() {
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    const auto load = [hInstance](int nSize) {
        return OwnedIcon(
            static_cast<HICON>(::LoadImageW(hInstance, MAKEINTRESOURCEW(IDI_NODWELL), IMAGE_ICON, nSize, nSize, 0)));
    };
    m_icon = load(::GetSystemMetrics(SM_CXICON));
    m_smallIcon = load(::GetSystemMetrics(SM_CXSMICON));
    m_headerIcon = load(kHeaderIconSize);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon.get()));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));
    GetDlgItem(IDC_HEADER_PICTURE)->SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(m_headerIcon.get()));
}

void CNodwellSimpleDlg::SetTexts() {
    SetWindowText(AfxLoadString(IDS_TITLE));
    struct Text {
        int nId;
        UINT nTextId;
    };
    for (const Text& text : {Text{IDC_HEADER_TITLE, IDS_HEADER_TITLE}, Text{IDC_HEADER_DESCRIPTION, IDS_HEADER_DESCRIPTION},
                             Text{IDC_MODE_LABEL, IDS_MODE_LABEL}, Text{IDC_CHARGE_DESCRIPTION, IDS_CHARGE_DESCRIPTION},
                             Text{IDC_LIMIT_LABEL, IDS_LIMIT_LABEL}, Text{IDC_LEVEL_LABEL, IDS_LEVEL_LABEL},
                             Text{IDC_MUSIC_DESCRIPTION, IDS_MUSIC_DESCRIPTION}, Text{IDC_DEFAULT, IDS_DEFAULT},
                             Text{IDC_HELP_BUTTON, IDS_HELP}, Text{IDC_OK, IDS_OK}, Text{IDC_CANCEL, IDS_CANCEL},
                             Text{IDC_APPLY, IDS_APPLY}}) {
        SetDlgItemText(text.nId, AfxLoadString(text.nTextId));
    }
}

void CNodwellSimpleDlg::SetFonts() {
    LOGFONTW font{};
    ::GetObjectW(GetFont(), sizeof(font), &font);
    font.lfWeight = kBoldWeight;
    m_titleFont.reset(::CreateFontIndirectW(&font));
    m_boldFont.reset(::CreateFontIndirectW(&font));
    GetDlgItem(IDC_HEADER_TITLE)->SetFont(m_titleFont.get());
    for (int nId : {IDC_CHARGE_GROUP, IDC_MODE_LABEL, IDC_BATTERY_GROUP, IDC_LIMIT_LABEL, IDC_LIMIT_VALUE,
                    IDC_LEVEL_LABEL, IDC_LEVEL_VALUE, IDC_MUSIC_GROUP}) {
        GetDlgItem(nId)->SetFont(m_boldFont.get());
    }
}

void CNodwellSimpleDlg::SetUpFooterAndHeader() {
    m_banner.Attach(m_hWnd, m_nScale);
    struct Button {
        crvUiVista::FooterButton& button;
        int nId;
    };
    for (const Button& b : {Button{m_okButton, IDC_OK}, Button{m_cancelButton, IDC_CANCEL},
                            Button{m_applyButton, IDC_APPLY}, Button{m_defaultButton, IDC_DEFAULT},
                            Button{m_helpButton, IDC_HELP_BUTTON}, Button{m_fillerButton, IDC_FOOTER_FILLER}}) {
        b.button.Attach(::GetDlgItem(m_hWnd, b.nId), m_nScale);
    }
    m_footer.SetScale(m_nScale);
    m_footer.AddLeft(m_defaultButton);
    m_footer.AddLeft(m_helpButton);
    m_footer.SetFiller(m_fillerButton);
    m_footer.AddRight(m_applyButton);
    m_footer.AddRight(m_cancelButton);
    m_footer.AddRight(m_okButton);
}

void CNodwellSimpleDlg::PrepareLibrary() {
    if (!m_model.Initialise(m_hWnd)) {
        ReportNoHardwareInformation();
        return;
    }
    const std::optional<bool> allowed = m_model.ReadChangesAllowed();
    if (!allowed) {
        ReportNoHardwareInformation();
        return;
    }
    EnableAllControls(*allowed);
    m_model.ReadModeNameVersion();
    if (!*allowed) return;
    const std::optional<LoadedSettings> loaded = m_model.Load();
    if (!loaded) {
        ReportNoHardwareInformation();
        return;
    }
    ShowLoaded(*loaded);
}

void CNodwellSimpleDlg::ShowLoaded(const LoadedSettings& loaded) {
    ShowLimit(loaded.nLimit);
    m_limitSlider.SetPos(loaded.nLimit);
    m_batteryGroup.SetCheck(loaded.bBatteryOn ? BST_CHECKED : BST_UNCHECKED);
    FillModeList(loaded);
    m_chargeGroup.SetCheck(loaded.bChargeOn ? BST_CHECKED : BST_UNCHECKED);
    ApplyEnabling(ChargeRule(loaded.bChargeOn, GetCheckStates()));
    m_modeList.SetCurSel(loaded.nSelectedEntry);
    if (!loaded.bMusicSupported) {
        SetLayout(DialogLayoutKind::WithoutMusic);
        return;
    }
    SetLayout(DialogLayoutKind::WithMusic);
    m_musicGroup.SetCheck(loaded.bMusicOn ? BST_CHECKED : BST_UNCHECKED);
    ApplyEnabling(MusicRule(GetCheckStates()));
}

void CNodwellSimpleDlg::FillModeList(const LoadedSettings& loaded) {
    m_modeList.ResetContent();
    int nWidest = 0;
    for (const ModeEntry& entry : loaded.modes) {
        const std::wstring text = AfxLoadString(entry.nTextId);
        m_modeList.AddString(text);
        nWidest = std::max<int>(nWidest, TextSize(m_modeList, text).cx);
    }
    if (IsTwoEntryList(loaded.dwCapableModes)) return;
    const RECT list = m_modeList.GetRectInParent();
    const int nNeeded = nWidest + Scaled(kListTextMargin, m_nScale);
    if (nNeeded > Width(list)) {
        m_modeList.SetWindowPos(nullptr, 0, 0, nNeeded, Height(list), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CNodwellSimpleDlg::ReportNoHardwareInformation() {
    MessageBox(AfxLoadString(IDS_NO_HARDWARE_INFO), GetWindowText(), MB_OK);
    EnableAllControls(false);
}

void CNodwellSimpleDlg::SetTabOrder() {
    for (int nId : kTabOrder) {
        ::SetWindowPos(::GetDlgItem(m_hWnd, nId), HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
}

void CNodwellSimpleDlg::ShowInformationAtStart() {
    if (!m_model.IsInitialised() || m_bNoInfo || SettingsStore::ReadDontShowInfo() != 0) return;
    // The dialog is not visible yet: the information program comes first.
    if (StartSuiteProgram(L"NodwellInfo.exe", L"", true)) SetForegroundWindow();
}

// ---------------------------------------------------------------- layout

void CNodwellSimpleDlg::SetLayout(DialogLayoutKind kind) {
    const SIZE size = LayoutWindowSize(kind, m_nScale);
    const RECT window = GetWindowRect();
    // The same size once more would only make the window lay out its frame again.
    if (Width(window) != size.cx || Height(window) != size.cy) {
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const auto showControls = [this](const auto& ids, bool bShow) {
        for (int nId : ids) {
            HWND hControl = ::GetDlgItem(m_hWnd, nId);
            ::EnableWindow(hControl, bShow);
            ::ShowWindow(hControl, bShow ? SW_SHOW : SW_HIDE);
        }
    };
    if (kind == DialogLayoutKind::BatteryLess) {
        showControls(kBatteryControls, false);
    } else {
        showControls(kMusicControls, kind == DialogLayoutKind::WithMusic);
    }
}

void CNodwellSimpleDlg::FitTitle() {
    const int nNeeded = TitleWindowWidth(TextSize(m_hWnd, GetWindowText()).cx, m_nScale);
    const RECT window = GetWindowRect();
    if (Width(window) >= nNeeded) return;
    SetWindowPos(nullptr, 0, 0, nNeeded, Height(window), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int nRight = GetClientRect().right;
    struct Edge {
        int nId;
        int nInset;
    };
    for (const Edge& edge : {Edge{IDC_HEADER_TITLE, 13}, Edge{IDC_HEADER_DESCRIPTION, 13}, Edge{IDC_CHARGE_FRAME, 13},
                             Edge{IDC_BATTERY_FRAME, 26}, Edge{IDC_LIMIT_SLIDER, 39}, Edge{IDC_GAUGE, 39}}) {
        CWnd* pControl = GetDlgItem(edge.nId);
        RECT rect = pControl->GetRectInParent();
        rect.right = nRight - Scaled(edge.nInset, m_nScale);
        pControl->MoveWindow(rect, FALSE);
    }
}

void CNodwellSimpleDlg::LayOutFooterAndBackground() {
    const RECT client = GetClientRect();
    m_footer.Layout(client.left, client.right, client.bottom);
    RECT body = client;
    body.top += Scaled(kHeaderAreaHeight, m_nScale);
    body.bottom -= Scaled(kFooterBandHeight, m_nScale);
    m_panel.SetRects(client, body);
}

void CNodwellSimpleDlg::LayOutBatteryGroup() {
    CWnd& frame = m_batteryGroup.GetFrame();
    CWnd* pLabel = GetDlgItem(IDC_LIMIT_LABEL);
    CWnd* pGauge = GetDlgItem(IDC_GAUGE);
    CWnd* pLevel = GetDlgItem(IDC_LEVEL_VALUE);
    CWnd* pLevelLabel = GetDlgItem(IDC_LEVEL_LABEL);
    const GroupLayout::BatteryGroupControls now{
        frame.GetRectInParent(), pLabel->GetRectInParent(), m_limitValue.GetRectInParent(),
        m_limitSlider.GetRectInParent(), pGauge->GetRectInParent(), pLevel->GetRectInParent(),
        pLevelLabel->GetRectInParent()};
    const GroupLayout::TextWidths widths{TextSize(*pLabel, pLabel->GetWindowText()).cx,
                                         TextSize(*pLevelLabel, pLevelLabel->GetWindowText()).cx};
    const GroupLayout::BatteryGroupControls placed =
        GroupLayout::PlaceBatteryGroup(now, Height(GetWindowRect()), widths, m_nScale);
    frame.MoveWindow(placed.frame, FALSE);
    pLabel->MoveWindow(placed.label, FALSE);
    m_limitValue.MoveWindow(placed.value, FALSE);
    pGauge->MoveWindow(placed.gauge, FALSE);
    m_limitSlider.MoveWindow(placed.slider, FALSE);
    pLevel->MoveWindow(placed.level, FALSE);
    pLevelLabel->MoveWindow(placed.levelLabel, FALSE);
    m_batteryGroup.PlaceCheckBox();
}

void CNodwellSimpleDlg::LayOutChargeGroup() {
    CWnd& frame = m_chargeGroup.GetFrame();
    CWnd* pLabel = GetDlgItem(IDC_MODE_LABEL);
    const GroupLayout::ChargeGroup placed = GroupLayout::PlaceChargeGroup(
        frame.GetRectInParent(), pLabel->GetRectInParent(), m_modeList.GetRectInParent(), m_nScale);
    frame.MoveWindow(placed.frame, FALSE);
    pLabel->MoveWindow(placed.label, FALSE);
    m_modeList.SetWindowPos(nullptr, placed.list.left, placed.list.top, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetDlgItem(IDC_CHARGE_DESCRIPTION)->MoveWindow(placed.description, FALSE);
    GetDlgItem(IDC_CHARGE_PICTURE)->MoveWindow(placed.picture, FALSE);
    m_chargeGroup.PlaceCheckBox();
}

void CNodwellSimpleDlg::LayOutMusicGroup() {
    CWnd& frame = m_musicGroup.GetFrame();
    const GroupLayout::MusicGroup placed = GroupLayout::PlaceMusicGroup(frame.GetRectInParent(), m_nScale);
    frame.MoveWindow(placed.frame, FALSE);
    GetDlgItem(IDC_MUSIC_DESCRIPTION)->MoveWindow(placed.description, FALSE);
    GetDlgItem(IDC_MUSIC_PICTURE)->MoveWindow(placed.picture, FALSE);
    m_musicGroup.PlaceCheckBox();
}

void CNodwellSimpleDlg::PlaceGauge() {
    RECT channel = m_limitSlider.GetChannelRect();
    RECT thumb = m_limitSlider.GetThumbRect();
    m_limitSlider.ClientToScreen(channel);
    m_limitSlider.ClientToScreen(thumb);
    RECT area = GaugeGeometry::PlaceArea(channel, thumb, m_limitSlider.GetWindowRect().bottom, m_nScale);
    ScreenToClient(area);
    GetDlgItem(IDC_GAUGE)->MoveWindow(area, FALSE);
    PrepareGauge();
}

// Also when the colour scheme changes: the empty frame is drawn once, in the scheme's colours.
void CNodwellSimpleDlg::PrepareGauge() {
    if (m_gauge.Prepare(m_hWnd, ::GetDlgItem(m_hWnd, IDC_GAUGE), ::GetDlgItem(m_hWnd, IDC_LEVEL_VALUE),
                        ::GetDlgItem(m_hWnd, IDC_LEVEL_LABEL), m_panel.GetBodyBrush(), AfxGetInstanceHandle())) {
        RedrawGauge();
    }
}

// The pictures are drawn once, on the colour of the area under them, which the scheme decides.
void CNodwellSimpleDlg::MakeHeaderPicture() {
    MakePicture(m_headerImage, IDC_HEADER_PICTURE, IDB_HEADER,
                ColourScheme::Pick(BackgroundPanel::kHeaderColour, BackgroundPanel::kHeaderSysColour),
                Gdiplus::InterpolationModeHighQualityBilinear, true);
}

void CNodwellSimpleDlg::MakeGroupPictures() {
    const COLORREF crBody = ColourScheme::Pick(BackgroundPanel::kBodyColour, BackgroundPanel::kBodySysColour);
    MakePicture(m_chargeImage, IDC_CHARGE_PICTURE, IDB_CHARGE, crBody, Gdiplus::InterpolationModeHighQualityBicubic,
                false);
    MakePicture(m_musicImage, IDC_MUSIC_PICTURE, IDB_MUSIC, crBody, Gdiplus::InterpolationModeHighQualityBicubic,
                false);
}

void CNodwellSimpleDlg::MakePicture(OwnedBitmap& surface, int nAreaId, UINT nBitmapId, COLORREF background,
                                    Gdiplus::InterpolationMode mode, bool bSquare) {
    CWnd* pArea = GetDlgItem(nAreaId);
    if (bSquare) {
        const int nSide = std::max(Width(pArea->GetWindowRect()), kHeaderIconSize);
        pArea->SetWindowPos(nullptr, 0, 0, nSide, nSide, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const RECT client = pArea->GetClientRect();
    crvUiVista::WindowDc screen(m_hWnd);
    OwnedBitmap bitmap(::CreateCompatibleBitmap(screen, client.right, client.bottom));
    const OwnedMemoryDc dc(::CreateCompatibleDC(screen));
    if (!bitmap || !dc) return;
    {
        SelectionScope selected(dc.get(), bitmap.get());
        const crvUiVista::OwnedBrush brush(::CreateSolidBrush(background));
        ::FillRect(dc.get(), &client, brush.get());
        crvUiVista::DrawResourceBitmap(dc.get(), client, AfxGetInstanceHandle(), nBitmapId, mode);
    }
    surface = std::move(bitmap);
}

// ---------------------------------------------------------------- rules and state

CheckStates CNodwellSimpleDlg::GetCheckStates() const {
    CheckStates checks;
    checks.bCharge = m_chargeGroup.GetCheck() == BST_CHECKED;
    checks.bBattery = m_batteryGroup.GetCheck() == BST_CHECKED;
    checks.bMusic = m_musicGroup.GetCheck() == BST_CHECKED;
    checks.bBatteryPresent = m_bBatteryPresent;
    return checks;
}

void CNodwellSimpleDlg::ApplyEnabling(const EnablingChange& change) {
    const auto enable = [this](std::initializer_list<int> ids, bool bEnable) {
        for (int nId : ids) ::EnableWindow(::GetDlgItem(m_hWnd, nId), bEnable);
    };
    if (change.modeControls) enable({IDC_MODE_LABEL, IDC_MODE_LIST}, *change.modeControls);
    if (change.batteryGroup) enable({IDC_BATTERY_GROUP, IDC_BATTERY_FRAME, IDC_BATTERY_CHECK}, *change.batteryGroup);
    if (change.batteryControls) {
        enable({IDC_LIMIT_LABEL, IDC_LIMIT_SLIDER, IDC_LIMIT_VALUE}, *change.batteryControls);
    }
}

void CNodwellSimpleDlg::EnableAllControls(bool bEnable) {
    for (int nId : kAllControls) ::EnableWindow(::GetDlgItem(m_hWnd, nId), bEnable);
}

void CNodwellSimpleDlg::EnableApplyIfUsable() {
    if (m_model.CanApply()) ::EnableWindow(::GetDlgItem(m_hWnd, IDC_APPLY), TRUE);
}

bool CNodwellSimpleDlg::IsLimitShown() const {
    const CheckStates checks = GetCheckStates();
    return m_model.IsInitialised() && (checks.bCharge || checks.bMusic) && checks.bBattery;
}

void CNodwellSimpleDlg::RedrawGauge() { m_gauge.Redraw(IsLimitShown(), m_limitSlider.GetPos()); }

void CNodwellSimpleDlg::ShowLimit(int nLimit) { m_limitValue.SetWindowText(Percent(nLimit)); }

void CNodwellSimpleDlg::OnSliderPosition(void* pUser, int nPos, int nPrevPos, int, int, bool bDragging) {
    auto* pDialog = static_cast<CNodwellSimpleDlg*>(pUser);
    // The first report has no previous position to limit the repaint to.
    const bool bStrip = bDragging && nPrevPos != CSliderCtrlEx::kNoPosition;
    pDialog->m_gauge.Redraw(pDialog->IsLimitShown(), nPos, bStrip, nPrevPos);
}

bool CNodwellSimpleDlg::Apply() {
    SettingsValues values;
    values.bChargeOn = m_chargeGroup.GetCheck() == BST_CHECKED;
    const int nSelected = m_modeList.GetCurSel();
    const std::vector<ModeEntry>& modes = m_model.GetModes();
    values.nModeCode = nSelected >= 0 && static_cast<size_t>(nSelected) < modes.size() ? modes[nSelected].nCode : 0;
    values.bBatteryOn = m_batteryGroup.GetCheck() == BST_CHECKED;
    values.nLimit = m_limitSlider.GetPos();
    values.bMusicOn = m_musicGroup.GetCheck() == BST_CHECKED;
    return m_model.Apply(values);
}

// ---------------------------------------------------------------- messages

BOOL CNodwellSimpleDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1) {
        OnHelpButton();
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        HWND hFocus = ::GetFocus();
        if (hFocus == m_modeList.m_hWnd && m_modeList.SendMessage(CB_GETDROPPEDSTATE)) {
            return CDialog::PreTranslateMessage(pMsg);
        }
        const int nFocusId = hFocus && ::GetParent(hFocus) == m_hWnd ? ::GetDlgCtrlID(hFocus) : 0;
        if (nFocusId == IDC_DEFAULT || nFocusId == IDC_HELP_BUTTON || nFocusId == IDC_APPLY || nFocusId == IDC_CANCEL) {
            SendMessage(WM_COMMAND, MAKEWPARAM(nFocusId, BN_CLICKED), reinterpret_cast<LPARAM>(hFocus));
            return TRUE;
        }
        // Enter elsewhere applies, then acts as OK, which applies once more.
        Apply();
        OnOkButton();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CNodwellSimpleDlg::OnDefault() {
    m_chargeGroup.SetCheck(BST_UNCHECKED);
    m_modeList.SetCurSel(0);
    m_model.MarkModeChanged();
    m_musicGroup.SetCheck(BST_UNCHECKED);
    const BatteryDefaults defaults = m_model.DefaultBattery();
    m_batteryGroup.SetCheck(defaults.bEnabled ? BST_CHECKED : BST_UNCHECKED);
    ApplyEnabling(BatteryControlsRule(defaults.bEnabled, GetCheckStates()));
    RedrawGauge();
    ShowLimit(defaults.nLimit);
    m_limitSlider.SetPos(defaults.nLimit);
    ApplyEnabling(ChargeRule(false, GetCheckStates()));
    EnableApplyIfUsable();
}

void CNodwellSimpleDlg::OnHelpButton() { StartSuiteProgram(L"NodwellInfo.exe", L""); }

void CNodwellSimpleDlg::OnOkButton() {
    Apply();
    EndDialog(IDOK);
}

void CNodwellSimpleDlg::OnCancelButton() { EndDialog(IDCANCEL); }

void CNodwellSimpleDlg::OnApplyButton() {
    Apply();
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_APPLY), FALSE);
    m_chargeGroup.GetCheckBox().SetFocus();
}

void CNodwellSimpleDlg::OnChargeCheck() {
    RedrawGauge();
    EnableApplyIfUsable();
    const CheckStates checks = GetCheckStates();
    ApplyEnabling(ChargeRule(checks.bCharge, checks));
}

void CNodwellSimpleDlg::OnBatteryCheck() {
    RedrawGauge();
    EnableApplyIfUsable();
    const CheckStates checks = GetCheckStates();
    ApplyEnabling(BatteryControlsRule(checks.bBattery, checks));
}

void CNodwellSimpleDlg::OnMusicCheck() {
    RedrawGauge();
    EnableApplyIfUsable();
    ApplyEnabling(MusicRule(GetCheckStates()));
}

void CNodwellSimpleDlg::OnModeSelChange() {
    EnableApplyIfUsable();
    m_model.MarkModeChanged();
}

void CNodwellSimpleDlg::OnHScroll(UINT, UINT, CWnd* pScrollBar) {
    if (!pScrollBar || pScrollBar->m_hWnd != m_limitSlider.m_hWnd) return;
    ShowLimit(m_limitSlider.GetPos());
    EnableApplyIfUsable();
}

LRESULT CNodwellSimpleDlg::OnPowerBroadcast(WPARAM, LPARAM) {
    RedrawGauge();
    return TRUE;
}

void CNodwellSimpleDlg::OnLButtonDown(UINT, POINT point) {
    const RECT area = m_gauge.GetArea();
    if (::PtInRect(&area, point) && m_limitSlider.IsWindowEnabled()) {
        // A press on the bar acts as one on the slider's channel at the same x.
        POINT inSlider = point;
        ::MapWindowPoints(m_hWnd, m_limitSlider.m_hWnd, &inSlider, 1);
        const RECT channel = m_limitSlider.GetChannelRect();
        m_limitSlider.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inSlider.x, (channel.top + channel.bottom) / 2));
    }
    Default();
}

RECT CNodwellSimpleDlg::OpaqueArea() const {
    // The gauge is copied over its area; painting the background there first would flicker.
    return m_bBatteryPresent ? m_gauge.GetArea() : RECT{};
}

void CNodwellSimpleDlg::PaintContent(HDC hDC) {
    CopySurface(hDC, m_headerImage.get(), *GetDlgItem(IDC_HEADER_PICTURE));
    CopySurface(hDC, m_chargeImage.get(), *GetDlgItem(IDC_CHARGE_PICTURE));
    CopySurface(hDC, m_musicImage.get(), *GetDlgItem(IDC_MUSIC_PICTURE));
    if (m_bBatteryPresent) m_gauge.Paint(hDC);
}

crvUiVista::CFrameDialog::ControlPlace CNodwellSimpleDlg::PlaceOf(int nId) const {
    switch (nId) {
        case IDC_HEADER_PICTURE:
        case IDC_HEADER_TITLE:
        case IDC_HEADER_DESCRIPTION:
            return ControlPlace::Header;
        case IDC_MODE_LABEL:
        case IDC_LIMIT_LABEL:
        case IDC_LEVEL_LABEL:
        case IDC_CHARGE_DESCRIPTION:
        case IDC_MUSIC_DESCRIPTION:
            return ControlPlace::BodyLabel;
        case IDC_CHARGE_FRAME:
        case IDC_CHARGE_CHECK:
        case IDC_BATTERY_FRAME:
        case IDC_BATTERY_CHECK:
        case IDC_LIMIT_SLIDER:
        case IDC_LIMIT_VALUE:
        case IDC_LEVEL_VALUE:
        case IDC_MUSIC_FRAME:
        case IDC_MUSIC_CHECK:
            return ControlPlace::Body;
        default:
            // The picture areas.
            return ControlPlace::Picture;
    }
}

void CNodwellSimpleDlg::FollowColourScheme() {
    MakeHeaderPicture();
    MakeGroupPictures();
    PrepareGauge();
    CFrameDialog::FollowColourScheme();
}

void CNodwellSimpleDlg::OnDestroy() {
    m_model.Finalise();
    m_powerSettings.Unregister();
    m_headerImage.reset();
    m_chargeImage.reset();
    m_musicImage.reset();
    Default();
}
