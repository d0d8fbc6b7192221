#pragma once
// The frame's client window. The frame is never shown, so the view only has to exist.
#include "Afx.h"

class CChildView : public CWnd {
public:
    CChildView() = default;
    ~CChildView() override = default;

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
