// What the settings editors are given and give back, as plain data: the rows of one entry
// family for the list editor, and one entry for the entry editor.
#pragma once

#include <string>
#include <vector>

// The families of the settings menu's six editing commands, in their order.
enum class TFamilyKind { Ext = 0, Pop = 1, Go = 2, Msk = 3, Menu = 4, Other = 5 };

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
};

struct TEntryEdit {
    std::string Caption;  // "新規" or "編集"
    TFamilyKind Kind = TFamilyKind::Ext;
    // In: the row being edited (empty for a new one); out, when confirmed: the edited row.
    std::string Name;
    std::string Value;
    std::vector<std::string> MenuRows;  // as in TFamilyEdit
};
