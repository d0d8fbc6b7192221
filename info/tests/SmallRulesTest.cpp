// Header picture placement, the text-size keeping, and the command lines of the programs
// the dialog starts.
#include <gtest/gtest.h>

#include <vector>

#include "DialogScale.h"
#include "TextSizeKeeper.h"

TEST(DialogScale, HeaderPictureBecomesSquareAndAtLeast48) {
    const struct {
        const char* what;
        RECT rc;
        RECT expected;
    } cases[] = {
        {"45 x 49 at 96 dpi", {18, 10, 63, 59}, {18, 10, 66, 58}},
        {"square and large enough", {5, 5, 73, 73}, {5, 5, 73, 73}},
        {"taller than wide", {0, 0, 60, 80}, {0, 0, 60, 60}},
        {"wide enough, too low", {0, 0, 50, 20}, {0, 0, 50, 50}},
        {"narrow and tall", {2, 3, 40, 90}, {2, 3, 50, 51}},
    };
    for (const auto& c : cases) {
        const RECT rc = PlaceHeaderPicture(c.rc);
        EXPECT_EQ(c.expected.left, rc.left) << c.what;
        EXPECT_EQ(c.expected.top, rc.top) << c.what;
        EXPECT_EQ(c.expected.right, rc.right) << c.what;
        EXPECT_EQ(c.expected.bottom, rc.bottom) << c.what;
    }
}

TEST(TextSizeKeeper, FoundSizeIsReplacedBy2AndGivenBackOnlyWhenOneWasFound) {
    const struct {
        const char* what;
        int nFound;
        std::vector<int> expectedSets;
    } cases[] = {{"size 4", 4, {2, 4}}, {"size 0", 0, {2, 0}}, {"nothing readable", -1, {}}};
    for (const auto& c : cases) {
        std::vector<int> sets;
        const auto set = [&](int n) { sets.push_back(n); };
        TextSizeKeeper keeper;
        keeper.Begin([&] { return c.nFound; }, set);
        keeper.Restore(set);
        EXPECT_EQ(c.expectedSets, sets) << c.what;
    }
}

