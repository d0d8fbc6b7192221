#include "SimulatedMachineKey.h"

#include <stdexcept>

namespace {

constexpr wchar_t kParentKey[] = L"Software\\Corvane";
constexpr wchar_t kMachineKey[] = L"Software\\Corvane\\NodwellSim";

bool KeyExists(const wchar_t* szPath) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, szPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
    RegCloseKey(hKey);
    return true;
}

void Check(LONG status, const char* what) {
    if (status != ERROR_SUCCESS) throw std::runtime_error(std::string(what) + " failed: " + std::to_string(status));
}

}  // namespace

SimulatedMachineKey::SimulatedMachineKey()
    : m_bKeyExisted(KeyExists(kMachineKey)), m_bParentExisted(KeyExists(kParentKey)) {
    Check(RegCreateKeyExW(HKEY_CURRENT_USER, kMachineKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, &m_hKey, nullptr),
          "creating the machine key");
    m_saved = ReadAll();
    Clear();
}

SimulatedMachineKey::~SimulatedMachineKey() {
    Clear();
    for (const Value& value : m_saved) {
        RegSetValueExW(m_hKey, value.strName.c_str(), 0, value.dwType, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    }
    RegCloseKey(m_hKey);
    // Deleting fails, as wanted, while a key still has subkeys of someone else.
    if (!m_bKeyExisted) RegDeleteKeyW(HKEY_CURRENT_USER, kMachineKey);
    if (!m_bParentExisted) RegDeleteKeyW(HKEY_CURRENT_USER, kParentKey);
}

void SimulatedMachineKey::SetDword(const std::wstring& strName, DWORD dwValue) const {
    Check(RegSetValueExW(m_hKey, strName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                         sizeof(dwValue)),
          "writing a value");
}

void SimulatedMachineKey::SetString(const std::wstring& strName, const std::wstring& strValue) const {
    Check(RegSetValueExW(m_hKey, strName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                         static_cast<DWORD>((strValue.size() + 1) * sizeof(wchar_t))),
          "writing a value");
}

void SimulatedMachineKey::Delete(const std::wstring& strName) const {
    Check(RegDeleteValueW(m_hKey, strName.c_str()), "deleting a value");
}

void SimulatedMachineKey::Clear() const {
    for (const Value& value : ReadAll()) Delete(value.strName);
}

std::map<std::wstring, DWORD> SimulatedMachineKey::Dwords() const {
    std::map<std::wstring, DWORD> dwords;
    for (const Value& value : ReadAll()) {
        if (value.dwType == REG_DWORD) dwords[value.strName] = *reinterpret_cast<const DWORD*>(value.data.data());
    }
    return dwords;
}

std::vector<SimulatedMachineKey::Value> SimulatedMachineKey::ReadAll() const {
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
        Check(status, "reading the machine key");
        value.strName = szName;
        value.data.resize(cbData);
        values.push_back(std::move(value));
    }
}
