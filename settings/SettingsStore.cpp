#include "SettingsStore.h"

#include <memory>
#include <type_traits>

namespace SettingsStore {

namespace {

struct KeyCloser {
    void operator()(HKEY hKey) const { ::RegCloseKey(hKey); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

OwnedKey OpenForReading() {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return {};
    return OwnedKey(hKey);
}

std::optional<DWORD> ReadDword(const wchar_t* szName) {
    const OwnedKey key = OpenForReading();
    if (!key) return std::nullopt;
    DWORD dwType = 0;
    DWORD dwValue = 0;
    DWORD cbValue = sizeof(dwValue);
    if (::RegQueryValueExW(key.get(), szName, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue), &cbValue) !=
            ERROR_SUCCESS ||
        dwType != REG_DWORD || cbValue != sizeof(dwValue)) {
        return std::nullopt;
    }
    return dwValue;
}

bool WriteDword(const wchar_t* szName, DWORD dwValue) {
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                          &hKey, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const OwnedKey key(hKey);
    return ::RegSetValueExW(key.get(), szName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                            sizeof(dwValue)) == ERROR_SUCCESS;
}

}  // namespace

std::optional<DWORD> ReadMode() { return ReadDword(L"Mode"); }
bool WriteMode(DWORD dwMode) { return WriteDword(L"Mode", dwMode); }
bool RemoveMode() {
    const LSTATUS status = ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kKeyPath, L"Mode");
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
bool WriteModeNameVer(DWORD dwVersion) { return WriteDword(L"ModeNameVer", dwVersion); }
DWORD ReadDontShowInfo() { return ReadDword(L"DontShowInfo").value_or(0); }

}  // namespace SettingsStore
