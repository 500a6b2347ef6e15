// Where the keys go from the file list and its two text boxes, so that a keyboard user never
// needs the mouse to get out of a box.
#pragma once

#include <optional>

enum class FocusStop { List, FolderBox, MaskBox };

// Tab moves on to the next stop (list, folder box, mask box, list ...), Shift+Tab back; Esc
// in a box goes back to the list. Nothing for every other key, and for Esc in the list.
std::optional<FocusStop> FocusAfterKey(FocusStop at, int key, bool shift);
