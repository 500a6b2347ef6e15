// The user's popup commands: the Pop entries of the settings become items of the file list's
// context menu, in store order, some of them in group submenus ("group|item"), each running a
// command template on the selection in one of three modes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings_store.h"
#include "commands/menu_model.h"
#include "commands/shortcut_text.h"

// Item names: the dispatcher sends every popup command to one handler; a group is a submenu
// only; the properties item comes last.
inline constexpr const char* kPopupCommandName = "popCommand";
inline constexpr const char* kPopupGroupName = "popGroup";
inline constexpr const char* kPropertyItemName = "mnProperty";
inline constexpr const char* kPropertyCaption = "ﾌﾟﾛﾊﾟﾃｨ(&R)";

// Items before this index are the designed ones (the sort submenu and its separator).
inline constexpr std::size_t kFirstPopupCommand = 2;
// True for the items the Pop lines make (their commands and group submenus).
bool IsPopupCommand(const TMenuItem& item);

struct PopLine {
    std::string Caption;       // "item" or "group|item"
    std::string ShortCutText;  // "" when the value has no ","
};
// A store line read as a popup command. Nothing for other lines and for malformed ones: no
// "=", fewer than three ","-fields in the value, or no caption to show (an empty item or
// group caption).
std::optional<PopLine> ParsePopLine(std::string_view line);

// Appends one command, inside the group submenu its caption names (created at the end when
// missing). Tag 1 marks an item inside a group.
void AddPopupItem(TMenuItem& popup, std::string_view caption, std::string_view shortCutText,
                  const SystemKeyName& systemName = {});

// Replaces everything after the designed items with the commands of the Pop lines in store
// order, then a separator and the properties item.
void BuildPopupMenu(TMenuItem& popup, const TSettings& settings,
                    const SystemKeyName& systemName = {});

// Numbers the popup from first on, every id below end (see AssignCommands). The designed items
// take their ids before the commands of the Pop lines, so only these are ever left out.
MenuNumbering NumberPopupMenu(TMenuItem& popup, int first, int end = kMenuCommandEnd);
// The message for commands left out of the popup (caption "ｴﾗｰ").
std::string PopupLeftOutMessage(int count);

// The Pop key's name of a chosen item: its caption, or its group's caption, "|" and its
// caption. group is the submenu holding the item, nullptr at the top.
std::string PopupEntryName(const TMenuItem& item, const TMenuItem* group);

enum class PopupMode {
    Unknown,         // any other mode byte: nothing runs
    OpenEach,        // "1": every selected entry opened with the command
    OneCommandLine,  // "2": the command once, on all selected paths
    DragToNext,      // "3": start, then drop the selection on the started program
};

struct PopValue {
    std::string Command;
    PopupMode Mode = PopupMode::Unknown;
};
// "shortcut,command,mode"; nothing with fewer than three fields.
std::optional<PopValue> ParsePopValue(std::string_view value);

enum class PopupAction { Nothing, OpenSelection, Run, DragThenRun, TooManyFiles };

struct PopupRun {
    PopupAction Action = PopupAction::Nothing;
    std::string Command;
    std::string Arguments;  // Run: the argument text of the command
};

// Longest argument text a one-command-line run passes.
inline constexpr std::size_t kMaxPopupArguments = 511;
inline constexpr const char* kTooManyFilesText = "選択ﾌｧｲﾙが多すぎます";

// What a chosen command does, given the current folder (with its trailing backslash) and the
// captions of the selected entries in list order. An empty command runs nothing.
PopupRun PlanPopupRun(const PopValue& value, std::string_view currentFolder,
                      const std::vector<std::string>& selected);
