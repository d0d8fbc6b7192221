#include "CSliderCtrlEx.h"

BEGIN_MESSAGE_MAP(CSliderCtrlEx, CSliderCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void CSliderCtrlEx::SetCallback(PositionCallback pfnCallback, void* pUser) {
    m_pfnCallback = pfnCallback;
    m_pUser = pUser;
}

// Reported while painting rather than on scroll messages, so that the callback sees the
// thumb where the slider actually draws it.
void CSliderCtrlEx::OnCustomDraw(NMHDR* pNotify, LRESULT* pResult) {
    const auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(pNotify);
    if (draw->dwDrawStage != CDDS_PREPAINT) {
        *pResult = CDRF_DODEFAULT;
        return;
    }
    const int pos = GetPos();
    const RECT thumb = GetThumbRect();
    const int thumbOffset = thumb.left - (thumb.right - thumb.left);
    if (m_pfnCallback && pos != m_nPrevPos) {
        m_pfnCallback(m_pUser, pos, m_nPrevPos, thumbOffset, m_nPrevThumbOffset, m_bDragging);
        m_nPrevPos = pos;
        m_nPrevThumbOffset = thumbOffset;
    }
    *pResult = CDRF_NOTIFYITEMDRAW;
}

void CSliderCtrlEx::OnLButtonDown(UINT, POINT) {
    m_bDragging = true;
    Default();
}

void CSliderCtrlEx::OnLButtonUp(UINT, POINT) {
    m_bDragging = false;
    Default();
}
