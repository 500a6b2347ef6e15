// Files on the system clipboard in the form Explorer uses: CF_HDROP with the paths in UTF-16
// and "Preferred DropEffect" saying whether the files are to be copied or moved.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct ClipboardFiles {
    std::vector<std::string> Paths;
    bool Move = false;
};

// Replaces the clipboard's content with paths; false when the clipboard could not be had.
bool PutFilesOnClipboard(HWND owner, const std::vector<std::string>& paths, bool move);
// The files another program put there; nothing when it holds none.
std::optional<ClipboardFiles> FilesOnClipboard(HWND owner);
// After a move: the files are no longer where the clipboard says.
void EmptyClipboardOf(HWND owner);

// The names of a drop list in memory, read through the system (UTF-16, never cut short);
// nothing unless the block's header and list lie inside it.
std::vector<std::string> DropListNames(HGLOBAL block);
