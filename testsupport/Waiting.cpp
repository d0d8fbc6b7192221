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
    const wchar_t* className;
    bool bHiddenToo;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (owner == search.processId && (search.bHiddenToo || IsWindowVisible(window)) && lstrcmpW(name, search.className) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, bool bHiddenToo) {
    WindowSearch search{processId, className, bHiddenToo, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace testsupport
