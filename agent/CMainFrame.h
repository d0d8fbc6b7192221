#pragma once
// The agent's hidden frame: it exists to own the window to which the system sends session
// changes and USB device arrivals, and it reacts to them in its window procedure.
#include <array>

#include "Afx.h"
// After the system headers that Afx.h brings.
#include <dbt.h>

#include "CChildView.h"
#include "DeviceNotification.h"

class CMainFrame : public CFrameWnd {
public:
    CMainFrame() = default;
    ~CMainFrame() override;

    BOOL OnCmdMsg(UINT nID, int nCode) override;
    BOOL DestroyWindow() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    void OnSetFocus(CWnd* pOldWnd);
    void OnDeviceArrival(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast);

    // One registration per entry of the interface-class table.
    std::array<DeviceNotification, 1> m_hDevNotify;
    bool m_bSessionActive = true;
    CChildView m_wndView;

    DECLARE_MESSAGE_MAP()
};
