// The keys a text box needs for itself: Del, Shift+Del, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+A belong
// to six menu items, which give them up while a text box has the focus.
#pragma once

#include <array>
#include <string_view>

#include "commands/menu_model.h"

inline constexpr std::array<std::string_view, 6> kEditShortcutItems{
    "mnDelete", "mnDelete2", "mnCopy", "mnPaste", "mnCut", "mnSelectAll"};
// Shortcuts of the six items, in the order of kEditShortcutItems.
using EditShortcuts = std::array<int, 6>;

// Off: the six items lose their shortcuts. On: they get saved back.
void ApplyEditShortcuts(TMenuItem& root, const EditShortcuts& saved, bool on);
