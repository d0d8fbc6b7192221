// The driver's life as a kernel service: it unloads cleanly, leaves nothing behind and starts
// again with the default firmware.
#include <gtest/gtest.h>

#include "PwrioServiceLock.h"
#include "PwrioTestDevice.h"
#include "SimulatedPwrio.h"

using namespace pwriotest;

namespace {

bool ServiceExists() {
    const SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return false;
    const SC_HANDLE service = OpenServiceW(manager, L"pwrio", SERVICE_QUERY_STATUS);
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return service != nullptr;
}

bool ServiceKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Services\\pwrio", 0, KEY_READ,
                      &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

uint32_t OpenStatus() {
    TestDevice device;
    Block block = Request(kOpen);
    EXPECT_TRUE(device.IsOpen()) << "error " << device.OpenError();
    EXPECT_TRUE(device.Exchange(block).succeeded);
    return block[0];
}

TEST(PwrioService, StopsCleanlyAndStartsAgainWithDefaults) {
    // Keeps other test programs from starting the service between the two drivers.
    testsupport::PwrioServiceLock lock;
    {
        testsupport::SimulatedPwrio driver;
        driver.Set(L"OpenStatus", 0x0200);
        EXPECT_EQ(0x0200u, OpenStatus());
    }
    EXPECT_FALSE(ServiceExists());
    EXPECT_FALSE(ServiceKeyExists());
    TestDevice gone;
    EXPECT_FALSE(gone.IsOpen());
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), gone.OpenError());

    testsupport::SimulatedPwrio again;
    EXPECT_EQ(0u, OpenStatus());
}

}  // namespace
