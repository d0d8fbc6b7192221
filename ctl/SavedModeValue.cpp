#include "SavedModeValue.h"

#include "NodwellSettingsKey.h"
#include "RegistryKey.h"
#include "SettingsStore.h"

namespace ctl {
namespace {
constexpr wchar_t kMode[] = L"Mode";
}  // namespace

SavedModeValue::SavedModeValue() {
    RegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, KEY_QUERY_VALUE) != ERROR_SUCCESS) return;
    Stored stored{REG_NONE, {}};
    DWORD cbData = 0;
    // Sized first, then read; a value that grows in between is read again.
    LSTATUS status = ::RegQueryValueExW(key.Get(), kMode, nullptr, &stored.dwType, nullptr, &cbData);
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        stored.data.resize(cbData);
        status = ::RegQueryValueExW(key.Get(), kMode, nullptr, &stored.dwType, stored.data.data(), &cbData);
        if (status == ERROR_SUCCESS) {
            stored.data.resize(cbData);
            m_stored = std::move(stored);
            break;
        }
    }
}

void SavedModeValue::PutBack() const {
    if (!m_stored) {
        SettingsStore::RemoveMode();
        return;
    }
    ::RegSetKeyValueW(HKEY_CURRENT_USER, NodwellSettingsKey::kPath, kMode, m_stored->dwType, m_stored->data.data(),
                      static_cast<DWORD>(m_stored->data.size()));
}

}  // namespace ctl
