#include "RegistryKey.h"

RegistryKey::~RegistryKey() {
    if (m_hKey) ::RegCloseKey(m_hKey);
}

bool RegistryKey::Open(HKEY hRoot, const std::wstring& strPath, REGSAM samDesired) {
    if (m_hKey) ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return ::RegOpenKeyExW(hRoot, strPath.c_str(), 0, samDesired, &m_hKey) == ERROR_SUCCESS;
}

bool RegistryKey::HasValue(const std::wstring& strName) const {
    return m_hKey && ::RegQueryValueExW(m_hKey, strName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<DWORD> RegistryKey::ReadDword(const std::wstring& strName) const {
    if (!m_hKey) return std::nullopt;
    DWORD dwType = 0;
    DWORD dwValue = 0;
    DWORD cbValue = sizeof(dwValue);
    if (::RegQueryValueExW(m_hKey, strName.c_str(), nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue), &cbValue) !=
            ERROR_SUCCESS ||
        dwType != REG_DWORD || cbValue != sizeof(dwValue)) {
        return std::nullopt;
    }
    return dwValue;
}
