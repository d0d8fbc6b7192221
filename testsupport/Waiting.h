#pragma once
// Waiting on a condition that another process brings about, with a deadline.
#include <windows.h>

#include <functional>

namespace testsupport {

// Polls condition until it holds or timeoutMs has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// A visible top-level window of the process with this window class (with bHiddenToo, also one
// not shown yet), or null.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, bool bHiddenToo = false);

}  // namespace testsupport
