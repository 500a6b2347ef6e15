// Folder texts: server paths, the parent of a folder and the caption of its tab. They work on
// the text alone; a 0x5C byte that is the second byte of a Shift-JIS character is never a
// backslash.
#pragma once

#include <string>
#include <string_view>

// '\\', '\\server' and '\\server\' are server paths (their share list); '\\server\share' is
// an ordinary folder.
bool IsServerPath(std::string_view path);

// The folder above path ('C:\Windows' -> 'C:\', '\\server\share' -> '\\server'); path itself
// when it has no parent ('C:', '\\server', the drive list).
std::string ParentPath(std::string_view path);

// The last name of a folder ('C:\Windows\System' -> 'System'); a drive root keeps its one
// backslash ('C:\').
std::string TabCaption(std::string_view path);

// True for "X:\..." and "\\..." texts; anything else is relative to the current folder.
bool IsAbsolutePath(std::string_view path);

// The pattern that lists a folder (given with its trailing backslash). A pattern of MAX_PATH
// characters or more fails in the plain form; it gets the long form the A functions accept:
// '\\?\C:\...' for a drive path, '\\?\UNC\server\share\...' for a server path.
std::string FolderSearchPattern(std::string_view folder);
// Any search pattern in the form FolderSearchPattern gives a long one.
std::string LongSearchPattern(std::string_view pattern);

// True when two folder texts name the same folder as Windows reads them: letters of either
// case, '/' for '\', '.' and '..' steps and a trailing backslash make no difference.
bool SameFolder(std::string_view a, std::string_view b);
