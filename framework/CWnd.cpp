#include "CWnd.h"

#include <map>
#include <memory>
#include <vector>

#include "CWinApp.h"
#include "WindowSubclass.h"

// The framework's state is the user-interface thread's: the suite's programs have one.
namespace {

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
    static std::map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}
LRESULT CALLBACK FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The object of each window the framework's procedure stands in, and the procedure it replaced.
ChainedWindows<CWnd*>& FrameworkWindows() {
    static ChainedWindows<CWnd*> windows(FrameworkWndProc);
    return windows;
}

// The object waiting for the window that CreateWindowEx is making for it.
CWnd* g_pWndInit = nullptr;
HHOOK g_hCreateHook = nullptr;

struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<CurrentMessage> g_messages;

}  // namespace

struct CWndAccess {
    static void Attach(CWnd* pWnd, HWND hWnd) { pWnd->Attach(hWnd); }
    static void PreSubclass(CWnd* pWnd) { pWnd->PreSubclassWindow(); }
    static void NcDestroyed(CWnd* pWnd) { pWnd->OnNcDestroyed(); }
};

namespace {

LRESULT CALLBACK FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    LRESULT result = 0;
    if (pWnd) {
        g_messages.push_back({message, wParam, lParam});
        result = pWnd->WindowProc(message, wParam, lParam);
        g_messages.pop_back();
    } else {
        // Detached while another procedure stood in front of this one: pass everything on.
        result = ::CallWindowProcW(FrameworkWindows().Super(hWnd), hWnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        if (pWnd) CWndAccess::NcDestroyed(pWnd);
        FrameworkWindows().Forget(hWnd);
    }
    return result;
}

// Attaches the window being created before it receives its first message, so that the
// object sees WM_NCCREATE and WM_CREATE.
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallNextHookEx(g_hCreateHook, code, wParam, lParam);
    if (code == HCBT_CREATEWND && g_pWndInit) {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        // The hook has done its work: the dialog's controls and everything after them are
        // created without a call into it, each of which would go through the system.
        ::UnhookWindowsHookEx(g_hCreateHook);
        g_hCreateHook = nullptr;
        CWndAccess::Attach(pWnd, reinterpret_cast<HWND>(wParam));
        CWndAccess::PreSubclass(pWnd);
    }
    return result;
}

}  // namespace

namespace afx {

CWnd* WndFromHandle(HWND hWnd) { return CWnd::FromHandle(hWnd); }

int g_nLoopDepth = 0;

void DeleteTempMap() {
    if (g_nLoopDepth <= 1) TemporaryMap().clear();
}

MessageLoopScope::MessageLoopScope() { ++g_nLoopDepth; }
MessageLoopScope::~MessageLoopScope() { --g_nLoopDepth; }

BOOL PreTranslateInChain(HWND root, MSG* pMsg) {
    if (!root || (pMsg->hwnd != root && !::IsChild(root, pMsg->hwnd))) return FALSE;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd); pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == root) break;
    }
    return FALSE;
}

// Installs the creation hook around one CreateWindowEx or CreateDialog call.
CreationScope::CreationScope(CWnd* pWnd) {
    g_pWndInit = pWnd;
    g_hCreateHook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
}
CreationScope::~CreationScope() {
    if (g_hCreateHook) UnhookWindowsHookEx(g_hCreateHook);
    g_hCreateHook = nullptr;
    g_pWndInit = nullptr;
}

}  // namespace afx

CWnd::~CWnd() {
    if (m_hWnd && !m_bTemporary) {
        // The object goes before its window: the window carries on with its own handling.
        if (FromHandlePermanent(m_hWnd) == this) UnsubclassWindow();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    return FrameworkWindows().Data(hWnd);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
    auto& temporary = TemporaryMap()[hWnd];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = hWnd;
        temporary->m_bTemporary = true;
    }
    return temporary.get();
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    TemporaryMap().erase(hWnd);
    FrameworkWindows().Attach(hWnd, this);
}

void CWnd::OnNcDestroyed() {
    HWND hWnd = m_hWnd;
    // Gives the window its own procedure back, or leaves the framework's passing messages on.
    FrameworkWindows().Detach(hWnd);
    m_hWnd = nullptr;
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs) {
    if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID) {
    CREATESTRUCTW cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    cs.hMenu = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
    cs.hInstance = AfxGetInstanceHandle();
    if (!PreCreateWindow(cs)) return FALSE;
    HWND hWnd = nullptr;
    {
        afx::CreationScope scope(this);
        hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    return hWnd != nullptr;
}

BOOL CWnd::Create(const wchar_t* lpszClassName, const wchar_t* lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return FALSE;
    Attach(hWnd);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) { return SubclassWindow(::GetDlgItem(pParent->m_hWnd, nID)); }

HWND CWnd::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (!hWnd) return nullptr;
    // Gives the window its own procedure back, or leaves the framework's passing messages on.
    FrameworkWindows().Detach(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(FrameworkWindows().Super(m_hWnd), m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const CurrentMessage& current = g_messages.back();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

const afx::MessageMap* CWnd::GetThisMessageMap() {
    static const afx::MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const afx::MessageMap map = {nullptr, entries};
    return &map;
}

const afx::MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const afx::MessageMapEntry* CWnd::FindEntry(UINT message, UINT code, UINT id) const {
    for (const afx::MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const afx::MessageMapEntry* entry = map->entries; entry->invoke; ++entry) {
            if (entry->message == message && entry->code == code && entry->id == id) return entry;
        }
    }
    return nullptr;
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode) {
    const afx::MessageMapEntry* entry = FindEntry(WM_COMMAND, static_cast<UINT>(nCode), nID);
    if (!entry) return FALSE;
    LRESULT ignored = 0;
    entry->invoke(this, WM_COMMAND, MAKEWPARAM(nID, nCode), 0, ignored);
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    UINT code = 0;
    if (message == WM_COMMAND) code = HIWORD(wParam);
    if (message == WM_NOTIFY) code = reinterpret_cast<NMHDR*>(lParam)->code;
    const afx::MessageMapEntry* entry = FindEntry(afx::kReflectBase + message, code, 0);
    if (!entry) return FALSE;
    entry->invoke(this, message, wParam, lParam, *pResult);
    return TRUE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (lParam) {
            CWnd* pChild = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
            if (pChild && pChild->OnChildNotify(message, wParam, lParam, pResult)) return TRUE;
        }
        *pResult = 0;
        return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<NMHDR*>(lParam);
        CWnd* pChild = FromHandlePermanent(header->hwndFrom);
        if (pChild && pChild->OnChildNotify(message, wParam, lParam, pResult)) return TRUE;
        const afx::MessageMapEntry* entry = FindEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
        if (!entry) return FALSE;
        entry->invoke(this, message, wParam, lParam, *pResult);
        return TRUE;
    }
    const afx::MessageMapEntry* entry = FindEntry(message, 0, 0);
    if (!entry) return FALSE;
    entry->invoke(this, message, wParam, lParam, *pResult);
    return TRUE;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

std::wstring CWnd::GetWindowText() const {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CWnd::MoveWindow(const RECT& rect, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bRepaint);
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetRectInParent() const {
    RECT rect = GetWindowRect();
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd) {
    const DWORD style = GetStyle();
    const DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle) return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(newStyle));
    return TRUE;
}
