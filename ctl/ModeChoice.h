#pragma once
// The machine's power-supply modes as NodwellCtl shows and accepts them: the settings
// program's mode list with its labels.
#include <optional>
#include <string>
#include <vector>

#include "ModeList.h"
#include "SettingsTexts.h"

namespace ctl {

struct NamedMode {
    int nCode;
    std::wstring strName;  // in the user's language
};

std::vector<NamedMode> NameModes(const std::vector<ModeEntry>& entries, const SettingsTexts& texts);

// The entry a --mode value names: its code, or its label in the user's language or in
// English, in any case; nothing when no entry matches.
std::optional<size_t> FindMode(const std::vector<ModeEntry>& entries, const SettingsTexts& texts,
                               const std::wstring& strValue);

}  // namespace ctl
