#pragma once
// A light window template for a class that attaches to an existing window (a control of a
// dialog) and handles some of its messages in a message map of its own:
//   BEGIN_MSG_MAP(FooterButton)
//       MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
//   END_MSG_MAP()
// A handler is LRESULT OnX(UINT, WPARAM, LPARAM, BOOL& bHandled); clearing bHandled passes the
// message on to the window's own handling.
#include <windows.h>
#include <commctrl.h>

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
        DWORD_PTR holder = 0;
        if (::FindWindowSubclass(hWnd, &CWindowImpl::SubclassProc, 1, &holder)) return FALSE;
        if (!::SetWindowSubclass(hWnd, &CWindowImpl::SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this))) return FALSE;
        this->m_hWnd = hWnd;
        return TRUE;
    }
    HWND UnsubclassWindow() {
        HWND hWnd = this->m_hWnd;
        if (hWnd) ::RemoveWindowSubclass(hWnd, &CWindowImpl::SubclassProc, 1);
        this->m_hWnd = nullptr;
        return hWnd;
    }
    LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
        return ::DefSubclassProc(this->m_hWnd, uMsg, wParam, lParam);
    }
    // The last message the window receives has been handled; the object is detached.
    virtual void OnFinalMessage(HWND) {}

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR refData) {
        auto* self = reinterpret_cast<CWindowImpl*>(refData);
        LRESULT result = 0;
        if (!self->ProcessWindowMessage(hWnd, uMsg, wParam, lParam, result, 0)) {
            result = ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
        }
        if (uMsg == WM_NCDESTROY) {
            self->UnsubclassWindow();
            self->OnFinalMessage(hWnd);
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
