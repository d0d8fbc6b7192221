#include "SettingsStore.h"

#include "NodwellSettingsKey.h"

namespace SettingsStore {

std::optional<DWORD> ReadMode() { return NodwellSettingsKey::Read(L"Mode"); }
bool WriteMode(DWORD dwMode) { return NodwellSettingsKey::Write({{L"Mode", dwMode}}); }
bool RemoveMode() {
    const LSTATUS status = ::RegDeleteKeyValueW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, L"Mode");
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
bool WriteModeNameVer(DWORD dwVersion) { return NodwellSettingsKey::Write({{L"ModeNameVer", dwVersion}}); }
DWORD ReadDontShowInfo() { return NodwellSettingsKey::Read(L"DontShowInfo").value_or(0); }

}  // namespace SettingsStore
