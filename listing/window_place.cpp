#include "listing/window_place.h"

#include <algorithm>
#include <cstdint>

namespace {
bool Meet(const TRectPx& a, const TRectPx& b) {
    return std::int64_t{a.Left} < std::int64_t{b.Left} + b.Width &&
           std::int64_t{b.Left} < std::int64_t{a.Left} + a.Width &&
           std::int64_t{a.Top} < std::int64_t{b.Top} + b.Height &&
           std::int64_t{b.Top} < std::int64_t{a.Top} + a.Height;
}

// Squared distance between two rectangles; 0 when they touch or overlap. 64 bits: saved
// values are any int.
std::int64_t Distance(const TRectPx& a, const TRectPx& b) {
    auto gap = [](std::int64_t aStart, std::int64_t aSize, std::int64_t bStart,
                  std::int64_t bSize) {
        return std::max<std::int64_t>({0, bStart - (aStart + aSize), aStart - (bStart + bSize)});
    };
    const std::int64_t dx = gap(a.Left, a.Width, b.Left, b.Width);
    const std::int64_t dy = gap(a.Top, a.Height, b.Top, b.Height);
    return dx * dx + dy * dy;
}

// Start and size within [areaStart, areaStart + areaSize).
void Clamp(int& start, int& size, int areaStart, int areaSize) {
    size = std::clamp(size, 0, std::max(areaSize, 0));
    start = static_cast<int>(std::clamp<std::int64_t>(
        start, areaStart, std::int64_t{areaStart} + std::max(areaSize, 0) - size));
}
}  // namespace

TRectPx PlaceOnMonitor(const TRectPx& saved, const std::vector<MonitorArea>& monitors) {
    if (monitors.empty()) return saved;
    for (const MonitorArea& m : monitors)
        if (Meet(saved, m.Monitor)) return saved;
    const MonitorArea* nearest = &monitors.front();
    for (const MonitorArea& m : monitors)
        if (Distance(saved, m.Monitor) < Distance(saved, nearest->Monitor)) nearest = &m;
    TRectPx placed = saved;
    Clamp(placed.Left, placed.Width, nearest->Work.Left, nearest->Work.Width);
    Clamp(placed.Top, placed.Height, nearest->Work.Top, nearest->Work.Height);
    return placed;
}
