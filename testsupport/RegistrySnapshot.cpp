#include "RegistrySnapshot.h"

RegistrySnapshot::RegistrySnapshot(std::wstring strPath) : m_strPath(std::move(strPath)) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, m_strPath.c_str(), 0, KEY_READ, &hKey) == ERROR_SUCCESS) {
        m_bExisted = true;
        for (DWORD index = 0;; ++index) {
            wchar_t name[256];
            DWORD nameLength = 256;
            DWORD type = 0;
            DWORD size = 0;
            if (RegEnumValueW(hKey, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
            Value value{std::wstring(name, nameLength), type, std::vector<BYTE>(size)};
            nameLength = 256;
            RegEnumValueW(hKey, index, name, &nameLength, nullptr, &type, value.data.data(), &size);
            m_saved.push_back(std::move(value));
        }
        RegCloseKey(hKey);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, m_strPath.c_str());
}

RegistrySnapshot::~RegistrySnapshot() {
    RegDeleteTreeW(HKEY_CURRENT_USER, m_strPath.c_str());
    if (!m_bExisted) return;
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, m_strPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    for (const Value& value : m_saved) {
        RegSetValueExW(hKey, value.name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
    }
    RegCloseKey(hKey);
}

void RegistrySnapshot::Write(const std::wstring& strName, DWORD dwType, const void* pData, DWORD cbData) const {
    HKEY hKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, m_strPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr) ==
        ERROR_SUCCESS) {
        RegSetValueExW(hKey, strName.c_str(), 0, dwType, static_cast<const BYTE*>(pData), cbData);
        RegCloseKey(hKey);
    }
}

void RegistrySnapshot::Set(const std::wstring& strName, DWORD dwValue) const {
    Write(strName, REG_DWORD, &dwValue, sizeof(dwValue));
}

void RegistrySnapshot::SetString(const std::wstring& strName, const std::wstring& strValue) const {
    Write(strName, REG_SZ, strValue.c_str(), static_cast<DWORD>((strValue.size() + 1) * sizeof(wchar_t)));
}

void RegistrySnapshot::SetBinary(const std::wstring& strName, const std::vector<BYTE>& data) const {
    Write(strName, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

void RegistrySnapshot::Remove(const std::wstring& strName) const {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, m_strPath.c_str(), strName.c_str());
}

std::optional<DWORD> RegistrySnapshot::Get(const std::wstring& strName) const {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, m_strPath.c_str(), strName.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}
