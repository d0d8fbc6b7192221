// A machine without the charge feature is refused before anything is touched.
#include <memory>

#include "PwrioServiceLock.h"
#include "SetupTest.h"
#include "SimulatedPwrio.h"

namespace installertest {
namespace {

enum class Machine { NoChargeFeature, NoDevice };

class RefusalTest : public SetupTest, public ::testing::WithParamInterface<Machine> {};

TEST_P(RefusalTest, SilentSetupRefusesAndLeavesTheMachineUntouched) {
    testsupport::PwrioServiceLock lock;  // no other test's driver answers meanwhile
    std::unique_ptr<testsupport::SimulatedPwrio> driver;
    if (GetParam() == Machine::NoChargeFeature) {
        driver = std::make_unique<testsupport::SimulatedPwrio>();
        driver->Set(L"ChargePresent", 0);
    }

    EXPECT_EQ(std::optional<DWORD>(kExitNoChargeFeature), Install(SetupProgram()));
    EXPECT_FALSE(std::filesystem::exists(Target()));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, kRunKey, kRunValue).has_value());
    EXPECT_FALSE(std::filesystem::exists(StartMenuFolder()));
    EXPECT_FALSE(AgentRunning());
    EXPECT_TRUE(Contains(LogSinceStart(), L"Refused: this computer has no Zazez and Charge feature"));
}

INSTANTIATE_TEST_SUITE_P(Machines, RefusalTest, ::testing::Values(Machine::NoChargeFeature, Machine::NoDevice),
                         [](const auto& info) {
                             return std::string(info.param == Machine::NoChargeFeature ? "NoChargeFeature" : "NoDevice");
                         });

}  // namespace
}  // namespace installertest
