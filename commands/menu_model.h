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

// Menu ids stay below this: WM_COMMAND carries 16 bits of them, Wine drops items with larger
// ids, and from here on the system may read them as negative shorts.
inline constexpr int kMenuCommandEnd = 0x8000;

struct MenuNumbering {
    int Next = 0;     // the first id not given
    int LeftOut = 0;  // commands (items without a submenu) taken out for want of an id
};
// Gives every item below root a distinct command id from first on, in menu order, each below
// end. An item that would need an id from end on is taken out with its submenu, and so is a
// submenu left empty: an id that wrapped would run another item's command.
MenuNumbering AssignCommands(TMenuItem& root, int first, int end = kMenuCommandEnd);

// Depth-first, in menu order.
// The submenu named groupName with caption among parent's items from index first on, added
// at the end when there is none. Only groups count: an item with the same caption stays.
TMenuItem& GroupItem(TMenuItem& parent, std::size_t first, const char* groupName,
                     const std::string& caption);
TMenuItem* FindItem(TMenuItem& root, std::string_view name);
const TMenuItem* FindItem(const TMenuItem& root, std::string_view name);
TMenuItem* FindCommand(TMenuItem& root, int command);

// The first item in menu order whose shortcut is code, or nullptr. The key belongs to that
// item even when it is disabled, so later items never see it; a disabled item leaves the key
// to the control that has the focus.
const TMenuItem* FindShortCut(const TMenuItem& root, int code);

// The menus of the main window as designed.
TMenuItem MainMenuDesign();
TMenuItem FileListPopupDesign();  // PopupMenu1
TMenuItem TabPopupDesign();       // PopupMenu2
