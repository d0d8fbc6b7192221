#include <gtest/gtest.h>

#include "Scale.h"

using crvUiVista::ScaleFromHeaderPictureWidth;

TEST(Scale, HeaderPictureWidthGivesTheScaleNeverBelow96AndTruncated) {
    const struct {
        int nWidth;
        int nScale;
    } cases[] = {
        {45, 96}, {30, 96}, {0, 96},  // narrower than at 96 dpi never scales below 96
        {56, 119}, {57, 121},
        {67, 142}, {68, 145},  // at 144 dpi the picture is 67 or 68 wide, after the font's rounding
        {90, 192},
    };
    for (const auto& c : cases) EXPECT_EQ(c.nScale, ScaleFromHeaderPictureWidth(c.nWidth)) << c.nWidth;
}
