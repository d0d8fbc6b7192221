#pragma once
// The background agent: one per logon session, a hidden frame, no user interface.
#include "Afx.h"
#include "KernelHandle.h"

class CNodwellSrvApp : public CWinApp {
public:
    CNodwellSrvApp() = default;
    ~CNodwellSrvApp() override = default;

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    // "Local\NodwellSrv", held while the agent runs so that a second start finds it.
    KernelHandle m_hMutex;
};
