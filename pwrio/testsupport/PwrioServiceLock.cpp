#include "PwrioServiceLock.h"

#include <stdexcept>
#include <string>

namespace testsupport {
namespace {

constexpr wchar_t kLockName[] = L"Global\\SimulatedPwrioService";
constexpr DWORD kLockTimeoutMs = 120000;

}  // namespace

PwrioServiceLock::PwrioServiceLock() : m_hMutex(CreateMutexW(nullptr, FALSE, kLockName)) {
    if (!m_hMutex) {
        throw std::runtime_error("CreateMutexW failed with error " + std::to_string(GetLastError()));
    }
    // An abandoned lock means a test program died holding it: the next one may go on.
    const DWORD waited = WaitForSingleObject(m_hMutex, kLockTimeoutMs);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(m_hMutex);
        throw std::runtime_error("the pwrio service stayed busy (wait result " + std::to_string(waited) + ")");
    }
}

PwrioServiceLock::~PwrioServiceLock() {
    ReleaseMutex(m_hMutex);
    CloseHandle(m_hMutex);
}

}  // namespace testsupport
