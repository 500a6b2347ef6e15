// The list editor's core: which store lines make up each family, how they become rows and how
// confirmed rows are written back, and the row operations behind the editor's buttons.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/settings_store.h"
#include "commands/menu_model.h"
#include "dialogs/settings_edit.h"

struct TFamilyInfo {
    const char* Caption;  // of the list editor
    const char* Prefix;   // of the family's keys
    bool Numbered;        // keys carry the row number instead of the row name
    TEditorKind Editor;
};
const TFamilyInfo& FamilyInfo(TFamilyKind kind);

// The rows the list editor shows, in store order. The other settings end with the rows
// DefaultApp and MaxFiles after the Ico rows.
std::vector<TListRow> LoadFamily(const TSettings& store, TFamilyKind kind);
void DeleteFamily(TSettings& store, TFamilyKind kind);

struct TFamilyStoreResult {
    // The new entries per page when a MaxFiles row was stored.
    std::optional<std::int32_t> MaxFiles;
    // MaxFiles values that were not positive integers; the store kept the old value.
    std::vector<std::string> RefusedMaxFiles;
    // Rows that would give a key start-up reads as an integer some other value; the store
    // kept the old line.
    std::vector<TListRow> RefusedIntegers;
    // Two rows whose keys the store takes for one, the earlier first: nothing was stored.
    std::optional<std::pair<TListRow, TListRow>> SameKeyRows;
};
// Replaces the family in the store by rows: the family's lines go, then one line per row in
// row order (an empty value removes its key instead). Bookmarks without a folder and empty
// masks are skipped and the later rows numbered on, since readers stop at the first gap; rows
// holding a line break are skipped too.
TFamilyStoreResult StoreFamily(TSettings& store, TFamilyKind kind,
                               const std::vector<TListRow>& rows);

// The first two rows that would write keys the store takes for one, as its lookups compare
// names, the earlier first. Rows not written (skipped or refused) take no part; numbered
// families never clash.
std::optional<std::pair<TListRow, TListRow>> FindSameKeyRows(const TSettings& store,
                                                             TFamilyKind kind,
                                                             const std::vector<TListRow>& rows);

// The message for a refused MaxFiles value (caption "ｴﾗｰ").
std::string RefusedMaxFilesMessage(std::string_view value);
std::string RefusedIntegerMessage(const TListRow& row);
std::string SameKeyRowsMessage(const TListRow& first, const TListRow& second);

// One use of a family command: the rows (and for the Menu family the menu rows) go to edit,
// with a refusal of rows that share a key, and only when it confirms them is the family written
// back. nullopt when cancelled.
std::optional<TFamilyStoreResult> EditFamily(TSettings& store, TFamilyKind kind,
                                             const TMenuItem& mainMenu,
                                             const std::function<bool(TFamilyEdit&)>& edit);

// The list box row: name, a full-width space, value.
std::string RowText(const TListRow& row);
// The question before a row is deleted (caption "確認", OK and Cancel).
std::string DeleteRowQuestion(const TListRow& row);
// The entry editor's input for a new row ("新規") or for an existing one ("編集"; nullopt
// for an index out of range). A confirmed entry is the row {Name, Value}.
TEntryEdit EntryForNew(const TFamilyEdit& family);
std::optional<TEntryEdit> EntryForRow(const TFamilyEdit& family, int index);
// False, and nothing removed, for an index out of range.
bool DeleteRow(std::vector<TListRow>& rows, int index);
// Swap the row with its neighbour; the row's new index (unchanged at either end or for an
// index out of range).
int MoveRowUp(std::vector<TListRow>& rows, int index);
int MoveRowDown(std::vector<TListRow>& rows, int index);
