// Back/forward history of one tab: History holds the folders visited, HistoryPos the 1-based
// place of the shown one. The shell opens the folders these steps return.
#pragma once

#include <optional>
#include <string>

#include "app/tab_slots.h"

// A tab whose first folder is still to be opened: that opening reads the folder even when the
// slot's left-over Folder text is the same.
bool NothingVisitedYet(const TTabSlot& slot);

// Opening a folder with history: the forward part is cut off and the folder becomes the last,
// current entry.
void VisitFolder(TTabSlot& slot, const std::string& folder);

// One step back or forward: the folder to open, or nothing at either end. The position moves
// before the folder is opened, also when it then fails to open.
std::optional<std::string> HistoryBack(TTabSlot& slot);
std::optional<std::string> HistoryForward(TTabSlot& slot);
