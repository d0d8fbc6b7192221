#include "WindowSubclass.h"

WNDPROC InsertWindowProc(HWND hWnd, WNDPROC pfnProc) {
    return reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnProc)));
}

bool RemoveWindowProc(HWND hWnd, WNDPROC pfnProc, WNDPROC pfnSuper) {
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) != pfnProc) return false;
    ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
    return true;
}
