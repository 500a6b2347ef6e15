// Turning the menu model into Win32 menus and keeping checks and enabled states in step.
#pragma once

#include <windows.h>

#include "commands/menu_model.h"

// A menu bar (popup = false) or a popup menu with every item of root, with shortcut texts
// after a tab. Items carry their Command as id.
HMENU RenderMenu(const TMenuItem& root, bool popup);
// Copies Checked/Enabled (and the radio bullet) and the text with the current shortcut of
// every item below root into menu, rendered from root. Items for which keep is true are left
// as they were rendered, with everything inside them.
void SyncMenuItems(HMENU menu, const TMenuItem& root, bool (*keep)(const TMenuItem&) = nullptr);
// Gives the items of menu, rendered from root, the ids root holds now.
void RenumberMenu(HMENU menu, const TMenuItem& root);
// The text shown for an item: caption, then a tab and the shortcut.
std::string MenuItemText(const TMenuItem& item);
// The system's name of a key that has no name of our own ("" when it has none either); the
// shortcut texts of the settings may use it.
std::string SystemKeyNameText(int key);
// Replaces every item of an existing menu with the items of root. A menu bar stays attached,
// so the window's frame and layout do not change.
void RenderMenuInto(HMENU menu, const TMenuItem& root);
