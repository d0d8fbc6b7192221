// The setup installs the style sheet of the machine's family as auto.css.
#include "SetupTest.h"
#include "SimulatedPwrio.h"

namespace installertest {
namespace {

struct Machine {
    const char* name;
    DWORD modeBits;        // the first mode-table entry
    DWORD musicPresent;    // Zazez and Music
    const wchar_t* sheet;  // nullptr: the family needs none
};

class StyleSheetTest : public SetupTest, public ::testing::WithParamInterface<Machine> {};

TEST_P(StyleSheetTest, AutoCssIsTheFamilysSheet) {
    const Machine machine = GetParam();
    testsupport::SimulatedPwrio driver;
    driver.Set(L"Entry1", machine.modeBits);
    driver.Set(L"MusicPresent", machine.musicPresent);
    ASSERT_EQ(std::optional<DWORD>(0), Install(SetupProgram()));

    const auto autoCss = Target() / L"auto.css";
    if (machine.sheet) {
        ASSERT_TRUE(std::filesystem::exists(autoCss));
        EXPECT_EQ(testsupport::ReadTextFile(Target() / L"CSS" / machine.sheet), testsupport::ReadTextFile(autoCss));
    } else {
        EXPECT_FALSE(std::filesystem::exists(autoCss));
    }
    EXPECT_EQ(ExpectedFiles(machine.sheet != nullptr), FilesUnder(Target()));
}

INSTANTIATE_TEST_SUITE_P(Families, StyleSheetTest,
                         ::testing::Values(Machine{"TypicalWithMusic", 0x10, 1, L"Typical_SM.css"},
                                           Machine{"AlternateWithoutMusic", 0x20, 0, L"Alternate.css"},
                                           Machine{"Apple2AFirstWithMusic", 0x60, 1, L"Apple2A_SM.css"},
                                           Machine{"NeedsNoSheet", 0x04, 1, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace installertest
