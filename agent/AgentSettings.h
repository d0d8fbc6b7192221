#pragma once
// The per-user switch that keeps the agent from running.
#include <windows.h>

// "DontRunSrv" under HKEY_CURRENT_USER\Software\Corvane\Nodwell\; 0 when the key or the
// value is missing, or when the value is not a 4-byte REG_DWORD.
DWORD ReadDontRunSrv();
