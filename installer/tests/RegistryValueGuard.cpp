#include "RegistryValueGuard.h"

namespace installertest {

RegistryValueGuard::RegistryValueGuard(std::wstring key, std::wstring name)
    : m_key(std::move(key)), m_name(std::move(name)), m_saved(Get()) {}

RegistryValueGuard::~RegistryValueGuard() {
    if (m_saved) {
        Set(*m_saved);
    } else {
        Delete();
    }
}

void RegistryValueGuard::Set(DWORD value) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, m_key.c_str(), m_name.c_str(), REG_DWORD, &value, sizeof(value));
}

void RegistryValueGuard::Delete() const { RegDeleteKeyValueW(HKEY_CURRENT_USER, m_key.c_str(), m_name.c_str()); }

std::optional<DWORD> RegistryValueGuard::Get() const {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, m_key.c_str(), m_name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

}  // namespace installertest
