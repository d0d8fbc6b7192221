#pragma once
// The suite's settings key HKCU "Software\Corvane\Nodwell\": REG_DWORD values only. The one
// reading of its values for the settings program, the information program and the agent.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <utility>

namespace NodwellSettingsKey {

inline constexpr wchar_t kPath[] = L"Software\\Corvane\\Nodwell\\";

// The value when it is a REG_DWORD of exactly 4 bytes; anything else (missing, a string, a
// value of another size) gives nothing, so that every program reads the same answer.
std::optional<DWORD> Read(const wchar_t* pszName);

// Creates or opens the key once and writes the values in the given order; false when the key
// cannot be opened (then nothing is written).
bool Write(std::initializer_list<std::pair<const wchar_t*, DWORD>> values);

}  // namespace NodwellSettingsKey
