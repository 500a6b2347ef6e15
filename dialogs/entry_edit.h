// The entry editor's core: its layout per family, the fields a row fills in, the checks of its
// OK button, the hint list and what a double-click on a hint row does, and the menu rows the
// Menu family chooses from.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "commands/menu_model.h"
#include "dialogs/settings_edit.h"

// Which controls show for a family, and the captions and widths that differ.
struct TEntryLayout {
    TEditorKind Editor;
    const char* NameLabel;   // LblName
    int NameWidth;           // EdtExt
    bool Period;             // LblPeriod "(ﾋﾟﾘｵﾄﾞなし)"
    bool Shortcut;           // LblShortcut and CmbShortcut
    const char* ValueLabel;  // LblValue; nullptr when hidden
    bool Command;            // EdtCmd
    bool Browse;             // ButBrowse; for the other settings see BrowseShown
    bool ExeHint;            // LblExeHint
    bool OpenMode;           // LblOpenMode and CmbOpenMode
    bool Hint;               // btnHint
    bool Menu;               // CmbMenu, over EdtExt
};
const TEntryLayout& EntryLayout(TFamilyKind kind);

// The browse button for the row about to be edited.
bool BrowseShown(TFamilyKind kind, std::string_view name);

// A menu caption without its accelerator suffix: cut at "(&".
std::string StripAccel(std::string_view caption);

// The CmbMenu rows: "----- " and each top menu, its items, and each submenu as "- " and its
// caption, its items and "-". Separators of the top menus are left out.
std::vector<std::string> MenuRows(const TMenuItem& mainMenu);

// The fields the entry editor starts from for edit's row.
TEntryFields LoadEntry(const TEntryEdit& edit);

inline constexpr const char* kCannotChooseMessage = "選べません";
inline constexpr const char* kEmptyFieldMessage = "空欄があります";
inline constexpr const char* kBadCharMessage = "使えない文字(=や,)があります";
inline constexpr const char* kEntryErrorCaption = "ｴﾗｰ";

struct TEntryCheck {
    std::string Message;  // empty when accepted; else shown under kEntryErrorCaption
    TListRow Row;         // the accepted row
};
// The OK button: the fields are checked and, when accepted, turned into the row. For popup
// commands the value is shortcut, ",", command, ",", mode digit.
TEntryCheck CheckEntry(const TEntryEdit& edit, const TEntryFields& fields);

// The hint list: the command hint and then every window title not already a row, or for the
// other settings the names and icon numbers.
std::vector<std::string> HintRows(TFamilyKind kind, const std::vector<std::string>& titles);

struct THintPick {
    bool Changed = false;
    std::string Command;
    std::size_t Caret = 0;  // where the caret goes after a macro was inserted
};
// A double-click on hint row index: a macro is inserted into command over the selection
// [selStart, selEnd); a window title becomes the command, with "|" and the old command
// when that was a program.
THintPick HintPick(TFamilyKind kind, const std::vector<std::string>& rows, int index,
                   std::string_view command, std::size_t selStart, std::size_t selEnd);
