#pragma once
// Subclassing by the window procedure itself: the object's procedure goes in front of the
// window's and keeps the one it replaced. Each message then finds its object in the caller's
// own map, where the common controls' subclassing looks its data up in a window property, a
// call to the system on every message.
#include <windows.h>

// Puts pfnProc in front of the window's procedure; the procedure it replaced, null on failure.
WNDPROC InsertWindowProc(HWND hWnd, WNDPROC pfnProc);
// Takes pfnProc out again and gives the window pfnSuper back; false when another procedure
// has been put in front since, and pfnProc has to stay in the chain passing messages on.
bool RemoveWindowProc(HWND hWnd, WNDPROC pfnProc, WNDPROC pfnSuper);
