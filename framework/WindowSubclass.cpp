#include "WindowSubclass.h"

BOOL FindWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass, DWORD_PTR* pdwRefData) {
    using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
    // The program imports comctl32.dll (SetWindowSubclass), so the module is loaded; the
    // activation context of the manifest picks the same version for both lookups.
    static const auto getWindowSubclass = reinterpret_cast<GetWindowSubclassFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"comctl32.dll"), "GetWindowSubclass")));
    return getWindowSubclass && getWindowSubclass(hWnd, pfnSubclass, uIdSubclass, pdwRefData);
}
