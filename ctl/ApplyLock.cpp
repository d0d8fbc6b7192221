#include "ApplyLock.h"

namespace ctl {

ApplyLock::ApplyLock(DWORD dwWaitMs) : m_hMutex(::CreateMutexW(nullptr, FALSE, L"Global\\NodwellCtl")) {
    // A copy that ended while applying leaves the mutex abandoned; this one reads the machine
    // afresh anyway. Another account's copy denies the mutex, and counts as still applying.
    if (m_hMutex == nullptr) return;
    const DWORD dwWait = ::WaitForSingleObject(m_hMutex, dwWaitMs);
    m_bHeld = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
}

ApplyLock::~ApplyLock() {
    if (m_bHeld) ::ReleaseMutex(m_hMutex);
    if (m_hMutex) ::CloseHandle(m_hMutex);
}

}  // namespace ctl
