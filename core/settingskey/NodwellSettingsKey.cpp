#include "NodwellSettingsKey.h"

#include <memory>
#include <type_traits>

namespace {

struct KeyCloser {
    void operator()(HKEY hKey) const { ::RegCloseKey(hKey); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

}  // namespace

namespace NodwellSettingsKey {

std::optional<DWORD> Read(const wchar_t* pszName) {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return std::nullopt;
    const OwnedKey key(hKey);
    DWORD dwType = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    // A longer value fails with ERROR_MORE_DATA; a shorter one is caught by its size.
    if (::RegQueryValueExW(hKey, pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        dwType != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return value;
}

bool Write(std::initializer_list<std::pair<const wchar_t*, DWORD>> values) {
    HKEY hKey = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                          &hKey, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const OwnedKey key(hKey);
    for (const auto& [pszName, dwValue] : values) {
        ::RegSetValueExW(hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    }
    return true;
}

}  // namespace NodwellSettingsKey
