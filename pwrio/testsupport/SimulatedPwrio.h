#pragma once
// Runs the simulated hardware-access driver as the kernel service "pwrio" for the life of
// the object, so that \\.\PWRIO answers as a machine would, and lets a test set its
// simulated firmware (the REG_DWORD values under the service's Parameters key).
#include <windows.h>

#include <filesystem>

#include "PwrioServiceLock.h"

namespace testsupport {

class SimulatedPwrio {
public:
    // Copies pwrio.sys into the prefix, creates the service if it is missing, clears every
    // firmware setting and starts the driver. Throws std::runtime_error when it cannot.
    SimulatedPwrio();
    // Stops the driver and removes the service, its key and the copied driver file.
    ~SimulatedPwrio();
    SimulatedPwrio(const SimulatedPwrio&) = delete;
    SimulatedPwrio& operator=(const SimulatedPwrio&) = delete;

    // The driver reads these at every request: no restart is needed.
    void Set(const wchar_t* name, DWORD value);
    void Clear(const wchar_t* name);

private:
    void Install();
    void Remove() noexcept;

    PwrioServiceLock m_lock;  // first in, last out: held while the service exists
    SC_HANDLE m_hManager = nullptr;
    SC_HANDLE m_hService = nullptr;
    std::filesystem::path m_driverFile;
};

}  // namespace testsupport
