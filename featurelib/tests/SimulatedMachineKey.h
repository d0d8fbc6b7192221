#pragma once
// The simulated machine's registry key for the length of a test: what it held is saved and
// removed at the start, so that the machine has every default, and put back at the end.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

class SimulatedMachineKey {
public:
    SimulatedMachineKey();
    ~SimulatedMachineKey();
    SimulatedMachineKey(const SimulatedMachineKey&) = delete;
    SimulatedMachineKey& operator=(const SimulatedMachineKey&) = delete;

    void SetDword(const std::wstring& strName, DWORD dwValue) const;
    void SetString(const std::wstring& strName, const std::wstring& strValue) const;
    void Delete(const std::wstring& strName) const;
    void Clear() const;

    // Every REG_DWORD value the key holds now, by name.
    std::map<std::wstring, DWORD> Dwords() const;

private:
    struct Value {
        std::wstring strName;
        DWORD dwType = 0;
        std::vector<BYTE> data;
    };
    std::vector<Value> ReadAll() const;

    HKEY m_hKey = nullptr;
    bool m_bKeyExisted = false;
    bool m_bParentExisted = false;
    std::vector<Value> m_saved;
};
