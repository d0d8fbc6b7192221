#pragma once
// The power-supply modes the machine offers, as the entries of the mode list: their codes,
// their labels (string ids) and which one to select.
#include <windows.h>

#include <optional>
#include <vector>

#include "ModeNameVersion.h"

struct ModeEntry {
    int nCode;     // 1 to 6
    UINT nTextId;  // the label's string id
};

inline constexpr int kDefaultStoredMode = 4;

// Highest code first, so that the first entry is the family's default mode.
std::vector<ModeEntry> BuildModeList(DWORD dwCapableModes, int nModeNameVersion);

// The auto/2 A list has fixed labels of its own width; only the ordinary list is widened.
bool IsTwoEntryList(DWORD dwCapableModes);

// The code to select: the library's code when Zazez and Charge is on (1 to 6), else the
// stored "Mode" when it is 1 to 6, else 4.
int ModeToSelect(int nLibraryCode, std::optional<DWORD> storedMode);

// The first entry with that code, or entry 0 when none has it.
int EntryIndexOf(const std::vector<ModeEntry>& entries, int nCode);

inline bool IsModeCode(long long nCode) { return nCode >= 1 && nCode <= 6; }
