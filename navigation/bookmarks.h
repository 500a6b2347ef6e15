// Bookmarks: reading the Go entries of the settings, the items of the menu 栞(&B) with their
// accelerators, the folder a bookmark opens, and adding a folder as a new entry. Also the
// small text rules of the clipboard folder and of deleting a tab's folder.
//
// A Go value is "label,folder" or just "folder"; the folder may start with "group|" to file
// the bookmark under a submenu, and may carry its own accelerator "(&x)". Every search here is
// Shift-JIS aware: "|" is also the second byte of ポ, a backslash the second byte of 表.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/settings_store.h"
#include "commands/menu_model.h"

// Names of the items built into 栞(&B): the dispatcher hands a bookmark item's Tag (its Go
// number) to the click handler; a group is a submenu only.
inline constexpr const char* kBookmarkItemName = "goBookmark";
inline constexpr const char* kBookmarkGroupName = "goBookmarkGroup";

struct GoValue {
    std::string Label;   // empty when the value has no ","
    std::string Folder;  // may still begin with "group|"
};
// With two or more ","-fields the first is the label and the second the folder; otherwise the
// whole value is the folder.
GoValue ParseGoValue(std::string_view value);

struct GroupedFolder {
    bool HasGroup = false;
    std::string Group;   // text before the first "|"
    std::string Folder;  // text after it (the whole text without a group)
};
GroupedFolder SplitGroup(std::string_view folder);

// Where the folder's own accelerator "(&x)" starts: its first ")" stands exactly 3 bytes after
// its first "(&". npos when it has none.
std::size_t OwnAcceleratorPos(std::string_view folder);

// The caption of a bookmark item: the label as written, or the folder with "&" put before its
// last name ('C:\Users\Docs' -> 'C:\Users\&Docs') unless it carries its own accelerator.
std::string BookmarkCaption(std::string_view folder, std::string_view label);

// The folder a Go value opens: no label, no group, no "(&x)".
std::string BookmarkFolder(std::string_view goValue);

// Appends the item of bookmark n to the menu 栞(&B), inside the group submenu its folder names
// (created at the end when missing).
void AddBookmarkItem(TMenuItem& bookmarks, std::string_view folder, int n, std::string_view label);

// Replaces every item after the first (the desktop) with the bookmarks Go1, Go2 ... up to the
// first whose folder is empty.
void BuildBookmarkItems(TMenuItem& bookmarks, const TSettings& settings);

// Stores folder (without label) under the first free Go number and returns that number. 0
// when a Go value already equals folder byte for byte, or when folder is empty or holds a line
// break (it would become a line of its own in the settings file).
int AddBookmarkEntry(TSettings& settings, std::string_view folder);

// Clipboard text without the bytes 0x20 and below at either end.
std::string TrimBlanks(std::string_view text);

// The folder that "delete this tab's folder" may delete, from the tab's folder with its
// trailing backslash: without that backslash, or empty for a server's share list, a drive
// root and the drive list.
std::string DeletableFolder(std::string_view currentFolder);
