#pragma once
// The call log: one line for every library call, appended to a text file that other processes
// read between calls.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

// "NWLB_<function> <inputs in decimal> -> <status>" ending with CR LF,
// e.g. "NWLB_SetCurrentBattery 1 20 -> 0".
std::string FormatCallLine(std::string_view function, std::initializer_list<DWORD> inputs, LONG status);

// Appends the line to the file, creating it when needed. A log that cannot be written is
// skipped: logging must not change the outcome of a call.
void AppendToCallLog(const std::wstring& strPath, const std::string& line);
