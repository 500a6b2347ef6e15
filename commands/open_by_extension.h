// Opening the selection: a folder is entered, a shortcut followed, and a file handed to the
// association of its extension ("Ext" entries): a command template, a folder to copy into, or
// part of a window title to drop onto, with a command to fall back on when no window has it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings_store.h"

// "Ext" and the extension of name lower-cased, without its dot: from the last "." that follows
// the last backslash or colon; "Ext" alone for a name without one.
std::string AssociationKey(std::string_view name);

enum class AssociationKind { None, Program, Folder, WindowTitle };

struct Association {
    AssociationKind Kind = AssociationKind::None;
    std::string Target;    // the value up to its first "|"
    std::string Fallback;  // after it: the command used when no window has the title
};

// Empty: none; IsProgramFile: a program (the fallback is ignored); ":\" or "\\": a folder;
// anything else: a window title.
Association ClassifyAssociation(std::string_view value);

enum class OpenAction {
    OpenEach,       // every item goes through its own launch with Command
    Copy,           // every item is copied (moved with Ctrl) into Target
    Drop,           // every item is dropped onto the window found for Target
    MissingWindow,  // no window has Target in its title and there is no fallback
};

struct OpenChoice {
    OpenAction Action = OpenAction::OpenEach;
    std::string Command;       // OpenEach: the template; empty to open the item itself
    bool EnterFolder = false;  // OpenEach: the first item is a folder, and only it is entered
    std::string Target;        // Copy: the folder; Drop and MissingWindow: the window title
};

// The action for a whole selection, decided from its first item. command is the popup menu's
// own ("" for Enter and double-click, which look up the first item's association and enter a
// folder). windowFound is asked once for a window-title target; the caller keeps the window.
OpenChoice ChooseOpenAction(std::string_view command, std::string_view firstName,
                            bool firstIsFolder, const TSettings& settings,
                            const std::function<bool(std::string_view title)>& windowFound);

enum class ItemKind { Folder, Shortcut, File };

// A selected item as opening treats it: a shortcut by its extension ".lnk" in any case.
ItemKind OpenItemKind(std::string_view name, bool isFolder);

// A template and the argument text it acts on.
struct CommandCall {
    std::string Template;
    std::string Arguments;
};

// A file: itself as the template, or the command acting on its path (quoted if spaced).
CommandCall FileCall(std::string_view command, std::string_view path);

// A shortcut whose target is not a folder: the target with the shortcut's own arguments, or
// the command acting on the target. Nothing when the shortcut has no target to start.
std::optional<CommandCall> ShortcutCall(std::string_view command, std::string_view target,
                                        std::string_view arguments);

// Status text after the files were copied or moved into destination.
std::string CopyStatusText(std::string_view destination);

// Message when no window has title in its caption; its box has the caption "ｴﾗｰ".
std::string MissingWindowText(std::string_view title);
