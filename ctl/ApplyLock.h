#pragma once
// One NodwellCtl changes the settings at a time, on the whole machine. A second one waits for
// the first, for a bounded time, instead of taking the first one's hold on the settings
// program's mutex for the settings program itself.
#include <windows.h>

#include "KernelHandle.h"

namespace ctl {

inline constexpr wchar_t kApplyLockMutex[] = L"Global\\NodwellCtl";

class ApplyLock {
public:
    explicit ApplyLock(DWORD dwWaitMs);
    ~ApplyLock();
    ApplyLock(const ApplyLock&) = delete;
    ApplyLock& operator=(const ApplyLock&) = delete;

    // False when another NodwellCtl still held it after the wait.
    bool IsHeld() const { return m_bHeld; }

private:
    KernelHandle m_mutex;
    bool m_bHeld = false;
};

}  // namespace ctl
