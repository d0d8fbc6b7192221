#pragma once
// An exception-list entry for one test: a value named after a vendor under
// HKLM\Software\Corvane\Nodwell\poil\<class key>, in the registry view asked for. The keys
// it had to create are removed again afterwards.
#include <windows.h>

#include <string>
#include <vector>

class PoilEntry {
public:
    PoilEntry(const std::wstring& classKey, const std::wstring& vendor, REGSAM view = KEY_WOW64_64KEY);
    ~PoilEntry();
    PoilEntry(const PoilEntry&) = delete;
    PoilEntry& operator=(const PoilEntry&) = delete;

private:
    std::vector<std::wstring> m_createdKeys;  // deepest first
    std::wstring m_strKey;
    std::wstring m_strVendor;
    REGSAM m_view;
};
