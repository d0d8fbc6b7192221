#include "ModeChoice.h"

namespace ctl {
namespace {

bool SameText(const std::wstring& a, const std::wstring& b) {
    return !a.empty() && ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

std::vector<NamedMode> NameModes(const std::vector<ModeEntry>& entries, const SettingsTexts& texts) {
    std::vector<NamedMode> modes;
    for (const ModeEntry& entry : entries) modes.push_back({entry.nCode, texts.Text(entry.nTextId)});
    return modes;
}

std::optional<size_t> FindMode(const std::vector<ModeEntry>& entries, const SettingsTexts& texts,
                               const std::wstring& strValue) {
    for (size_t i = 0; i < entries.size(); ++i) {
        const ModeEntry& entry = entries[i];
        if (strValue == std::to_wstring(entry.nCode) || SameText(texts.Text(entry.nTextId), strValue) ||
            SameText(texts.EnglishText(entry.nTextId), strValue)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace ctl
