// What a search of the disk reports about one name, in the form a folder read keeps.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "navigation/folder_entries.h"

// The offset from UTC file times to local ones, the same for every time of a folder.
std::int64_t LocalTimeBias();
DirEntry EntryOfFindData(const WIN32_FIND_DATAW& data, std::int64_t bias);
DirEntry EntryOfFindData(const WIN32_FIND_DATAW& data);
// The entry at path (a file or a folder), or nothing when there is none.
std::optional<DirEntry> FindOnDisk(const std::string& path);
// True when a file or folder of that path exists.
bool ExistsOnDisk(const std::string& path);
// Every entry a search for pattern finds (given as LongSearchPattern or FolderSearchPattern
// make it), "." and ".." included; nothing when the search fails. found returns false to
// end the search early; it may keep the entry (move from it).
void SearchDisk(const std::string& pattern, const std::function<bool(DirEntry&)>& found);
