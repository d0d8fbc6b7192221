#include "DontRunSrvValue.h"

#include "NodwellSettingsKey.h"

namespace {

const wchar_t* const kKey = NodwellSettingsKey::kPath;
const wchar_t* const kValue = L"DontRunSrv";

}  // namespace

DontRunSrvValue::DontRunSrvValue() {
    HKEY key = nullptr;
    m_bKeyExisted = RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (m_bKeyExisted) {
        DWORD value = 0;
        DWORD size = sizeof(value);
        DWORD type = 0;
        if (RegQueryValueExW(key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
            type == REG_DWORD) {
            m_original = value;
        }
        RegCloseKey(key);
    }
}

DontRunSrvValue::~DontRunSrvValue() {
    if (m_bKeyExisted) {
        Set(m_original);
    } else {
        Set(std::nullopt, true);
    }
}

void DontRunSrvValue::Set(std::optional<DWORD> value, bool removeKey) {
    // Only a key the test made may go: another program's values may live in it.
    if (removeKey && !m_bKeyExisted) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (value) {
        RegSetValueExW(key, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof(*value));
    } else {
        RegDeleteValueW(key, kValue);
    }
    RegCloseKey(key);
}
