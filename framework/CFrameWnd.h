#pragma once
// A top-level frame window, created from a resource id whose string is its title. Closing it
// destroys it; a frame lives on the heap and deletes itself when its window is gone.
#include "CWnd.h"

// Frame style of the framework: the title is completed by the frame (kept for callers' styles).
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

class CFrameWnd : public CWnd {
public:
    CFrameWnd() = default;

    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, void* pContext = nullptr);

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    void PostNcDestroy() override { delete this; }

    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnClose();

    DECLARE_MESSAGE_MAP()
};
