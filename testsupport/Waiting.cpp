#include "Waiting.h"

namespace testsupport {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);
    }
}

namespace {

struct WindowSearch {
    DWORD processId;
    const std::function<bool(HWND)>& matches;
    bool bHiddenToo;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && (search.bHiddenToo || IsWindowVisible(window)) && search.matches(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

bool HasClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return lstrcmpW(name, className) == 0;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& matches, bool bHiddenToo) {
    WindowSearch search{processId, matches, bHiddenToo, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className, bool bHiddenToo) {
    return FindProcessWindow(
        processId, [className](HWND window) { return HasClass(window, className); }, bHiddenToo);
}

bool IsMessageBox(HWND window) {
    return HasClass(window, L"#32770") && GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

}  // namespace testsupport
