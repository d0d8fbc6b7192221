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
