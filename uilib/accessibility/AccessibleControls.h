#pragma once
// The controls of one dialog that answer assistive technology with their own accessible object
// (CAccessibleControl): each is subclassed to answer WM_GETOBJECT for its client area. Controls
// not added here keep the system's object. Lives as long as the dialog's windows.
#include <windows.h>

#include <memory>
#include <vector>

#include "CAccessibleControl.h"
#include "WindowSubclass.h"

namespace crvUiVista {

class AccessibleControls {
public:
    AccessibleControls() = default;
    ~AccessibleControls();
    AccessibleControls(const AccessibleControls&) = delete;
    AccessibleControls& operator=(const AccessibleControls&) = delete;

    // The control hWnd answers with what describe says; false when it cannot be subclassed.
    bool Add(HWND hWnd, CAccessibleControl::Describe describe);

private:
    struct Control {
        HWND hWnd;
        CAccessibleControl::Describe describe;
    };
    static LRESULT CALLBACK AccessibleWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    // What each answering control says; the description goes when its owner does while another
    // procedure in front keeps this one in the chain.
    static ChainedWindows<const CAccessibleControl::Describe*>& ChainedControls();

    std::vector<std::unique_ptr<Control>> m_controls;
};

// Tells assistive technology that the value of the control hWnd changed.
void NotifyAccessibleValueChange(HWND hWnd);

}  // namespace crvUiVista
