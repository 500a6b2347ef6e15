// What changed in a folder since its slot was read, from a fresh read of the folder: the names
// that came, the names that went and the names whose size, time or kind changed. A watched
// folder's slot is patched with these instead of being read again.
#pragma once

#include <string>
#include <vector>

#include "app/tab_slots.h"
#include "navigation/folder_entries.h"

struct FolderChanges {
    std::vector<std::string> Added;
    std::vector<std::string> Removed;
    std::vector<std::string> Changed;
    bool Empty() const { return Added.empty() && Removed.empty() && Changed.empty(); }
};

// now is what a read of the folder found ("." and ".." included, hidden entries left to
// showHidden as a read does).
FolderChanges CompareFolder(const TTabSlot& slot, const std::vector<DirEntry>& now,
                            bool showHidden);
