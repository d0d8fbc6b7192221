#pragma once
// The files and folders the system deletes at the next restart, which Windows (and Wine)
// keep in the registry, and a guard that leaves that list as a test found it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace installertest {

// The paths listed for deletion, without their NT prefix ("\??\").
std::vector<std::wstring> PendingDeletions();

// Puts the list back as it was, after deleting the files listed since (free by then: a
// test ends what used them first).
class PendingDeletionsGuard {
public:
    PendingDeletionsGuard();
    ~PendingDeletionsGuard();
    PendingDeletionsGuard(const PendingDeletionsGuard&) = delete;
    PendingDeletionsGuard& operator=(const PendingDeletionsGuard&) = delete;

    // What has been listed since the guard began.
    std::vector<std::wstring> Added() const;

private:
    std::optional<std::vector<BYTE>> m_saved;
    DWORD m_type = 0;
    std::vector<std::wstring> m_before;
};

}  // namespace installertest
