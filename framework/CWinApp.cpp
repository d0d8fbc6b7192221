#include "CWinApp.h"

#include <set>

#include "CWnd.h"
#include "ResourceString.h"

namespace {
CWinApp* g_pApp = nullptr;
HINSTANCE g_hResource = nullptr;
}  // namespace

CWinApp::CWinApp(const wchar_t* lpszAppName) : m_strAppName(lpszAppName ? lpszAppName : L"") { g_pApp = this; }

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    return m_pMainWnd && afx::PreTranslateInChain(m_pMainWnd->m_hWnd, pMsg);
}

int CWinApp::Run() {
    if (m_pMainWnd) {
        afx::MessageLoopScope loop;
        MSG msg{};
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (!PreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            afx::DeleteTempMap();
        }
        m_nExitCode = static_cast<int>(msg.wParam);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return m_nExitCode; }

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetInstanceHandle() {
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return g_hResource ? g_hResource : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE hResource) { g_hResource = hResource; }

std::wstring AfxLoadString(UINT nID) { return LoadResourceString(AfxGetResourceHandle(), nID); }

const wchar_t* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    static std::set<std::wstring> names;
    wchar_t name[96];
    wsprintfW(name, L"Afx:%p:%x:%p:%p:%p", AfxGetInstanceHandle(), nClassStyle, hCursor, hbrBackground, hIcon);
    const auto [entry, added] = names.insert(name);
    if (added) {
        WNDCLASSW wc{};
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = entry->c_str();
        ::RegisterClassW(&wc);
    }
    return entry->c_str();
}

int AfxWinMain(HINSTANCE hInstance, LPWSTR lpCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine ? lpCmdLine : L"";
    pApp->m_nCmdShow = nCmdShow;
    if (pApp->m_strAppName.empty()) pApp->m_strAppName = AfxLoadString(AFX_IDS_APP_TITLE);
    if (pApp->m_strAppName.empty()) {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(hInstance, path, MAX_PATH);
        std::wstring name = path;
        name = name.substr(name.find_last_of(L'\\') + 1);
        pApp->m_strAppName = name.substr(0, name.find_last_of(L'.'));
    }
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd) pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
