#pragma once
// Owner of one open registry key, with the typed reads and writes the simulated machine needs.
#include <windows.h>

#include <optional>
#include <string>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key for reading; when it is missing, reads find nothing.
    LONG OpenForReading(HKEY hRoot, const wchar_t* szPath);
    // Opens the key for writing, creating it when it is missing.
    LONG OpenForWriting(HKEY hRoot, const wchar_t* szPath);

    // A value of the wrong type counts as missing.
    std::optional<DWORD> ReadDword(const std::wstring& strName) const;
    std::optional<std::wstring> ReadString(const std::wstring& strName) const;
    LONG WriteDword(const std::wstring& strName, DWORD dwValue) const;

private:
    void Close();

    HKEY m_hKey = nullptr;
};
