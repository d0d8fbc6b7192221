#include "ApplyLock.h"

namespace ctl {

ApplyLock::ApplyLock(DWORD dwWaitMs) : m_mutex(::CreateMutexW(nullptr, FALSE, kApplyLockMutex)) {
    // A copy that ended while applying leaves the mutex abandoned; this one reads the machine
    // afresh anyway. Another account's copy denies the mutex, and counts as still applying.
    if (!m_mutex.IsValid()) return;
    const DWORD dwWait = ::WaitForSingleObject(m_mutex.Get(), dwWaitMs);
    m_bHeld = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
}

ApplyLock::~ApplyLock() {
    if (m_bHeld) ::ReleaseMutex(m_mutex.Get());
}

}  // namespace ctl
