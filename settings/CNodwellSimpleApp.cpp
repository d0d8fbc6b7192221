#include "CNodwellSimpleApp.h"

#include <commctrl.h>

#include "CNodwellSimpleDlg.h"
#include "ComApartment.h"
#include "CommandLineOptions.h"
#include "ImageHelper.h"
#include "LanguageModule.h"
#include "SingleInstance.h"
#include "StartupTrace.h"
#include "UiResourceTable.h"
#include "resource.h"

CNodwellSimpleApp theApp;

BOOL CNodwellSimpleApp::InitInstance() {
    crvUiVista::StartupMark(L"process and runtime loaded");
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    crvUiVista::StartupMark(L"common controls");
    const CommandLineOptions options = ParseCommandLine(m_lpCmdLine);

    wchar_t szProgramPath[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szProgramPath, MAX_PATH - 1);
    const crvUiVista::LanguageModule language =
        crvUiVista::LanguageModule::Choose(szProgramPath, options.wPrimaryLang, options.wSubLang);
    AfxSetResourceHandle(language ? static_cast<HINSTANCE>(language.Handle()) : m_hInstance);
    crvUiVista::StartupMark(L"language module");

    const crvUiVista::GdiplusSession gdiplus;
    const crvUiVista::ComApartment com;
    crvUiVista::StartupMark(L"GDI+ started");
    SingleInstance instance(kSettingsProgramInstance);
    crvUiVista::StartupMark(L"single instance");
    switch (instance.GetOutcome()) {
        case SingleInstance::Outcome::RunningHere:
            instance.ActivateFirstCopy();
            break;
        case SingleInstance::Outcome::HeldByAnotherUser:
            ::MessageBoxW(nullptr, AfxLoadString(IDS_ALREADY_RUNNING).c_str(), AfxLoadString(IDS_TITLE).c_str(), MB_OK);
            break;
        case SingleInstance::Outcome::Failed:
            break;
        case SingleInstance::Outcome::First: {
            crvUiVista::RegisterHeaderBannerSet(m_hInstance, IDB_BANNER_FILL, IDB_BANNER_END);
            crvUiVista::RegisterButtonSet(m_hInstance, IDB_BUTTON_NORMAL, IDB_BUTTON_HOT, IDB_BUTTON_PRESSED);
            crvUiVista::StartupMark(L"banner and button images");
            CNodwellSimpleDlg dialog;
            dialog.SetNoInfo(options.bNoInfo);
            dialog.SetInstanceGuard(&instance);
            m_pMainWnd = &dialog;
            dialog.DoModal();
            m_pMainWnd = nullptr;
            break;
        }
    }
    AfxSetResourceHandle(nullptr);
    // The dialog has ended: the program ends with it rather than running a loop of its own.
    return FALSE;
}
