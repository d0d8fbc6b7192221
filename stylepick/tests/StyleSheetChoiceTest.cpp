#include <gtest/gtest.h>

#include "StyleSheetChoice.h"

TEST(StyleSheetChoice, FirstMatchingFamilyWinsAndBitZeroIsIgnored) {
    struct Case {
        uint32_t bits;
        bool music;
        const wchar_t* sheet;
    };
    const Case cases[] = {
        {0x02, true, nullptr},
        {0x04, false, nullptr},
        {0x06, true, nullptr},
        {0x62, true, nullptr},  // 0x02 outranks every family
        {0x44, false, nullptr},
        {0x40, true, L"Apple2A_SM.css"},
        {0x40, false, L"Apple2A.css"},
        {0x60, true, L"Apple2A_SM.css"},  // 0x40 is tested before 0x20
        {0x60, false, L"Apple2A.css"},
        {0x20, true, L"Alternate_SM.css"},
        {0x21, false, L"Alternate.css"},
        {0x01, true, L"Typical_SM.css"},  // bit 0 alone names no family
        {0x01, false, L"Typical.css"},
        {0x18, false, L"Typical.css"},
        {0x00, true, L"Typical_SM.css"},
        {0x180, false, L"Typical.css"},  // only the low byte counts
    };
    for (const Case& c : cases) {
        const wchar_t* sheet = ChooseStyleSheet(c.bits, c.music);
        if (c.sheet == nullptr) {
            EXPECT_EQ(nullptr, sheet) << std::hex << c.bits;
        } else {
            ASSERT_NE(nullptr, sheet) << std::hex << c.bits;
            EXPECT_STREQ(c.sheet, sheet) << std::hex << c.bits << " music " << c.music;
        }
    }
}
