// Per-tab state: 32 slots and the map from tab position to slot. Tabs are reordered and closed
// by moving TabToSlot entries only; slot contents never move.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kMaxTabs = 32;

// An entry's kind: folders sort before files because '0' < '1', and the clip entries, the
// drop block and the listing keys carry it as this character.
inline constexpr char kFolderKind = '0';
inline constexpr char kFileKind = '1';

// The folder text that stands for the drive list.
inline constexpr const char* kDrivesFolder = "ﾄﾞﾗｲﾌﾞ";

struct TTabSlot {
    bool Used = false;
    bool Unread = false;  // restored at start-up: read when first shown
    std::string Folder;
    std::int8_t SortKind = 0;  // 0 name, 1 size, 2 type, 3 time
    bool Reverse = false;
    int Page = 0;  // 0 = the last page of the display limit
    std::int32_t TopIndex = 0;
    std::int32_t FocusIndex = 0;
    double TotalSize = 0;
    // One element per entry, in the order the folder was read; never sorted.
    std::vector<std::string> Names;
    std::vector<std::string> Sizes;
    std::vector<std::string> Times;
    std::string Kinds;  // kFolderKind or kFileKind per entry
    // The entries in listing order, one list per sort kind, built on demand and dropped
    // whenever the entries change: a re-sort or a new mask reuses them instead of building
    // every collation key again.
    std::array<std::vector<std::int32_t>, 4> Sorted;
    std::vector<std::string> History;
    std::int32_t HistoryPos = 0;  // 1-based position of the current folder in History
};

class TTabSlots {
public:
    TTabSlots() = default;

    TTabSlot& operator[](int slot) { return slots_[slot]; }
    const TTabSlot& operator[](int slot) const { return slots_[slot]; }

    // Lowest free slot, made ready with the defaults for new tabs; -1 when all 32 are used.
    int AllocSlot(std::int8_t defaultSortKind, bool defaultReverse);
    void FreeSlot(int slot);
    void FreeAll();
    int UsedCount() const;

private:
    std::array<TTabSlot, kMaxTabs> slots_{};
};

// Drops the listing orders after the entries changed.
void ForgetSortedEntries(TTabSlot& slot);

// Tab position -> slot. Entries at and beyond the tab count mean nothing.
using TTabToSlot = std::array<std::int8_t, kMaxTabs>;

// Closing the tab at position: later tabs move one place down.
void RemoveTabPosition(TTabToSlot& map, int tabCount, int position);
// Dragging the tab at position from to position to.
void MoveTabPosition(TTabToSlot& map, int tabCount, int from, int to);

// A folder made ready for appending a name: "" for the drive list, otherwise ending in a
// single-byte backslash.
std::string FolderForAppend(std::string_view folder);

// The listing index behind list item i of the shown window [pageStart, pageEnd).
std::int32_t ItemToEntry(std::int32_t item, bool reverse, std::int32_t pageStart,
                         std::int32_t pageEnd);

// Back is possible past the first visit; forward while later entries exist.
bool CanGoBack(const TTabSlot& slot);
bool CanGoForward(const TTabSlot& slot);
