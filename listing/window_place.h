// Where the main window opens from its saved bounds, given the monitors there are now.
#pragma once

#include <vector>

#include "listing/window_layout.h"

struct MonitorArea {
    TRectPx Monitor;  // the whole screen of the monitor
    TRectPx Work;     // without the task bar
};

// The saved bounds as they stand when they meet a monitor. Otherwise (a position of -32768, a
// monitor that is gone) the window goes to the nearest monitor at its saved size, moved and,
// where it is larger, cut to that monitor's work area. No monitors: the saved bounds.
TRectPx PlaceOnMonitor(const TRectPx& saved, const std::vector<MonitorArea>& monitors);
