#pragma once
// GetWindowSubclass, found in comctl32.dll by name: MinGW-w64's x86-64 import library lacks
// it, while comctl32.dll exports it on both. Answers FALSE where it cannot be found.
#include <windows.h>
#include <commctrl.h>

BOOL FindWindowSubclass(HWND hWnd, SUBCLASSPROC pfnSubclass, UINT_PTR uIdSubclass, DWORD_PTR* pdwRefData);
