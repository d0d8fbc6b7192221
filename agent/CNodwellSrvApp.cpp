#include "CNodwellSrvApp.h"

#include "AgentSettings.h"
#include "CMainFrame.h"
#include "Resource.h"
#include "StopSwitch.h"

namespace {

// The running agent's hidden frame carries the application name as its title.
void AskRunningAgentToClose() {
    if (HWND hRunning = ::FindWindowW(nullptr, AfxLoadString(AFX_IDS_APP_TITLE).c_str())) {
        ::PostMessageW(hRunning, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

}  // namespace

BOOL CNodwellSrvApp::InitInstance() {
    HANDLE hMutex = ::CreateMutexW(nullptr, FALSE, L"Local\\NodwellSrv");
    const DWORD dwError = ::GetLastError();
    m_hMutex = KernelHandle(hMutex);
    const bool bStopSwitch = HasStopSwitch(m_lpCmdLine);
    if (dwError == ERROR_ALREADY_EXISTS) {
        if (bStopSwitch) AskRunningAgentToClose();
        m_hMutex.Close();
        return FALSE;
    }
    if (dwError == ERROR_ACCESS_DENIED || !m_hMutex.IsValid()) {
        m_hMutex.Close();
        return FALSE;
    }
    if (bStopSwitch) {
        // No agent ran: nothing to stop, and no window, so the loop ends at once.
        m_hMutex.Close();
        return TRUE;
    }
    if (ReadDontRunSrv() > 0) {
        m_hMutex.Close();
        return FALSE;
    }
    if (!CWinApp::InitInstance()) return FALSE;

    auto* pFrame = new CMainFrame;  // deletes itself when its window is gone
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr)) {
        // A frame whose window was never made cannot delete itself; without it the agent
        // would receive nothing, so it ends.
        if (m_pMainWnd == pFrame) delete pFrame;
        m_pMainWnd = nullptr;
        return FALSE;
    }
    pFrame->UpdateWindow();
    return TRUE;
}

int CNodwellSrvApp::ExitInstance() {
    // Frees the name for a later start.
    m_hMutex.Close();
    return CWinApp::ExitInstance();
}
