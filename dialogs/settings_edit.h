// What the settings editors are given and give back, as plain data: the rows of one entry
// family for the list editor, and one entry for the entry editor.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The families of the settings menu's six editing commands, in their order.
enum class TFamilyKind { Ext = 0, Pop = 1, Go = 2, Msk = 3, Menu = 4, Other = 5 };

// How the entry editor treats a row: bookmarks and masks share one kind.
enum class TEditorKind { Ext = 0, Pop = 1, GoMsk = 2, Menu = 3, Other = 4 };

// One row of the list editor; what name and value hold depends on the family.
struct TListRow {
    std::string Name;
    std::string Value;
    bool operator==(const TListRow&) const = default;
};

struct TFamilyEdit {
    std::string Caption;
    TFamilyKind Kind = TFamilyKind::Ext;
    // In: the family's rows as loaded; out, when the list was confirmed: the edited rows.
    std::vector<TListRow> Rows;
    // The choices of the Menu family's entry editor: the main menu's rows, headings and
    // separators beginning with "-".
    std::vector<std::string> MenuRows;
    // Why OK cannot take these rows, "" when it can; the editor shows it and stays open.
    std::function<std::string(const std::vector<TListRow>&)> Refusal = nullptr;
};

struct TEntryEdit {
    std::string Caption;  // "新規" or "編集"
    TFamilyKind Kind = TFamilyKind::Ext;
    // In: the row being edited (empty for a new one); out, when confirmed: the edited row.
    std::string Name;
    std::string Value;
    std::vector<std::string> MenuRows;  // as in TFamilyEdit
};

// The entry editor's fields as the user sees and types them.
struct TEntryFields {
    std::string Name;      // EdtExt
    int MenuIndex = -1;    // CmbMenu, -1 when nothing is chosen
    std::string Shortcut;  // CmbShortcut
    std::string Command;   // EdtCmd
    int OpenMode = 0;      // CmbOpenMode index: mode digit - 1
    bool operator==(const TEntryFields&) const = default;
};
