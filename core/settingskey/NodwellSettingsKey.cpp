#include "NodwellSettingsKey.h"

#include "RegistryKey.h"

namespace NodwellSettingsKey {

std::optional<DWORD> Read(const wchar_t* pszName) {
    RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, kPath, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
    DWORD dwType = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    // A longer value fails with ERROR_MORE_DATA; a shorter one is caught by its size.
    if (::RegQueryValueExW(key.Get(), pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        dwType != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return value;
}

bool Write(std::initializer_list<std::pair<const wchar_t*, DWORD>> values) {
    RegistryKey key;
    if (key.OpenForWriting(HKEY_CURRENT_USER, kPath) != ERROR_SUCCESS) return false;
    for (const auto& [pszName, dwValue] : values) key.WriteDword(pszName, dwValue);
    return true;
}

}  // namespace NodwellSettingsKey
