#include "PageKeys.h"

PageKeyRoute RoutePageKey(UINT message, WPARAM wKey, bool bControl) {
    switch (message) {
    case WM_CHAR:
    case WM_DEADCHAR:
        // Only the keys let through make characters.
        return PageKeyRoute::Engine;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        // Alt+Left, Alt+Right and Alt+Home navigate; other Alt keys are the dialog's.
        return wKey == VK_LEFT || wKey == VK_RIGHT || wKey == VK_HOME ? PageKeyRoute::Nobody : PageKeyRoute::Dialog;
    case WM_SYSCHAR:
    case WM_SYSDEADCHAR:
        return PageKeyRoute::Dialog;
    case WM_KEYDOWN:
    case WM_KEYUP:
        break;
    default:
        return PageKeyRoute::Nobody;
    }
    switch (wKey) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        return PageKeyRoute::Engine;
    case VK_TAB:
        // Ctrl+Tab moves between the engine's frames and windows.
        return bControl ? PageKeyRoute::Nobody : PageKeyRoute::Engine;
    case 'A':
    case 'C':
        return bControl ? PageKeyRoute::Engine : PageKeyRoute::Nobody;
    default:
        return PageKeyRoute::Nobody;
    }
}
