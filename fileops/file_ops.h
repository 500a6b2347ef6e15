// Decisions of the file commands: what the shell is asked to copy or move on a paste, how a
// source text splits into paths, which names a rename or a duplicate may take.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileops/shell_plan.h"

// A source text holds full paths separated by "|". A "|" byte inside a double-byte character
// (ポ is 0x83 0x7C) is no separator; empty pieces are left out.
std::vector<std::string> SplitSourceText(std::string_view text);

// Copy or move of the paths of a source text into a folder (or to one full target path).
// No flags: the shell shows its progress, asks before replacing and reports failures.
ShellPlan CopyMovePlan(bool move, std::string_view sources, const std::string& destination);

struct PastePlan {
    std::string SourceFolder;        // folder of the last entry pasted, with its trailing backslash
    std::vector<ShellPlan> Calls;    // all files in one call, then one per folder
    std::vector<std::string> Names;  // the last name of every entry pasted, in clip order
    std::vector<std::string> Paths;  // the full path of each of them
};

// Clip entries are a kind character (kFolderKind or kFileKind) and a full path. An entry that
// already lies in the destination folder (as Windows compares folders) is left out: the shell
// would offer to copy it onto itself. Nothing to do for an empty clip or when every entry lies
// there.
std::optional<PastePlan> MakePastePlan(const std::vector<std::string>& clipFiles,
                                       std::string_view destination, bool move);

// The folder part of a path, up to and including its last separator.
std::string FolderOf(std::string_view path);

// The name a duplicate of name gets: "コピー name", else "コピー(1) name", "コピー(2) name" ...
// the first one taken() refuses.
std::string DuplicateName(std::string_view name,
                          const std::function<bool(const std::string&)>& taken);

// A name a rename may hand to the shell: not empty, not the old name, and none of the
// characters a file name cannot hold (a backslash would move the file elsewhere). A character
// outside the code page, kept as its escape, is allowed.
bool IsAcceptableNewName(std::string_view oldName, std::string_view newName);
// What the status line says when a rename is refused before the shell is asked; empty when
// the name may go to the shell (or is unchanged, which is simply no rename).
std::string RenameRefusal(std::string_view oldName, std::string_view newName);

// Lines of the names (or of folder + name when a folder is given) joined by CR LF, with no
// line break after the last one.
std::string ClipboardLines(const std::vector<std::string>& names, std::string_view folder = {});
