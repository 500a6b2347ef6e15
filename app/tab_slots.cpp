#include "app/tab_slots.h"

#include <algorithm>

#include "app/sjis.h"

int TTabSlots::AllocSlot(std::int8_t defaultSortKind, bool defaultReverse) {
    for (int i = 0; i < kMaxTabs; ++i) {
        TTabSlot& s = slots_[i];
        if (s.Used) continue;
        s.Names.clear();
        s.Sizes.clear();
        s.Times.clear();
        ForgetSortedEntries(s);
        s.History.clear();
        s.SortKind = defaultSortKind;
        s.Reverse = defaultReverse;
        s.Page = 0;
        s.Unread = false;
        s.HistoryPos = 0;
        s.TopIndex = 0;
        s.FocusIndex = 0;
        s.Used = true;
        // Folder, Kinds and TotalSize keep what they held until the folder is opened.
        return i;
    }
    return -1;
}

void TTabSlots::FreeSlot(int slot) {
    if (slot < 0 || slot >= kMaxTabs) return;
    TTabSlot& s = slots_[slot];
    s.Used = false;
    s.Names = {};
    s.Sizes = {};
    s.Times = {};
    s.Sorted = {};
    s.History = {};
    s.Kinds.clear();
}

void ForgetSortedEntries(TTabSlot& slot) {
    for (std::vector<std::int32_t>& order : slot.Sorted) order.clear();
}

void TTabSlots::FreeAll() {
    for (int i = 0; i < kMaxTabs; ++i) FreeSlot(i);
}

int TTabSlots::UsedCount() const {
    return static_cast<int>(
        std::count_if(slots_.begin(), slots_.end(), [](const TTabSlot& s) { return s.Used; }));
}

void RemoveTabPosition(TTabToSlot& map, int tabCount, int position) {
    if (position < 0 || position >= tabCount || tabCount > kMaxTabs) return;
    for (int t = position; t + 1 < tabCount; ++t) map[t] = map[t + 1];
}

void MoveTabPosition(TTabToSlot& map, int tabCount, int from, int to) {
    if (from < 0 || to < 0 || from >= tabCount || to >= tabCount || tabCount > kMaxTabs) return;
    std::int8_t moved = map[from];
    if (from < to)
        std::copy(map.begin() + from + 1, map.begin() + to + 1, map.begin() + from);
    else
        std::copy_backward(map.begin() + to, map.begin() + from, map.begin() + from + 1);
    map[to] = moved;
}

std::string FolderForAppend(std::string_view folder) {
    if (folder == kDrivesFolder) return {};
    std::string out(folder);
    if (sjis::EndsWithBackslash(out)) return out;
    // A lone lead byte at the end would take the separator as its second byte, and so would
    // the system: that pair stays a character and a second backslash separates.
    if (sjis::EndsWithLoneLeadByte(out)) out += '\\';
    out += '\\';
    return out;
}

std::int32_t ItemToEntry(std::int32_t item, bool reverse, std::int32_t pageStart,
                         std::int32_t pageEnd) {
    return reverse ? pageEnd - item - 1 : pageStart + item;
}

bool CanGoBack(const TTabSlot& slot) { return slot.HistoryPos > 1; }

bool CanGoForward(const TTabSlot& slot) {
    return static_cast<std::int32_t>(slot.History.size()) > slot.HistoryPos;
}
