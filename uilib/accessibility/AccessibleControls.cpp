#include "AccessibleControls.h"

#include <commctrl.h>

namespace crvUiVista {

namespace {
constexpr UINT_PTR kSubclassId = 0x41636300;  // "Acc"
}  // namespace

AccessibleControls::~AccessibleControls() {
    for (const std::unique_ptr<Control>& control : m_controls) {
        if (::IsWindow(control->hWnd)) ::RemoveWindowSubclass(control->hWnd, &SubclassProc, kSubclassId);
    }
}

bool AccessibleControls::Add(HWND hWnd, CAccessibleControl::Describe describe) {
    auto control = std::make_unique<Control>(Control{hWnd, std::move(describe)});
    if (!hWnd || !::SetWindowSubclass(hWnd, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(control.get()))) {
        return false;
    }
    m_controls.push_back(std::move(control));
    return true;
}

LRESULT CALLBACK AccessibleControls::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR dwRefData) {
    // The object id arrives as a 32-bit value, sign-extended or not on 64-bit Windows.
    if (uMsg == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        const auto* pControl = reinterpret_cast<const Control*>(dwRefData);
        if (CAccessibleControl* pAccessible = CAccessibleControl::Create(hWnd, pControl->describe)) {
            const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, pAccessible);
            pAccessible->Release();
            return result;
        }
    }
    if (uMsg == WM_NCDESTROY) ::RemoveWindowSubclass(hWnd, &SubclassProc, kSubclassId);
    return ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
}

void NotifyAccessibleValueChange(HWND hWnd) {
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hWnd, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace crvUiVista
