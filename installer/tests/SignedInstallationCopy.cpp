// A silent install of the signed setup, copied whole, the uninstaller it wrote included, for
// check-signatures.sh: the signing tool runs on the build machine, not under Wine.
#include "SetupTest.h"
#include "SimulatedPwrio.h"

namespace installertest {
namespace {

using SignedInstallation = SetupTest;

TEST_F(SignedInstallation, IsCopiedForTheSignatureCheck) {
    testsupport::SimulatedPwrio driver;
    ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));
    ASSERT_TRUE(std::filesystem::exists(Target() / L"Uninstall.exe"));

    const std::filesystem::path copy = INSTALLATION_COPY;
    std::filesystem::remove_all(copy);
    std::filesystem::copy(Target(), copy, std::filesystem::copy_options::recursive);
}

}  // namespace
}  // namespace installertest
