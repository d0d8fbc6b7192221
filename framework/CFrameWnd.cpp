#include "CFrameWnd.h"

#include "CWinApp.h"

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, void*) {
    const std::wstring title = AfxLoadString(nIDResource);
    // Position and size are the system's choice (see PreCreateWindow).
    const RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return CreateEx(0, nullptr, title.c_str(), dwDefaultStyle, rect, pParentWnd, 0);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!cs.lpszClass) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    if (cs.x == CW_USEDEFAULT) cs.cx = cs.cy = CW_USEDEFAULT;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTW) { return static_cast<int>(Default()); }

void CFrameWnd::OnClose() { DestroyWindow(); }
