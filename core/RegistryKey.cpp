#include "RegistryKey.h"

#include <vector>

LONG RegistryKey::Open(HKEY hRoot, const wchar_t* szPath, REGSAM samDesired) {
    Close();
    return RegOpenKeyExW(hRoot, szPath, 0, samDesired, &m_hKey);
}

LONG RegistryKey::OpenForWriting(HKEY hRoot, const wchar_t* szPath) {
    Close();
    return RegCreateKeyExW(hRoot, szPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                           &m_hKey, nullptr);
}

bool RegistryKey::HasValue(const std::wstring& strName) const {
    return m_hKey && RegQueryValueExW(m_hKey, strName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<DWORD> RegistryKey::ReadDword(const std::wstring& strName) const {
    if (m_hKey == nullptr) return std::nullopt;
    DWORD dwType = 0;
    DWORD dwValue = 0;
    DWORD cbValue = sizeof(dwValue);
    if (RegQueryValueExW(m_hKey, strName.c_str(), nullptr, &dwType, reinterpret_cast<BYTE*>(&dwValue),
                         &cbValue) != ERROR_SUCCESS ||
        dwType != REG_DWORD) {
        return std::nullopt;
    }
    return dwValue;
}

std::optional<std::wstring> RegistryKey::ReadString(const std::wstring& strName) const {
    if (m_hKey == nullptr) return std::nullopt;
    DWORD dwType = 0;
    DWORD cbValue = 0;
    if (RegQueryValueExW(m_hKey, strName.c_str(), nullptr, &dwType, nullptr, &cbValue) != ERROR_SUCCESS ||
        dwType != REG_SZ) {
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(cbValue / sizeof(wchar_t) + 1, L'\0');
    cbValue = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(m_hKey, strName.c_str(), nullptr, &dwType, reinterpret_cast<BYTE*>(buffer.data()),
                         &cbValue) != ERROR_SUCCESS ||
        dwType != REG_SZ) {
        return std::nullopt;
    }
    // The stored string need not end with its terminator; the extra element gives it one.
    return std::wstring(buffer.data());
}

LONG RegistryKey::WriteDword(const std::wstring& strName, DWORD dwValue) const {
    return RegSetValueExW(m_hKey, strName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                          sizeof(dwValue));
}

void RegistryKey::Close() {
    if (m_hKey != nullptr) {
        RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
}
