#pragma once
// Owner of one open registry key, with the presence test of the exception list.
#include <windows.h>

#include <string>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key; samDesired may carry a registry-view flag.
    bool Open(HKEY hRoot, const std::wstring& strPath, REGSAM samDesired);

    // Whatever its type and data.
    bool HasValue(const std::wstring& strName) const;

private:
    HKEY m_hKey = nullptr;
};
