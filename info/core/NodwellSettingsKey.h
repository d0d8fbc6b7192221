#pragma once
// The suite's settings key HKCU "Software\Corvane\Nodwell\", as the information program reads
// and writes it: REG_DWORD values only.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <utility>

namespace NodwellSettingsKey {

// The value read as a 32-bit number whatever its registry type; missing, unreadable or longer
// than 4 bytes gives nothing.
std::optional<DWORD> Read(const wchar_t* pszName);

// Creates or opens the key once and writes the values in the given order; false when the key
// cannot be opened (then nothing is written).
bool Write(std::initializer_list<std::pair<const wchar_t*, DWORD>> values);

}  // namespace NodwellSettingsKey
