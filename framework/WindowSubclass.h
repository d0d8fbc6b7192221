#pragma once
// Subclassing by the window procedure itself: the object's procedure goes in front of the
// window's and keeps the one it replaced. Each message then finds its object in the
// procedure's own map (ChainedWindows), where the common controls' subclassing looks its data
// up in a window property, a call to the system on every message.
#include <windows.h>

// Puts pfnProc in front of the window's procedure; the procedure it replaced, null on failure.
WNDPROC InsertWindowProc(HWND hWnd, WNDPROC pfnProc);
// Takes pfnProc out again and gives the window pfnSuper back; false when another procedure
// has been put in front since, and pfnProc has to stay in the chain passing messages on.
bool RemoveWindowProc(HWND hWnd, WNDPROC pfnProc, WNDPROC pfnSuper);

#include <unordered_map>

// The windows one subclassing procedure stands in: for each, the procedure it replaced and what
// the procedure keeps of it (its object). Each procedure has one such map; the framework's
// windows, the footer buttons among them, and the accessible controls share this one way.
template <class TData>
class ChainedWindows {
public:
    explicit ChainedWindows(WNDPROC pfnProc) : m_pfnProc(pfnProc) {}

    // Puts the procedure in front of the window's (once) and keeps data for the window; false
    // when the procedure cannot be put there.
    bool Attach(HWND hWnd, TData data) {
        const auto found = m_links.find(hWnd);
        if (found != m_links.end()) {
            found->second.data = data;
            return true;
        }
        const WNDPROC pfnSuper = InsertWindowProc(hWnd, m_pfnProc);
        if (!pfnSuper) return false;
        m_links[hWnd] = Link{pfnSuper, data};
        return true;
    }
    // What is kept for the window, or TData{} when it has nothing.
    TData Data(HWND hWnd) const {
        const auto found = m_links.find(hWnd);
        return found == m_links.end() ? TData{} : found->second.data;
    }
    bool Contains(HWND hWnd) const { return m_links.count(hWnd) != 0; }
    // The procedure the window had before, for the messages the procedure passes on.
    WNDPROC Super(HWND hWnd) const {
        const auto found = m_links.find(hWnd);
        return found == m_links.end() ? ::DefWindowProcW : found->second.pfnSuper;
    }
    // Takes the procedure out again; while another stands in front of it, it stays in the
    // chain passing every message on, with nothing kept for the window.
    void Detach(HWND hWnd) {
        const auto found = m_links.find(hWnd);
        if (found == m_links.end()) return;
        if (RemoveWindowProc(hWnd, m_pfnProc, found->second.pfnSuper)) {
            m_links.erase(found);
        } else {
            found->second.data = TData{};
        }
    }
    // After the window's last message.
    void Forget(HWND hWnd) {
        Detach(hWnd);
        m_links.erase(hWnd);
    }

private:
    struct Link {
        WNDPROC pfnSuper;
        TData data;
    };

    WNDPROC m_pfnProc;
    std::unordered_map<HWND, Link> m_links;
};
