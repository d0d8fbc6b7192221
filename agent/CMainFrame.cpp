#include "CMainFrame.h"

#include <wtsapi32.h>

#include "DeviceArrival.h"
#include "DeviceInterfaceName.h"
#include "InformationLauncher.h"
#include "SessionTracking.h"

namespace {

// The interface classes whose arrivals the agent follows: USB devices only.
constexpr std::array<GUID, 1> kInterfaceClasses{
    GUID{0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}},  // GUID_DEVINTERFACE_USB_DEVICE
};

}  // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CMainFrame::~CMainFrame() {
    // The registrations go first, before the view (members would end in the reverse order).
    for (DeviceNotification& notification : m_hDevNotify) notification.Unregister();
    m_wndView.DestroyWindow();
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    // Never shown: no WS_VISIBLE, and a class with no cursor, brush or icon.
    cs.style = WS_CAPTION | FWS_ADDTOTITLE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.lpszClass = AfxRegisterWndClass(0);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCTW lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_wndView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{}, this, AFX_IDW_PANE_FIRST)) {
        return -1;
    }
    // Failing registrations leave the agent running without those notifications.
    ::WTSRegisterSessionNotification(m_hWnd, NOTIFY_FOR_THIS_SESSION);
    for (size_t i = 0; i < kInterfaceClasses.size(); ++i) m_hDevNotify[i].Register(m_hWnd, kInterfaceClasses[i]);
    return 0;
}

void CMainFrame::OnSetFocus(CWnd*) { m_wndView.SetFocus(); }

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode) {
    if (m_wndView.OnCmdMsg(nID, nCode)) return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode);
}

BOOL CMainFrame::DestroyWindow() {
    // The call reports failure under some systems even when it acted; nothing to do about it.
    ::WTSUnRegisterSessionNotification(m_hWnd);
    return CFrameWnd::DestroyWindow();
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WTSSESSION_CHANGE) {
        m_bSessionActive = SessionActiveAfter(m_bSessionActive, wParam);
    } else if (message == WM_DEVICECHANGE && IsArrivalToExamine(m_bSessionActive, wParam, lParam)) {
        OnDeviceArrival(*reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(lParam));
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

void CMainFrame::OnDeviceArrival(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast) {
    if (ArrivalQualifies(BroadcastDeviceName(broadcast))) LaunchInformationProgram();
}
