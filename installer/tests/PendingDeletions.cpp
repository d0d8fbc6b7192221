#include "PendingDeletions.h"

#include <algorithm>
#include <iterator>

namespace installertest {
namespace {

constexpr wchar_t kSessionManagerKey[] = L"System\\CurrentControlSet\\Control\\Session Manager";
constexpr wchar_t kPendingValue[] = L"PendingFileRenameOperations";
constexpr wchar_t kNtPrefix[] = L"\\??\\";

}  // namespace

std::vector<std::wstring> PendingDeletions() {
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingValue, RRF_RT_REG_MULTI_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingValue, RRF_RT_REG_MULTI_SZ, nullptr, data.data(),
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    // Pairs of strings, empty ones among them: a path and where it goes, empty for a deletion.
    std::vector<std::wstring> strings;
    for (size_t start = 0; start < size / sizeof(wchar_t); start += strings.back().size() + 1) {
        strings.emplace_back(data.data() + start);
    }
    std::vector<std::wstring> deletions;
    for (size_t i = 0; i + 1 < strings.size(); i += 2) {
        if (!strings[i + 1].empty()) continue;
        const bool prefixed = strings[i].rfind(kNtPrefix, 0) == 0;
        deletions.push_back(strings[i].substr(prefixed ? std::size(kNtPrefix) - 1 : 0));
    }
    return deletions;
}

PendingDeletionsGuard::PendingDeletionsGuard() : m_before(PendingDeletions()) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingValue, RRF_RT_ANY, &m_type, nullptr, &size) ==
        ERROR_SUCCESS) {
        m_saved.emplace(size, 0);
        RegGetValueW(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingValue, RRF_RT_ANY, nullptr, m_saved->data(), &size);
    }
}

PendingDeletionsGuard::~PendingDeletionsGuard() {
    for (const auto& file : Added()) DeleteFileW(file.c_str());
    if (m_saved) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingValue, m_type, m_saved->data(),
                        static_cast<DWORD>(m_saved->size()));
    } else {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingValue);
    }
}

std::vector<std::wstring> PendingDeletionsGuard::Added() const {
    std::vector<std::wstring> added;
    for (const auto& path : PendingDeletions()) {
        if (std::find(m_before.begin(), m_before.end(), path) == m_before.end()) added.push_back(path);
    }
    return added;
}

}  // namespace installertest
