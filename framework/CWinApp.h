#pragma once
// The application object: one per program, defined as a global. The framework's entry point
// runs its InitInstance, then its message loop while a main window exists, then ExitInstance.
#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    explicit CWinApp(const wchar_t* lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // False ends the program at once (after ExitInstance).
    virtual BOOL InitInstance();
    // Runs the message loop until the main window is gone; returns the exit code.
    virtual int Run();
    // Returns the program's exit code.
    virtual int ExitInstance();
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_lpCmdLine = L"";  // the command line after the program name
    int m_nCmdShow = SW_SHOWNORMAL;
    std::wstring m_strAppName;         // string 0xE000, else the program's file name

protected:
    int m_nExitCode = 0;  // the quit message's code
};

inline constexpr UINT AFX_IDS_APP_TITLE = 0xE000;
inline constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The module that texts are loaded from: a language module or the program itself.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);
std::wstring AfxLoadString(UINT nID);
// Registers (once) and names a window class whose windows the framework attaches to objects.
const wchar_t* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                                   HICON hIcon = nullptr);
// The framework's entry point, called by wWinMain.
int AfxWinMain(HINSTANCE hInstance, LPWSTR lpCmdLine, int nCmdShow);
