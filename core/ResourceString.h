#pragma once
// A string-table text of a module, without the window framework.
#include <windows.h>

#include <string>

// Empty when the module is null or has no such text.
std::wstring LoadResourceString(HMODULE hModule, UINT nId);
