#include "CGroupCheckBox.h"

#include "TextExtent.h"
#include "Scale.h"

using crvUiVista::Scaled;

namespace {
constexpr int kCheckBoxOffset = 12;      // the check box's first position, right of the frame's corner
constexpr int kPlacedOffset = 8;         // its left edge once placed over the frame
constexpr int kCheckMarkSize = 22;       // the box and its margin, at 96 dots per inch
constexpr int kCaptionGap = 5;
}  // namespace

BEGIN_MESSAGE_MAP(CGroupCheckBox, CButton)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
    ON_WM_SETFOCUS()
    ON_WM_ENABLE()
END_MESSAGE_MAP()

void CGroupCheckBox::SetIds(UINT nCaptionId, UINT nCheckBoxId, UINT nFrameId) {
    m_nCaptionId = nCaptionId;
    m_nCheckBoxId = nCheckBoxId;
    m_nFrameId = nFrameId;
}

void CGroupCheckBox::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    const std::wstring caption = AfxLoadString(m_nCaptionId);
    SetWindowText(L"");
    const RECT rect = GetRectInParent();
    CWnd* pParent = GetParent();
    m_frame.Create(L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, rect, pParent, m_nFrameId);

    const int size = Scaled(kCheckMarkSize, m_nScale);
    const RECT boxRect{rect.left + kCheckBoxOffset, rect.top, rect.left + kCheckBoxOffset + size, rect.top + size};
    m_checkBox.Create(caption.c_str(), WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, boxRect, pParent, m_nCheckBoxId);
    m_checkBox.SetFont(GetFont());
    m_checkBox.ShowWindow(SW_SHOW);
    ShowWindow(SW_HIDE);
}

void CGroupCheckBox::PlaceCheckBox() {
    const HFONT hFont = GetFont();
    m_checkBox.SetFont(hFont);
    const SIZE text = crvUiVista::MeasureText(hFont, m_checkBox.GetWindowText(), DT_SINGLELINE);
    const int textWidth = text.cx;
    const int textHeight = text.cy;
    const RECT frame = m_frame.GetRectInParent();
    m_checkBox.SetWindowPos(nullptr, frame.left + kPlacedOffset, frame.top - textHeight / 2,
                            Scaled(kCheckMarkSize, m_nScale) + kCaptionGap + textWidth, textHeight,
                            SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CGroupCheckBox::OnGetCheck(WPARAM, LPARAM) { return m_checkBox.GetCheck(); }

LRESULT CGroupCheckBox::OnSetCheck(WPARAM wParam, LPARAM) {
    m_checkBox.SetCheck(static_cast<int>(wParam));
    return 0;
}

void CGroupCheckBox::OnSetFocus(CWnd*) { m_checkBox.SetFocus(); }

void CGroupCheckBox::OnEnable(BOOL bEnable) {
    m_frame.EnableWindow(bEnable);
    m_checkBox.EnableWindow(bEnable);
}
