#include "PoilEntry.h"

#include <stdexcept>

PoilEntry::PoilEntry(const std::wstring& classKey, const std::wstring& vendor, REGSAM view)
    : m_strKey(L"Software\\Corvane\\Nodwell\\poil\\" + classKey), m_strVendor(vendor), m_view(view) {
    for (size_t end = m_strKey.find(L'\\'); ; end = m_strKey.find(L'\\', end + 1)) {
        const std::wstring level = m_strKey.substr(0, end);
        HKEY key = nullptr;
        DWORD disposition = 0;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, level.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key,
                            &disposition) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot create the exception key");
        }
        if (disposition == REG_CREATED_NEW_KEY) m_createdKeys.insert(m_createdKeys.begin(), level);
        if (end == std::wstring::npos) {
            const DWORD one = 1;
            RegSetValueExW(key, vendor.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof(one));
        }
        RegCloseKey(key);
        if (end == std::wstring::npos) break;
    }
}

PoilEntry::~PoilEntry() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, m_strKey.c_str(), 0, KEY_SET_VALUE | m_view, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, m_strVendor.c_str());
        RegCloseKey(key);
    }
    for (const auto& created : m_createdKeys) RegDeleteKeyExW(HKEY_LOCAL_MACHINE, created.c_str(), m_view, 0);
}
