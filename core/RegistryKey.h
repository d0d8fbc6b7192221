#pragma once
// Owner of one open registry key, with typed reads and writes.
#include <windows.h>

#include <optional>
#include <string>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key; samDesired may carry a registry-view flag. When it is missing,
    // reads find nothing.
    LONG Open(HKEY hRoot, const wchar_t* szPath, REGSAM samDesired);
    // Opens the key for writing, creating it when it is missing.
    LONG OpenForWriting(HKEY hRoot, const wchar_t* szPath);

    // Whatever its type and data.
    bool HasValue(const std::wstring& strName) const;
    // A value of the wrong type counts as missing.
    std::optional<DWORD> ReadDword(const std::wstring& strName) const;
    std::optional<std::wstring> ReadString(const std::wstring& strName) const;
    LONG WriteDword(const std::wstring& strName, DWORD dwValue) const;

    // For a read the typed ones do not cover; null when no key is open.
    HKEY Get() const { return m_hKey; }

private:
    void Close();

    HKEY m_hKey = nullptr;
};
