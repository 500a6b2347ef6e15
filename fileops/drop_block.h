// The ANSI file-drop block: a 16-byte header (offset of the names = 16, point 0,0, non-client
// flag 1) followed by each path with its NUL and one final NUL. It is what a second instance
// hands to the running window and what the program posts to other windows as dropped files.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kDropHeaderSize = 16;
// A block never reaches 64 KiB: a path that would take it there is refused.
inline constexpr std::size_t kDropBlockLimit = 65536;

// An empty block: the header and the final NUL.
std::string NewDropBlock();
// Appends path before the final NUL; false (block unchanged) when it would reach the limit.
// An empty path is left out: it would end the list for every name behind it.
bool AddDropFile(std::string& block, std::string_view path);
// The size of the system's drop header (offset of the names, point, non-client flag, wide flag).
inline constexpr std::size_t kSystemDropHeaderSize = 20;
// True when the bytes of a memory block hold a system drop header whose name list (ANSI or
// wide, by its flag) ends inside them: only then may the system be asked for its names.
bool DropListInside(std::string_view block);

// The names of a block received from outside, after checking its bounds and terminators;
// nothing when the block is malformed or wide.
std::optional<std::vector<std::string>> ParseDropBlock(std::string_view block);

// The OLE form of the file list: a 20-byte header (offset 20, point 0,0, non-client flag 0,
// wide flag) followed by the paths, each with its terminator, and one final terminator.
inline constexpr std::size_t kDropFileMemHeaderSize = 20;
// ANSI paths, wide flag 0.
std::string AnsiDropFileMem(const std::vector<std::string>& paths);
// UTF-16 paths (little-endian units), wide flag 1.
std::string WideDropFileMem(const std::vector<std::u16string>& paths);
