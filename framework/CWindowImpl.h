#pragma once
// A light window template for a class that attaches to an existing window (a control of a
// dialog) and handles some of its messages in a message map of its own:
//   BEGIN_MSG_MAP(FooterButton)
//       MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
//   END_MSG_MAP()
// A handler is LRESULT OnX(UINT, WPARAM, LPARAM, BOOL& bHandled); clearing bHandled passes the
// message on to the window's own handling.
#include <windows.h>

#include <map>

#include "WindowSubclass.h"

class CWindow {
public:
    explicit CWindow(HWND hWnd = nullptr) : m_hWnd(hWnd) {}
    operator HWND() const { return m_hWnd; }

    RECT GetClientRect() const {
        RECT rect{};
        ::GetClientRect(m_hWnd, &rect);
        return rect;
    }
    RECT GetWindowRect() const {
        RECT rect{};
        ::GetWindowRect(m_hWnd, &rect);
        return rect;
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)); }
    BOOL Invalidate(BOOL bErase = TRUE) { return ::InvalidateRect(m_hWnd, nullptr, bErase); }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
        return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
    }
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }

    HWND m_hWnd;
};

template <DWORD t_dwStyle = 0, DWORD t_dwExStyle = 0>
struct CWinTraits {
    static DWORD GetWndStyle(DWORD dwStyle) { return dwStyle ? dwStyle : t_dwStyle; }
    static DWORD GetWndExStyle(DWORD dwExStyle) { return dwExStyle ? dwExStyle : t_dwExStyle; }
};
using CControlWinTraits = CWinTraits<WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN>;

template <class T, class TBase = CWindow, class TWinTraits = CControlWinTraits>
class CWindowImpl : public TBase {
public:
    CWindowImpl() = default;
    virtual ~CWindowImpl() { UnsubclassWindow(); }
    CWindowImpl(const CWindowImpl&) = delete;
    CWindowImpl& operator=(const CWindowImpl&) = delete;

    virtual BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                                      DWORD dwMsgMapID = 0) = 0;

    BOOL SubclassWindow(HWND hWnd) {
        if (this->m_hWnd || !::IsWindow(hWnd)) return FALSE;
        // One object to a window: another object of this class may hold it already.
        Chain& chain = Chains()[hWnd];
        if (chain.pSelf) return FALSE;
        if (!chain.pfnSuper) chain.pfnSuper = InsertWindowProc(hWnd, &CWindowImpl::WindowProc);
        if (!chain.pfnSuper) {
            Chains().erase(hWnd);
            return FALSE;
        }
        chain.pSelf = this;
        this->m_hWnd = hWnd;
        return TRUE;
    }
    HWND UnsubclassWindow() {
        HWND hWnd = this->m_hWnd;
        const auto found = hWnd ? Chains().find(hWnd) : Chains().end();
        if (found != Chains().end()) {
            found->second.pSelf = nullptr;
            if (RemoveWindowProc(hWnd, &CWindowImpl::WindowProc, found->second.pfnSuper)) Chains().erase(found);
        }
        this->m_hWnd = nullptr;
        return hWnd;
    }
    LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
        return ::CallWindowProcW(Chains()[this->m_hWnd].pfnSuper, this->m_hWnd, uMsg, wParam, lParam);
    }
    // The last message the window receives has been handled; the object is detached.
    virtual void OnFinalMessage(HWND) {}

private:
    // The object of each window of this class and the procedure the window had before.
    struct Chain {
        CWindowImpl* pSelf = nullptr;
        WNDPROC pfnSuper = nullptr;
    };
    static std::map<HWND, Chain>& Chains() {
        static std::map<HWND, Chain> chains;
        return chains;
    }

    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
        const auto found = Chains().find(hWnd);
        const Chain chain = found == Chains().end() ? Chain{nullptr, ::DefWindowProcW} : found->second;
        LRESULT result = 0;
        if (!chain.pSelf || !chain.pSelf->ProcessWindowMessage(hWnd, uMsg, wParam, lParam, result, 0)) {
            result = ::CallWindowProcW(chain.pfnSuper, hWnd, uMsg, wParam, lParam);
        }
        if (uMsg == WM_NCDESTROY) {
            if (chain.pSelf) {
                chain.pSelf->UnsubclassWindow();
                chain.pSelf->OnFinalMessage(hWnd);
            }
            Chains().erase(hWnd);
        }
        return result;
    }
};

#define BEGIN_MSG_MAP(theClass)                                                                       \
public:                                                                                               \
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult, \
                              DWORD dwMsgMapID = 0) override {                                        \
        (void)hWnd;                                                                                   \
        (void)dwMsgMapID;                                                                             \
        BOOL bHandled = TRUE;
#define MESSAGE_HANDLER(msg, func)                       \
        if (uMsg == (msg)) {                             \
            bHandled = TRUE;                             \
            lResult = func(uMsg, wParam, lParam, bHandled); \
            if (bHandled) return TRUE;                   \
        }
#define END_MSG_MAP() \
        return FALSE; \
    }
