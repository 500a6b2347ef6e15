#include "listing/window_place.h"

#include <gtest/gtest.h>

namespace {

bool Same(const TRectPx& a, const TRectPx& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

// Two monitors side by side; the task bar takes 40 pixels at the bottom of each.
const std::vector<MonitorArea> kTwo = {{{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
                                       {{1280, 0, 1920, 1080}, {1280, 0, 1920, 1040}}};

TEST(WindowPlaceTest, BoundsThatMeetAMonitorStayAsSaved) {
    for (const TRectPx& r : {TRectPx{100, 100, 800, 600}, TRectPx{-700, -500, 800, 600},
                             TRectPx{3100, 1000, 800, 600}, TRectPx{1000, 900, 5000, 5000}})
        EXPECT_TRUE(Same(PlaceOnMonitor(r, kTwo), r)) << r.Left << "," << r.Top;
    EXPECT_TRUE(Same(PlaceOnMonitor({-32768, -32768, 800, 600}, {}), {-32768, -32768, 800, 600}));
}

TEST(WindowPlaceTest, BoundsOffEveryMonitorMoveToTheNearestWorkArea) {
    // Far up and left: the first monitor, at the saved size, in its top left corner.
    EXPECT_TRUE(Same(PlaceOnMonitor({-32768, -32768, 800, 600}, kTwo), {0, 0, 800, 600}));
    // Just off the right of the second monitor (touching is not meeting): pushed inside.
    EXPECT_TRUE(Same(PlaceOnMonitor({3200, 100, 800, 600}, kTwo), {2400, 100, 800, 600}));
    // Below the first monitor's bottom and too tall for its work area: cut to it.
    EXPECT_TRUE(Same(PlaceOnMonitor({200, 1100, 800, 2000}, kTwo), {200, 0, 800, 984}));
    // Extreme values do not overflow.
    EXPECT_TRUE(
        Same(PlaceOnMonitor({2147483000, 2147483000, 2000, 2000}, kTwo), {1280, 0, 1920, 1040}));
}

}  // namespace
