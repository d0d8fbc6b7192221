#include "CNodwellInfoApp.h"

#include <commctrl.h>
#include <ole2.h>

#include "CNodwellInfoDlg.h"
#include "InfoCommandLine.h"
#include "Resource.h"
#include "SingleInstance.h"
#include "StartupTrace.h"
#include "UiResourceTable.h"

void CNodwellInfoApp::ParseCommandLine() {
    const InfoCommandLine options = ParseInfoCommandLine(m_lpCmdLine);
    m_wPrimaryLang = options.wPrimaryLang;
    m_wSubLang = options.wSubLang;
    m_bSetup = options.bSetup;
}

BOOL CNodwellInfoApp::InitInstance() {
    crvUiVista::StartupMark(L"process and runtime loaded");
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    ::InitCommonControlsEx(&controls);
    ParseCommandLine();

    wchar_t szProgramPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szProgramPath, MAX_PATH - 1);
    HINSTANCE hMainModule = AfxGetInstanceHandle();
    m_languageModule = crvUiVista::LanguageModule::Choose(szProgramPath, m_wPrimaryLang, m_wSubLang);
    AfxSetResourceHandle(m_languageModule ? static_cast<HINSTANCE>(m_languageModule.Handle()) : hMainModule);

    CWinApp::InitInstance();
    m_gdiplus.emplace();
    crvUiVista::StartupMark(L"GDI+ started");
    // The dialog hosts the web-browser control, which needs OLE on this thread.
    m_bOleStarted = SUCCEEDED(::OleInitialize(nullptr));
    crvUiVista::StartupMark(L"OLE started");

    // Another copy in this logon session is raised instead; without the mutex nothing runs.
    SingleInstance instance(kInfoProgramInstance);
    if (instance.GetOutcome() == SingleInstance::Outcome::RunningHere) instance.ActivateFirstCopy();
    if (instance.GetOutcome() != SingleInstance::Outcome::First) return FALSE;

    crvUiVista::RegisterHeaderBannerSet(hMainModule, IDB_BANNER_FILL, IDB_BANNER_END);
    crvUiVista::RegisterButtonSet(hMainModule, IDB_BUTTON_NORMAL, IDB_BUTTON_HOT, IDB_BUTTON_PRESSED);
    {
        CNodwellInfoDlg dlg;
        dlg.m_bSetupMode = m_bSetup;
        dlg.SetInstanceGuard(&instance);
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
    }
    // The settings program that waited for this one brings its dialog to the front now; only a
    // process with the user's last input may let it, and that is this one.
    ::AllowSetForegroundWindow(ASFW_ANY);
    AfxSetResourceHandle(nullptr);
    m_languageModule = crvUiVista::LanguageModule();
    // Nothing more to run: the framework goes straight to ExitInstance.
    return FALSE;
}

int CNodwellInfoApp::ExitInstance() {
    if (m_bOleStarted) ::OleUninitialize();
    m_bOleStarted = false;
    m_gdiplus.reset();
    return CWinApp::ExitInstance();
}
