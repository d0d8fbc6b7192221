#include "RegistrySnapshot.h"

#include <stdexcept>

#include "RegistryKey.h"

namespace testsupport {

namespace {

bool KeyExists(const std::wstring& strPath) {
    RegistryKey key;
    return key.Open(HKEY_CURRENT_USER, strPath.c_str(), KEY_READ) == ERROR_SUCCESS;
}

void Check(LONG status, const char* what) {
    if (status != ERROR_SUCCESS) throw std::runtime_error(std::string(what) + " failed: " + std::to_string(status));
}

std::wstring WithoutTrailingSeparator(std::wstring strPath) {
    if (!strPath.empty() && strPath.back() == L'\\') strPath.pop_back();
    return strPath;
}

}  // namespace

RegistrySnapshot::RegistrySnapshot(std::wstring strPath)
    : m_strPath(WithoutTrailingSeparator(std::move(strPath))),
      m_strParent(m_strPath.substr(0, m_strPath.rfind(L'\\'))),
      m_bKeyExisted(KeyExists(m_strPath)),
      m_bParentExisted(KeyExists(m_strParent)) {
    Check(RegCreateKeyExW(HKEY_CURRENT_USER, m_strPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, &m_hKey, nullptr),
          "creating the key");
    m_saved = ReadAll();
    Clear();
}

RegistrySnapshot::~RegistrySnapshot() {
    Clear();
    for (const Value& value : m_saved) {
        RegSetValueExW(m_hKey, value.strName.c_str(), 0, value.dwType, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    }
    RegCloseKey(m_hKey);
    // Deleting fails, as wanted, while a key still has subkeys of someone else.
    if (!m_bKeyExisted) RegDeleteKeyW(HKEY_CURRENT_USER, m_strPath.c_str());
    if (!m_bParentExisted) RegDeleteKeyW(HKEY_CURRENT_USER, m_strParent.c_str());
}

void RegistrySnapshot::Write(const std::wstring& strName, DWORD dwType, const void* pData, DWORD cbData) const {
    Check(RegSetValueExW(m_hKey, strName.c_str(), 0, dwType, static_cast<const BYTE*>(pData), cbData),
          "writing a value");
}

void RegistrySnapshot::SetDword(const std::wstring& strName, DWORD dwValue) const {
    Write(strName, REG_DWORD, &dwValue, sizeof(dwValue));
}

void RegistrySnapshot::SetString(const std::wstring& strName, const std::wstring& strValue) const {
    Write(strName, REG_SZ, strValue.c_str(), static_cast<DWORD>((strValue.size() + 1) * sizeof(wchar_t)));
}

void RegistrySnapshot::SetBinary(const std::wstring& strName, const std::vector<BYTE>& data) const {
    Write(strName, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

void RegistrySnapshot::Delete(const std::wstring& strName) const {
    const LONG status = RegDeleteValueW(m_hKey, strName.c_str());
    if (status != ERROR_FILE_NOT_FOUND) Check(status, "deleting a value");
}

void RegistrySnapshot::Clear() const {
    for (const Value& value : ReadAll()) Delete(value.strName);
}

std::optional<DWORD> RegistrySnapshot::Get(const std::wstring& strName) const {
    DWORD dwValue = 0;
    DWORD cbValue = sizeof(dwValue);
    if (RegGetValueW(m_hKey, nullptr, strName.c_str(), RRF_RT_REG_DWORD, nullptr, &dwValue, &cbValue) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return dwValue;
}

std::map<std::wstring, DWORD> RegistrySnapshot::Dwords() const {
    std::map<std::wstring, DWORD> dwords;
    for (const Value& value : ReadAll()) {
        if (value.dwType == REG_DWORD) dwords[value.strName] = *reinterpret_cast<const DWORD*>(value.data.data());
    }
    return dwords;
}

std::vector<RegistrySnapshot::Value> RegistrySnapshot::ReadAll() const {
    std::vector<Value> values;
    for (DWORD dwIndex = 0;; ++dwIndex) {
        wchar_t szName[256] = {};
        DWORD cchName = ARRAYSIZE(szName);
        Value value;
        value.data.resize(4096);
        DWORD cbData = static_cast<DWORD>(value.data.size());
        const LONG status =
            RegEnumValueW(m_hKey, dwIndex, szName, &cchName, nullptr, &value.dwType, value.data.data(), &cbData);
        if (status == ERROR_NO_MORE_ITEMS) return values;
        Check(status, "reading the key");
        value.strName = szName;
        value.data.resize(cbData);
        values.push_back(std::move(value));
    }
}

}  // namespace testsupport
