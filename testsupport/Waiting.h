#pragma once
// Waiting on a condition that another process brings about, with a deadline.
#include <windows.h>

#include <functional>

namespace testsupport {

// Polls condition until it holds or timeoutMs has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// A visible top-level window of the process that matches (with bHiddenToo, also one not shown
// yet), or null.
HWND FindProcessWindow(DWORD processId, const std::function<bool(HWND)>& matches, bool bHiddenToo = false);
// The same with this window class.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, bool bHiddenToo = false);

// The id of a message box's text.
inline constexpr int kMessageBoxTextId = 0xFFFF;
// A message box is the dialog with a static text of that id.
bool IsMessageBox(HWND window);

}  // namespace testsupport
