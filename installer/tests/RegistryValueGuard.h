#pragma once
// Keeps a REG_DWORD value of the current user as a test found it: the test may set or
// delete it, and the old value (or its absence) is put back at the end.
#include <windows.h>

#include <optional>
#include <string>

namespace installertest {

class RegistryValueGuard {
public:
    RegistryValueGuard(std::wstring key, std::wstring name);
    ~RegistryValueGuard();
    RegistryValueGuard(const RegistryValueGuard&) = delete;
    RegistryValueGuard& operator=(const RegistryValueGuard&) = delete;

    void Set(DWORD value) const;
    void Delete() const;
    std::optional<DWORD> Get() const;

private:
    std::wstring m_key;
    std::wstring m_name;
    std::optional<DWORD> m_saved;
};

}  // namespace installertest
