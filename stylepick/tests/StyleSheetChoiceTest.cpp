#include <gtest/gtest.h>

#include "StyleSheetChoice.h"

TEST(StyleSheetChoice, EachFamilyHasItsSheetWithAndWithoutMusic) {
    struct Case {
        int version;
        bool music;
        const wchar_t* sheet;
    };
    const Case cases[] = {
        {1, true, nullptr},
        {1, false, nullptr},
        {4, true, L"Apple2A_SM.css"},
        {4, false, L"Apple2A.css"},
        {3, true, L"Alternate_SM.css"},
        {3, false, L"Alternate.css"},
        {2, true, L"Typical_SM.css"},
        {2, false, L"Typical.css"},
    };
    for (const Case& c : cases) {
        const wchar_t* sheet = ChooseStyleSheet(c.version, c.music);
        if (c.sheet == nullptr) {
            EXPECT_EQ(nullptr, sheet) << c.version;
        } else {
            ASSERT_NE(nullptr, sheet) << c.version;
            EXPECT_STREQ(c.sheet, sheet) << c.version << " music " << c.music;
        }
    }
}
