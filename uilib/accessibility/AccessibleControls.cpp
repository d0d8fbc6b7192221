#include "AccessibleControls.h"

#include <unordered_map>

#include "WindowSubclass.h"

namespace crvUiVista {

namespace {

// Each answering control's own procedure, and what it says; the description goes when its
// owner does while another procedure in front keeps this one in the chain.
struct Chained {
    WNDPROC pfnSuper;
    const CAccessibleControl::Describe* pDescribe;
};

std::unordered_map<HWND, Chained>& ChainedControls() {
    static std::unordered_map<HWND, Chained> controls;
    return controls;
}

}  // namespace

AccessibleControls::~AccessibleControls() {
    for (const std::unique_ptr<Control>& control : m_controls) {
        const auto found = ChainedControls().find(control->hWnd);
        if (found == ChainedControls().end()) continue;
        if (RemoveWindowProc(control->hWnd, &AccessibleWndProc, found->second.pfnSuper)) {
            ChainedControls().erase(found);
        } else {
            found->second.pDescribe = nullptr;
        }
    }
}

bool AccessibleControls::Add(HWND hWnd, CAccessibleControl::Describe describe) {
    if (!hWnd || ChainedControls().count(hWnd)) return false;
    auto control = std::make_unique<Control>(Control{hWnd, std::move(describe)});
    const WNDPROC pfnSuper = InsertWindowProc(hWnd, &AccessibleWndProc);
    if (!pfnSuper) return false;
    ChainedControls()[hWnd] = Chained{pfnSuper, &control->describe};
    m_controls.push_back(std::move(control));
    return true;
}

LRESULT CALLBACK AccessibleControls::AccessibleWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const auto found = ChainedControls().find(hWnd);
    if (found == ChainedControls().end()) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    const Chained chained = found->second;
    // The object id arrives as a 32-bit value, sign-extended or not on 64-bit Windows.
    if (uMsg == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT) &&
        chained.pDescribe) {
        if (CAccessibleControl* pAccessible = CAccessibleControl::Create(hWnd, *chained.pDescribe)) {
            const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, pAccessible);
            pAccessible->Release();
            return result;
        }
    }
    if (uMsg == WM_NCDESTROY) {
        RemoveWindowProc(hWnd, &AccessibleWndProc, chained.pfnSuper);
        ChainedControls().erase(hWnd);
    }
    return ::CallWindowProcW(chained.pfnSuper, hWnd, uMsg, wParam, lParam);
}

void NotifyAccessibleValueChange(HWND hWnd) {
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hWnd, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace crvUiVista
