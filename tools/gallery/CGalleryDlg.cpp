#include "CGalleryDlg.h"

#include <algorithm>
#include <string>

#include "GalleryIds.h"
#include "ImageHelper.h"
#include "Scale.h"

namespace {

constexpr int kHeaderHeight = 74;
constexpr int kFooterHeight = 37;
constexpr int kWindowWidth = 488;
constexpr int kWindowHeight = 430;

constexpr std::array<int, 6> kButtonIds{IDC_DEFAULT, IDC_HELP_BUTTON, IDC_FOOTER_FILLER, IDC_OK, IDC_CANCEL, IDC_APPLY};

bool IsHeaderControl(int nId) { return nId == IDC_HEADER_PICTURE || nId == IDC_HEADER_TITLE || nId == IDC_HEADER_DESCRIPTION; }

}  // namespace

BEGIN_MESSAGE_MAP(CGalleryDlg, crvUiVista::CFrameDialog)
    ON_BN_CLICKED(IDC_CHARGE_CHECK, OnChargeClicked)
    ON_BN_CLICKED(IDC_BATTERY_CHECK, OnBatteryClicked)
    ON_BN_CLICKED(IDC_OK, OnOkClicked)
    ON_BN_CLICKED(IDC_CANCEL, OnCancelClicked)
END_MESSAGE_MAP()

CGalleryDlg::CGalleryDlg() : CFrameDialog(IDD_NODWELL_DIALOG) {
    m_chargeGroup.SetIds(IDS_CHARGE_GROUP, IDC_CHARGE_CHECK, IDC_CHARGE_FRAME);
    m_batteryGroup.SetIds(IDS_BATTERY_GROUP, IDC_BATTERY_CHECK, IDC_BATTERY_FRAME);
}

void CGalleryDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHARGE_GROUP, m_chargeGroup);
    DDX_Control(pDX, IDC_BATTERY_GROUP, m_batteryGroup);
    DDX_Control(pDX, IDC_MODE_LIST, m_modeList);
    DDX_Control(pDX, IDC_LIMIT_SLIDER, m_limitSlider);
}

int CGalleryDlg::ComputeScale() const {
    const RECT probe = GetDlgItem(IDC_HEADER_PICTURE)->GetWindowRect();
    return crvUiVista::ScaleFromHeaderPictureWidth(probe.right - probe.left);
}

int CGalleryDlg::Scaled(int nPixelsAt96) const { return crvUiVista::Scaled(nPixelsAt96, m_nScale); }

BOOL CGalleryDlg::OnInitDialog() {
    // The group check boxes size their boxes by the scale when they are bound.
    m_nScale = ComputeScale();
    m_chargeGroup.SetScale(m_nScale);
    m_batteryGroup.SetScale(m_nScale);
    CDialog::OnInitDialog();

    SetUpFonts();
    SetUpFooterAndBanner();

    for (const wchar_t* mode : {L"Mode1", L"Mode2", L"Mode3", L"Mode4"}) m_modeList.AddString(mode);
    m_modeList.SetCurSel(3);
    m_chargeGroup.SetCheck(BST_CHECKED);
    m_batteryGroup.SetCheck(BST_CHECKED);

    m_limitSlider.SetRange(2, 99);
    for (int tick = 10; tick < 100; tick += 10) m_limitSlider.SetTic(tick);
    m_limitSlider.SetPos(20);
    m_limitSlider.SetCallback(&CGalleryDlg::OnLimitMoved, this);

    LayOut();
    return TRUE;
}

void CGalleryDlg::SetUpFonts() {
    LOGFONTW font{};
    ::GetObjectW(GetFont(), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    m_boldFont.reset(::CreateFontIndirectW(&font));
    for (const int id : {IDC_HEADER_TITLE, IDC_CHARGE_GROUP, IDC_MODE_LABEL, IDC_BATTERY_GROUP, IDC_LIMIT_LABEL,
                         IDC_LIMIT_VALUE}) {
        GetDlgItem(id)->SetFont(m_boldFont.get());
    }
}

void CGalleryDlg::SetUpFooterAndBanner() {
    m_banner.Attach(m_hWnd, m_nScale);
    for (size_t i = 0; i < kButtonIds.size(); ++i) m_buttons[i].Attach(::GetDlgItem(m_hWnd, kButtonIds[i]), m_nScale);
    m_footer.SetScale(m_nScale);
    m_footer.AddLeft(m_buttons[0]);
    m_footer.AddLeft(m_buttons[1]);
    m_footer.SetFiller(m_buttons[2]);
    m_footer.AddRight(m_buttons[5]);
    m_footer.AddRight(m_buttons[4]);
    m_footer.AddRight(m_buttons[3]);
}

void CGalleryDlg::MoveControl(int nId, int x, int y, int cx, int cy) {
    ::SetWindowPos(::GetDlgItem(m_hWnd, nId), nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

int CGalleryDlg::TextWidth(int nId) const {
    const CWnd* pControl = GetDlgItem(nId);
    std::wstring text = pControl->GetWindowText();
    crvUiVista::WindowDc dc(pControl->m_hWnd);
    crvUiVista::SelectionScope font(dc, pControl->GetFont());
    RECT rect{};
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE);
    return rect.right - rect.left;
}

void CGalleryDlg::LayOut() {
    SetWindowPos(nullptr, 0, 0, Scaled(kWindowWidth), Scaled(kWindowHeight), SWP_NOMOVE | SWP_NOZORDER);
    const RECT client = GetClientRect();
    const RECT body{client.left, client.top + Scaled(kHeaderHeight), client.right,
                    client.bottom - Scaled(kFooterHeight)};
    m_panel.SetRects(client, body);
    m_footer.Layout(client.left, client.right, client.bottom);

    // The header picture is square and at least 48 pixels.
    const RECT picture = GetDlgItem(IDC_HEADER_PICTURE)->GetRectInParent();
    const int side = std::max<int>(48, picture.right - picture.left);
    MoveControl(IDC_HEADER_PICTURE, picture.left, picture.top, side, side);

    const int frameLeft = Scaled(18);
    const int frameWidth = client.right - 2 * frameLeft;
    const int chargeTop = body.top + Scaled(22);
    MoveControl(IDC_CHARGE_FRAME, frameLeft, chargeTop, frameWidth, Scaled(92));
    const RECT label = GetDlgItem(IDC_MODE_LABEL)->GetRectInParent();
    MoveControl(IDC_MODE_LABEL, frameLeft + Scaled(19), chargeTop + Scaled(24), label.right - label.left,
                label.bottom - label.top);
    const RECT list = GetDlgItem(IDC_MODE_LIST)->GetRectInParent();
    MoveControl(IDC_MODE_LIST, frameLeft + Scaled(19), chargeTop + Scaled(46), list.right - list.left,
                list.bottom - list.top);

    const int batteryTop = chargeTop + Scaled(92 + 24);
    MoveControl(IDC_BATTERY_FRAME, frameLeft, batteryTop, frameWidth, Scaled(100));
    const RECT limit = GetDlgItem(IDC_LIMIT_LABEL)->GetRectInParent();
    const int limitLeft = frameLeft + Scaled(19);
    const int limitWidth = TextWidth(IDC_LIMIT_LABEL);
    MoveControl(IDC_LIMIT_LABEL, limitLeft, batteryTop + Scaled(24), limitWidth, limit.bottom - limit.top);
    const RECT value = GetDlgItem(IDC_LIMIT_VALUE)->GetRectInParent();
    MoveControl(IDC_LIMIT_VALUE, limitLeft + limitWidth + Scaled(16), batteryTop + Scaled(22),
                value.right - value.left, value.bottom - value.top);
    const RECT slider = m_limitSlider.GetRectInParent();
    MoveControl(IDC_LIMIT_SLIDER, limitLeft, batteryTop + Scaled(48), frameLeft + frameWidth - Scaled(24) - limitLeft,
                slider.bottom - slider.top);

    m_chargeGroup.PlaceCheckBox();
    m_batteryGroup.PlaceCheckBox();
    Invalidate();
}

void CGalleryDlg::OnLimitMoved(void* pUser, int nPos, int, int, int, bool) {
    static_cast<CGalleryDlg*>(pUser)->SetDlgItemText(IDC_LIMIT_VALUE, std::to_wstring(nPos) + L"%");
}

void CGalleryDlg::PaintContent(HDC hDC) {
    const RECT picture = GetDlgItem(IDC_HEADER_PICTURE)->GetRectInParent();
    crvUiVista::DrawResourceBitmap(hDC, picture, AfxGetInstanceHandle(), IDB_HEADER,
                                   Gdiplus::InterpolationModeHighQualityBilinear);
}

crvUiVista::CFrameDialog::ControlPlace CGalleryDlg::PlaceOf(int nId) const {
    return IsHeaderControl(nId) ? ControlPlace::Header : ControlPlace::Body;
}

void CGalleryDlg::OnChargeClicked() {
    const BOOL bEnable = m_chargeGroup.GetCheck() == BST_CHECKED;
    GetDlgItem(IDC_MODE_LABEL)->EnableWindow(bEnable);
    m_modeList.EnableWindow(bEnable);
}

void CGalleryDlg::OnBatteryClicked() {
    const BOOL bEnable = m_batteryGroup.GetCheck() == BST_CHECKED;
    for (const int id : {IDC_LIMIT_LABEL, IDC_LIMIT_SLIDER, IDC_LIMIT_VALUE}) GetDlgItem(id)->EnableWindow(bEnable);
}
