// What a search of the disk reports about one name, in the form a folder read keeps.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "navigation/folder_entries.h"

DirEntry EntryOfFindData(const WIN32_FIND_DATAA& data);
// The entry at path (a file or a folder), or nothing when there is none.
std::optional<DirEntry> FindOnDisk(const std::string& path);
// True when a file or folder of that path exists.
bool ExistsOnDisk(const std::string& path);
// Every entry a search for pattern finds (given as LongSearchPattern or FolderSearchPattern
// make it), "." and ".." included; nothing when the search fails.
void SearchDisk(const std::string& pattern, const std::function<void(const DirEntry&)>& found);
