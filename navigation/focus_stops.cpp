#include "navigation/focus_stops.h"

#include "commands/shortcut_text.h"

std::optional<FocusStop> FocusAfterKey(FocusStop at, int key, bool shift) {
    constexpr int kStops = 3;
    if (key == vk::Escape)
        return at == FocusStop::List ? std::nullopt : std::optional(FocusStop::List);
    if (key != vk::Tab) return std::nullopt;
    const int step = shift ? kStops - 1 : 1;
    return static_cast<FocusStop>((static_cast<int>(at) + step) % kStops);
}
