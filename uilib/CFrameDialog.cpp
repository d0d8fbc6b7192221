#include "CFrameDialog.h"

#include "ColourScheme.h"
#include "StartupTrace.h"

namespace crvUiVista {

namespace {

constexpr COLORREF kBodyLabelColour = RGB(61, 61, 92);

}  // namespace

BEGIN_MESSAGE_MAP(CFrameDialog, CDialog)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
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

void CFrameDialog::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC hDC = ::BeginPaint(m_hWnd, &paint);
    const auto hIcon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_BIG));
    if (::IsIconic(m_hWnd) && hIcon) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC));
        const RECT client = GetClientRect();
        ::DrawIcon(hDC, (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
                   (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2, hIcon);
    } else {
        const int nSaved = ::SaveDC(hDC);
        const RECT opaque = OpaqueArea();
        if (!::IsRectEmpty(&opaque)) ::ExcludeClipRect(hDC, opaque.left, opaque.top, opaque.right, opaque.bottom);
        m_panel.Paint(hDC);
        ::RestoreDC(hDC, nSaved);
        PaintContent(hDC);
    }
    ::EndPaint(m_hWnd, &paint);
    StartupMark(L"dialog painted");
}

HBRUSH CFrameDialog::OnCtlColor(HDC hDC, CWnd* pWnd, UINT nCtlColor) {
    ::SetBkMode(hDC, TRANSPARENT);
    const ControlPlace place =
        nCtlColor == CTLCOLOR_STATIC && pWnd ? PlaceOf(pWnd->GetDlgCtrlID()) : ControlPlace::System;
    // In high contrast every text takes the text colour of the area it stands on.
    const bool bHighContrast = ColourScheme::IsHighContrast();
    switch (place) {
        case ControlPlace::Header:
            if (bHighContrast) ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNTEXT));
            return m_panel.GetHeaderBrush();
        case ControlPlace::BodyLabel:
            ::SetTextColor(hDC, ColourScheme::Pick(kBodyLabelColour, COLOR_WINDOWTEXT));
            return m_panel.GetBodyBrush();
        case ControlPlace::Body:
            if (bHighContrast) ::SetTextColor(hDC, ::GetSysColor(COLOR_WINDOWTEXT));
            return m_panel.GetBodyBrush();
        case ControlPlace::Picture:
            return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
        case ControlPlace::System:
            break;
    }
    return reinterpret_cast<HBRUSH>(Default());
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
