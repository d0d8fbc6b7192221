#include <gtest/gtest.h>

#include "BackgroundPanel.h"
#include "Canvas.h"

using crvUiVista::BackgroundPanel;

namespace {
constexpr COLORREF kHeader = RGB(233, 234, 227);
constexpr COLORREF kBody = RGB(255, 255, 255);
constexpr COLORREF kThird = RGB(222, 223, 213);
constexpr COLORREF kDark = RGB(156, 156, 156);
constexpr COLORREF kLight = RGB(222, 223, 213);
}  // namespace

// The settings dialog's bands: header of 74, body, footer band of 37.
TEST(BackgroundPanel, HeaderAroundAWhiteBodyWithTwoLinesAboveAndTwoBelow) {
    Canvas canvas(200, 160);
    BackgroundPanel panel;
    panel.SetRects({0, 0, 200, 160}, {10, 74, 190, 123});
    panel.Paint(canvas.dc());
    struct Probe {
        int x, y;
        COLORREF colour;
    };
    const Probe probes[] = {
        {5, 5, kHeader},     {100, 40, kHeader},  {100, 71, kHeader},   // header area
        {100, 72, kDark},    {10, 72, kDark},     {189, 72, kDark},     // body top - 2
        {100, 73, kLight},                                              // body top - 1
        {100, 74, kBody},    {100, 122, kBody},   {10, 100, kBody},     // body
        {100, 123, kLight},                                             // body bottom
        {100, 124, kDark},   {189, 124, kDark},                         // body bottom + 1
        {100, 125, kHeader}, {100, 159, kHeader},                       // footer band
        {5, 72, kHeader},    {195, 124, kHeader}, {5, 100, kHeader},    // lines span the body only
    };
    for (const Probe& p : probes) EXPECT_EQ(p.colour, canvas.Pixel(p.x, p.y)) << p.x << "," << p.y;
}

TEST(BackgroundPanel, ThirdAreaIsPaintedOnlyWhenGivenAndUnderTheBody) {
    Canvas canvas(100, 100);
    BackgroundPanel panel;
    panel.SetRects({0, 0, 100, 100}, {0, 20, 100, 60}, {0, 50, 100, 90});
    panel.Paint(canvas.dc());
    EXPECT_EQ(kBody, canvas.Pixel(50, 55)) << "the body covers the third area";
    EXPECT_EQ(kThird, canvas.Pixel(50, 70));
    EXPECT_EQ(kHeader, canvas.Pixel(50, 95));

    panel.SetRects({0, 0, 100, 100}, {0, 20, 100, 60});
    panel.Paint(canvas.dc());
    EXPECT_EQ(kHeader, canvas.Pixel(50, 70));
}
