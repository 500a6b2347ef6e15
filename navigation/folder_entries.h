// Filling a slot's entry lists from what the file system, the drive mask or the network
// reported. The slot keeps the entries in the order they came; sorting is the listing's job.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/tab_slots.h"

struct LocalTime {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

// One entry of a folder search.
struct DirEntry {
    std::string Name;
    std::uint32_t Attributes = 0;  // the platform's attribute bits
    std::uint64_t Size = 0;
    LocalTime Time;
};

inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrDirectory = 0x10;

// 'yyyy/mm/dd hh:nn:ss'
std::string TimeText(const LocalTime& t);
// The calendar time of a count of 100-nanosecond ticks since 1601-01-01 00:00 (a file time
// with the local bias already added); all zero for a negative count.
LocalTime LocalTimeOfTicks(std::int64_t ticks);

// Empties Names, Sizes, Times and Kinds (and TotalSize).
void ClearEntries(TTabSlot& slot);
// Appends a search result: "." and ".." are skipped, hidden entries unless showHidden.
void AddFolderEntry(TTabSlot& slot, const DirEntry& entry, bool showHidden);
void AddFolderEntry(TTabSlot& slot, DirEntry&& entry, bool showHidden);
// The drive list: 'A:\' .. 'Z:\' for the set bits of the logical drive mask.
void FillDriveList(TTabSlot& slot, std::uint32_t driveMask);
// A server's shares from their remote names ('\\server\share' lists as 'share').
void AddShareEntry(TTabSlot& slot, const std::string& remoteName);
