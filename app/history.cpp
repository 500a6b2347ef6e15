#include "app/history.h"

#include <algorithm>
#include <cstddef>

bool NothingVisitedYet(const TTabSlot& slot) {
    return slot.History.empty() && slot.HistoryPos == 0;
}

void VisitFolder(TTabSlot& slot, const std::string& folder) {
    const std::size_t kept =
        std::min(static_cast<std::size_t>(std::max(slot.HistoryPos, 0)), slot.History.size());
    slot.History.resize(kept);
    slot.History.push_back(folder);
    slot.HistoryPos = static_cast<std::int32_t>(slot.History.size());
}

std::optional<std::string> HistoryBack(TTabSlot& slot) {
    if (!CanGoBack(slot) || slot.HistoryPos > static_cast<std::int32_t>(slot.History.size()))
        return std::nullopt;
    --slot.HistoryPos;
    return slot.History[static_cast<std::size_t>(slot.HistoryPos - 1)];
}

std::optional<std::string> HistoryForward(TTabSlot& slot) {
    if (!CanGoForward(slot) || slot.HistoryPos < 0) return std::nullopt;
    ++slot.HistoryPos;
    return slot.History[static_cast<std::size_t>(slot.HistoryPos - 1)];
}
