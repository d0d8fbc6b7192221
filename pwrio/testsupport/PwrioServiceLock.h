#pragma once
// There is one "pwrio" service per prefix, and CTest may run test programs side by side:
// whoever runs the simulated driver, or looks at the machine while none runs, holds this
// lock. It is a named mutex, so one thread may take it again while holding it.
#include <windows.h>

namespace testsupport {

class PwrioServiceLock {
public:
    // Waits a bounded time for the lock; throws std::runtime_error when it does not come.
    PwrioServiceLock();
    ~PwrioServiceLock();
    PwrioServiceLock(const PwrioServiceLock&) = delete;
    PwrioServiceLock& operator=(const PwrioServiceLock&) = delete;

private:
    HANDLE m_hMutex = nullptr;
};

}  // namespace testsupport
