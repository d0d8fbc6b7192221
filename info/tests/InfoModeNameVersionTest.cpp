// The mode-name version from the simulated feature library's capable modes, and the rules of
// the settings key in both modes. The simulated machine and the settings key are the user's
// real registry keys, saved before and put back after each test.
#include <gtest/gtest.h>

#include "InfoModeNameVersion.h"
#include "NodwellSettingsKey.h"
#include "RegistrySnapshot.h"
#include "Resource.h"
#include "SimulatedMachineKey.h"

namespace {

class ModeNameVersion : public testing::Test {
protected:
    SimulatedMachineKey m_machine;
    testsupport::RegistrySnapshot m_settings{NodwellSettingsKey::kPath};
};

}  // namespace

TEST_F(ModeNameVersion, VersionPicksThePage) {
    const struct {
        int nVersion;
        UINT nPage;
    } cases[] = {{1, 137}, {2, 150}, {3, 150}, {4, 150}};
    for (const auto& c : cases) EXPECT_EQ(c.nPage, InformationPageFor(c.nVersion)) << c.nVersion;
}

TEST_F(ModeNameVersion, LibraryIsAskedAndFailuresGiveNothing) {
    m_machine.SetDword(L"CapableModes", 0x40);
    EXPECT_EQ(std::optional<DWORD>(0x40), QueryCapableModes(nullptr));
    for (const wchar_t* failing : {L"Fail_InitializeDll", L"Fail_GetCapableModes"}) {
        m_machine.SetDword(failing, 5);
        EXPECT_FALSE(QueryCapableModes(nullptr).has_value()) << std::wstring_view(failing).size();
        m_machine.Delete(failing);
    }
}

TEST_F(ModeNameVersion, SetupModeAlwaysStoresTheComputedVersion) {
    m_settings.SetDword(L"ModeNameVer", 1);
    EXPECT_EQ(4, DetermineModeNameVersion(0x40, true));
    EXPECT_EQ(std::optional<DWORD>(4), NodwellSettingsKey::Read(L"ModeNameVer"));
    // A failing library still rewrites it, with 2.
    EXPECT_EQ(2, DetermineModeNameVersion(std::nullopt, true));
    EXPECT_EQ(std::optional<DWORD>(2), NodwellSettingsKey::Read(L"ModeNameVer"));
}

TEST_F(ModeNameVersion, NormalModeTakesTheStoredVersionOverTheHardwareAndWritesNothing) {
    m_settings.SetDword(L"ModeNameVer", 1);
    EXPECT_EQ(1, DetermineModeNameVersion(0x40, false));
    m_settings.SetDword(L"ModeNameVer", 7);
    EXPECT_EQ(7, DetermineModeNameVersion(0x02, false)) << "a stored value is used unchanged";
    m_settings.Delete(L"ModeNameVer");
    EXPECT_EQ(3, DetermineModeNameVersion(0x20, false));
    EXPECT_FALSE(NodwellSettingsKey::Read(L"ModeNameVer").has_value());
    m_settings.SetBinary(L"ModeNameVer", {1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(3, DetermineModeNameVersion(0x20, false)) << "a value longer than 4 bytes counts as absent";
}
