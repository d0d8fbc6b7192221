#include "AccessibleControls.h"

namespace crvUiVista {

ChainedWindows<const CAccessibleControl::Describe*>& AccessibleControls::ChainedControls() {
    static ChainedWindows<const CAccessibleControl::Describe*> controls(&AccessibleWndProc);
    return controls;
}

AccessibleControls::~AccessibleControls() {
    for (const std::unique_ptr<Control>& control : m_controls) ChainedControls().Detach(control->hWnd);
}

bool AccessibleControls::Add(HWND hWnd, CAccessibleControl::Describe describe) {
    if (!hWnd || ChainedControls().Contains(hWnd)) return false;
    auto control = std::make_unique<Control>(Control{hWnd, std::move(describe)});
    if (!ChainedControls().Attach(hWnd, &control->describe)) return false;
    m_controls.push_back(std::move(control));
    return true;
}

LRESULT CALLBACK AccessibleControls::AccessibleWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const CAccessibleControl::Describe* pDescribe = ChainedControls().Data(hWnd);
    const WNDPROC pfnSuper = ChainedControls().Super(hWnd);
    // The object id arrives as a 32-bit value, sign-extended or not on 64-bit Windows.
    if (uMsg == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT) && pDescribe) {
        if (CAccessibleControl* pAccessible = CAccessibleControl::Create(hWnd, *pDescribe)) {
            const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, pAccessible);
            pAccessible->Release();
            return result;
        }
    }
    if (uMsg == WM_NCDESTROY) ChainedControls().Forget(hWnd);
    return ::CallWindowProcW(pfnSuper, hWnd, uMsg, wParam, lParam);
}

void NotifyAccessibleValueChange(HWND hWnd) {
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hWnd, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace crvUiVista
