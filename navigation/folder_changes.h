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

// fresh is a new read of the folder, filed as a read files it (AddFolderEntry): the watch
// files it on its own thread, so that the window only compares.
FolderChanges CompareFolder(const TTabSlot& slot, const TTabSlot& fresh);
