#include "listing/window_place.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Placed(const TRectPx& saved, const std::vector<MonitorArea>& monitors) {
    const TRectPx r = PlaceOnMonitor(saved, monitors);
    return {r.Left, r.Top, r.Width, r.Height};
}

TEST(WindowPlaceTest, BoundsOffEveryMonitorMoveToTheNearestWorkArea) {
    // Two monitors side by side; the task bar takes 40 pixels at the bottom of each.
    const std::vector<MonitorArea> two = {{{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
                                          {{1280, 0, 1920, 1080}, {1280, 0, 1920, 1040}}};
    using V = std::vector<int>;
    EXPECT_EQ(Placed({-700, -500, 800, 600}, two), (V{-700, -500, 800, 600}));  // meets one
    EXPECT_EQ(Placed({-32768, -32768, 800, 600}, two), (V{0, 0, 800, 600}));
    // Touching the right edge of the second is not meeting it; too tall for the first's work
    // area is cut to it; extreme values do not overflow.
    EXPECT_EQ(Placed({3200, 100, 800, 600}, two), (V{2400, 100, 800, 600}));
    EXPECT_EQ(Placed({200, 1100, 800, 2000}, two), (V{200, 0, 800, 984}));
    EXPECT_EQ(Placed({2147483000, 2147483000, 2000, 2000}, two), (V{1280, 0, 1920, 1040}));
    EXPECT_EQ(Placed({-32768, 0, 800, 600}, {}), (V{-32768, 0, 800, 600}));  // no monitors known
}

}  // namespace
