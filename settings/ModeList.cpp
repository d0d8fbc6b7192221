#include "ModeList.h"

#include "resource.h"

namespace {
constexpr DWORD Bit(int nCode) { return 1u << nCode; }
}  // namespace

bool IsTwoEntryList(DWORD dwCapableModes) { return (dwCapableModes & Bit(6)) != 0; }

std::vector<ModeEntry> BuildModeList(DWORD dwCapableModes, int nModeNameVersion) {
    if (IsTwoEntryList(dwCapableModes)) return {{5, IDS_AUTO_MODE_DEFAULT}, {6, IDS_2A_MODE}};
    std::vector<ModeEntry> entries;
    // Version 1 names the modes by number; the other families shift the names by two.
    const UINT nFirstId = nModeNameVersion == 1 ? IDS_TITLE : IDS_TITLE + 2;
    for (int nCode = 6; nCode >= 1; --nCode) {
        if (dwCapableModes & Bit(nCode)) entries.push_back({nCode, nFirstId + static_cast<UINT>(nCode)});
    }
    return entries;
}

int ModeToSelect(int nLibraryCode, std::optional<DWORD> storedMode) {
    if (IsModeCode(nLibraryCode)) return nLibraryCode;
    if (storedMode && IsModeCode(*storedMode)) return static_cast<int>(*storedMode);
    return kDefaultStoredMode;
}

int EntryIndexOf(const std::vector<ModeEntry>& entries, int nCode) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].nCode == nCode) return static_cast<int>(i);
    }
    return 0;
}
