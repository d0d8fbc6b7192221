// The mode-name version from a capable-modes mask, as the settings program, the information
// program and the style-sheet picker all take it.
#include <gtest/gtest.h>

#include "ModeNameVersion.h"

TEST(ModeNameVersion, FirstMatchingFamilyWinsAndOnlyModesOneToSixCount) {
    const struct {
        DWORD dwMask;
        int nVersion;
    } cases[] = {
        {0x02, 1},   {0x04, 1},   {0x06, 1},
        {0x1E, 1},   {0x7E, 1},
        {0x24, 1},   {0x44, 1},   {0x62, 1},  // mode 1 or 2 outranks every family
        {0x1002, 1},
        {0x40, 4},   {0x58, 4},   {0x60, 4},  // mode 6 is tested before mode 5
        {0x20, 3},   {0x21, 3},   {0x30, 3},
        {0x18, 2},   {0x00, 2},
        {0x01, 2},                            // bit 0 alone names no family
        {0x100, 2},  {0x180, 2},              // nor do bits above mode 6
    };
    for (const auto& c : cases) EXPECT_EQ(c.nVersion, ModeNameVersion(c.dwMask)) << std::hex << c.dwMask;
}
