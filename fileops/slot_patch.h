// Keeping a slot's entries and the shown listing in step with the disk after a file command,
// without reading the folder again. The listing names slot entries by index, and the shown
// window [Start, End) maps list rows to listing positions (back to front in reverse order), so
// every entry added or removed patches all three together.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/tab_slots.h"
#include "listing/listing_keys.h"
#include "navigation/folder_entries.h"

// Appends what a search of the disk found; the index of the new entry.
std::int32_t AppendEntry(TTabSlot& slot, const DirEntry& found);

// Index of the first entry named name, or -1.
std::int32_t FindEntry(const TTabSlot& slot, std::string_view name);

// The kind a folder read gives what a search found.
char EntryKind(const DirEntry& found);

// Rewrites an entry's size and time from the disk.
void RefreshEntry(TTabSlot& slot, std::int32_t entry, const DirEntry& found);

// Shows a new entry as the last row of the list: it goes where the window maps the row
// after the last one (End in normal order, Start in reverse), and the window widens by one.
void ShowAsLastRow(const TTabSlot& slot, std::int32_t entry, ShownListing shown);

// Removes every entry named name. With a shown listing, removed entries leave it, the indices
// of later entries follow them down, and the window narrows for each removed position inside
// or before it. The number of entries removed.
int RemoveEntries(TTabSlot& slot, std::string_view name, std::optional<ShownListing> shown);
