#pragma once
// A key under HKEY_CURRENT_USER emptied for a test and put back as it was afterwards, values
// and all, so that tests can use the user's real settings and the simulated machine. A key
// (or its parent) that did not exist before goes again.
#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class RegistrySnapshot {
public:
    // Throws when the key cannot be created or read.
    explicit RegistrySnapshot(std::wstring strPath);
    ~RegistrySnapshot();
    RegistrySnapshot(const RegistrySnapshot&) = delete;
    RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

    // Writes throw when they fail; deleting a missing value does nothing.
    void SetDword(const std::wstring& strName, DWORD dwValue) const;
    void SetString(const std::wstring& strName, const std::wstring& strValue) const;
    void SetBinary(const std::wstring& strName, const std::vector<BYTE>& data) const;
    void Delete(const std::wstring& strName) const;
    void Clear() const;

    // A REG_DWORD value, or nothing.
    std::optional<DWORD> Get(const std::wstring& strName) const;
    // Every REG_DWORD value the key holds now, by name.
    std::map<std::wstring, DWORD> Dwords() const;

private:
    struct Value {
        std::wstring strName;
        DWORD dwType = 0;
        std::vector<BYTE> data;
    };
    std::vector<Value> ReadAll() const;
    void Write(const std::wstring& strName, DWORD dwType, const void* pData, DWORD cbData) const;

    std::wstring m_strPath;
    std::wstring m_strParent;
    bool m_bKeyExisted = false;
    bool m_bParentExisted = false;
    HKEY m_hKey = nullptr;
    std::vector<Value> m_saved;
};

}  // namespace testsupport
