// The menus as plain data: the shell renders them into HMENUs and keeps them in step, and key
// presses are matched against them in menu order before any control sees the key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TMenuItem {
    std::string Name;     // designer name: "mnNewTab", "S1" ...
    std::string Caption;  // "-" for a separator
    int ShortCut = 0;     // see shortcut_text.h
    int Tag = 0;
    bool Checked = false;
    bool RadioItem = false;  // shown with a bullet when checked
    bool Enabled = true;
    bool Visible = true;
    int Command = 0;  // WM_COMMAND id, given by AssignCommands
    std::vector<TMenuItem> Items;

    bool IsSeparator() const { return Caption == "-"; }
};

// Gives every item below root a distinct command id, starting at first; returns the next free.
int AssignCommands(TMenuItem& root, int first);

// Depth-first, in menu order.
// The submenu named groupName with caption among parent's items from index first on, added
// at the end when there is none. Only groups count: an item with the same caption stays.
TMenuItem& GroupItem(TMenuItem& parent, std::size_t first, const char* groupName,
                     const std::string& caption);
TMenuItem* FindItem(TMenuItem& root, std::string_view name);
const TMenuItem* FindItem(const TMenuItem& root, std::string_view name);
TMenuItem* FindCommand(TMenuItem& root, int command);

// The first item in menu order whose shortcut is code, or nullptr. The key belongs to that
// item even when it is disabled (then nothing happens), so later items never see it.
const TMenuItem* FindShortCut(const TMenuItem& root, int code);

// The menus of the main window as designed.
TMenuItem MainMenuDesign();
TMenuItem FileListPopupDesign();  // PopupMenu1
TMenuItem TabPopupDesign();       // PopupMenu2
