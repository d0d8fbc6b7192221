#pragma once
// A slider that reports each change of its position, as painted, to a callback, telling
// whether the user is dragging it, so that a picture tied to the thumb can follow it.
#include "Afx.h"

class CSliderCtrlEx : public CSliderCtrl {
public:
    // (user value, new position, previous position, thumb offset, previous thumb offset, dragging)
    using PositionCallback = void (*)(void* pUser, int nPos, int nPrevPos, int nThumbOffset, int nPrevThumbOffset,
                                      bool bDragging);

    // The previous position and offset start as this marker, so that the first paint reports.
    static constexpr int kNoPosition = static_cast<int>(0xFA0A1F01u);

    CSliderCtrlEx() = default;
    ~CSliderCtrlEx() override = default;

    void SetCallback(PositionCallback pfnCallback, void* pUser);

private:
    void OnCustomDraw(NMHDR* pNotify, LRESULT* pResult);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);

    PositionCallback m_pfnCallback = nullptr;
    void* m_pUser = nullptr;
    int m_nPrevPos = kNoPosition;
    int m_nPrevThumbOffset = kNoPosition;
    bool m_bDragging = false;

    DECLARE_MESSAGE_MAP()
};
