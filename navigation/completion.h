// The folder box: what its own keys do, and name completion: which names a typed path
// offers, in what order, and what picking one leads to. The box text is split at its last
// backslash or colon into the typed folder and the beginning of a name; a 0x5C trail byte
// (表, ソ) never splits it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/collator.h"
#include "app/tab_slots.h"
#include "navigation/folder_entries.h"

struct CompletionQuery {
    // The typed folder, up to and including its last backslash or colon; "" for the drive list.
    std::string Folder;
    std::string Prefix;  // the beginning of the name
    // True: the tab's own entries, filtered by Prefix. False: the disk is searched for Pattern.
    bool FromTab = false;
    std::string Pattern;
};

// Nothing when the box still shows the tab's folder. A text without backslash or colon is a
// name in the current folder (the drive list when that is shown), never one relative to the
// process's working folder.
std::optional<CompletionQuery> CompletionFor(std::string_view boxText, std::string_view slotFolder,
                                             std::string_view currentFolder);

// Folders carry one trailing blank as their mark; files are plain names.
inline constexpr char kFolderMark = ' ';

// A folder of 100,000 names would fill the list for seconds and help nobody: the list holds
// the first names in order, and a last line tells how many more there are.
inline constexpr std::size_t kCompletionMost = 2000;

struct CompletionList {
    std::vector<std::string> Names;  // the first names in order, folders marked
    std::size_t More = 0;            // names that matched beyond these
    // The lines as listed: the names, then "…他 N 件" when more matched.
    std::vector<std::string> Lines() const;
};

// The list from the tab's entries whose names begin with prefix (byte for byte, case
// counts): folders first, then files, each in collator order.
CompletionList TabCandidates(const TTabSlot& slot, std::string_view prefix,
                             const Collator& collator, std::size_t most = kCompletionMost);
// The list from what a disk search found (the search did the matching): "." and ".." left
// out, hidden entries kept.
CompletionList DiskCandidates(const std::vector<DirEntry>& found, const Collator& collator,
                              std::size_t most = kCompletionMost);

enum class CompletionKey { Enter, Backslash, Escape };

enum class CompletionAction {
    None,            // only the list closes
    CompleteFolder,  // BoxText goes into the box, ready for the next completion
    OpenFolder,      // Path is opened in the tab and recorded in its history
    OpenFile,        // Name is opened as a file of Folder
};

struct CompletionPick {
    CompletionAction Action = CompletionAction::None;
    bool FocusBox = false;  // afterwards the box has the focus, otherwise the file list
    std::string Folder;  // the typed folder as a tab keeps it ("ﾄﾞﾗｲﾌﾞ" for the drive list)
    std::string Name;     // the picked name without its mark
    std::string Path;     // OpenFolder
    std::string BoxText;  // CompleteFolder
};

// A key in the list. selected is the picked line as listed, nothing when no line is
// selected. Only a folder that opens changes the tab's folder: a file is opened with Folder
// lent to the tab for the launch and given back afterwards, since the list still shows the
// tab's old entries and later commands act on them.
CompletionPick PickCompletion(CompletionKey key, std::string_view typedFolder,
                              const std::optional<std::string>& selected);
// The same for line index of list (nothing when no line is selected). The line that counts
// the rest names nothing to open: the box gets the keys back, to type more of the name.
CompletionPick PickCompletionLine(CompletionKey key, std::string_view typedFolder,
                                  const CompletionList& list, std::optional<std::size_t> index);

// What a key does in the folder box (the key keeps its usual effect in the edit as well).
struct FolderBoxKeyResult {
    bool Open = false;     // OpenText is opened in the tab and recorded in its history
    std::string OpenText;  // the box text; the drive list for an empty box
    bool Complete = false;
    bool Back = false;
    bool Forward = false;
    bool Desktop = false;
    int Width = 0;  // the box's width afterwards; the tool row is laid out again on a change
};

// Enter opens with any modifiers; Down and Ins complete; Alt+Left/Right move in the history
// and Ctrl+Left/Right make the box 8 pixels narrower (only while it is wider than 16) or
// wider, both together doing both; Ctrl+F3 opens the desktop.
FolderBoxKeyResult FolderBoxKeyDown(int key, bool ctrl, bool alt, std::string_view boxText,
                                    int width);
