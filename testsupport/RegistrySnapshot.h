#pragma once
// A key under HKEY_CURRENT_USER emptied for a test and put back as it was afterwards, values
// and all, so that tests can use the user's real settings and simulated machine.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class RegistrySnapshot {
public:
    explicit RegistrySnapshot(std::wstring strPath);
    ~RegistrySnapshot();
    RegistrySnapshot(const RegistrySnapshot&) = delete;
    RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

    void Set(const std::wstring& strName, DWORD dwValue) const;
    void SetString(const std::wstring& strName, const std::wstring& strValue) const;
    void SetBinary(const std::wstring& strName, const std::vector<BYTE>& data) const;
    void Remove(const std::wstring& strName) const;
    std::optional<DWORD> Get(const std::wstring& strName) const;

private:
    struct Value {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data;
    };
    void Write(const std::wstring& strName, DWORD dwType, const void* pData, DWORD cbData) const;

    std::wstring m_strPath;
    bool m_bExisted = false;
    std::vector<Value> m_saved;
};
